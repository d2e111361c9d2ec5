#pragma once

#include "language/language.h"

#include <optional>

class QSettings;

// What a parent sets for every game on this computer. Options on the
// command line win over these for their run.
struct Preferences
{
    std::optional<Language> language; // empty: the desktop's
    bool fullScreen = false;
    bool countingAloud = true;  // at the start of the game
    bool parentsVoice = true;   // the parent's recordings, where there are any

    static Preferences load(QSettings &settings);
    void save(QSettings &settings) const;

    friend bool operator==(const Preferences &, const Preferences &) = default;
};
