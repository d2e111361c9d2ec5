#pragma once

#include "language/language.h"

#include <QTranslator>

// The game's texts in a language, installed for as long as this lives.
// Simplified Mandarin installs nothing: the source strings are its texts.
class Translation
{
public:
    explicit Translation(Language language);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    bool isInstalled() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed = false;
};
