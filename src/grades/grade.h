#pragma once

#include "history/historytypes.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <vector>

// A way of playing that fits a child's stage of counting. The rules ask it
// for each number and for what to show and say when it is asked.
class Grade
{
public:
    static constexpr int First = 1;
    static constexpr int Last = 4;

    virtual ~Grade() = default;

    virtual std::int16_t number() const = 0;
    // 1..10.
    virtual int nextNumber(std::mt19937 &random) = 0;
    // A digit kept back appears once the train is judged, as feedback.
    virtual bool showsNumberWhenAsked() const { return true; }
    virtual bool speaksNumberWhenAsked() const { return true; }
    // The first try at each question.
    virtual void firstTryJudged(bool right) { static_cast<void>(right); }

    // The grade's name in the installed language, as the player sees it.
    static QString name(int number);
    static bool exists(int number) { return number >= First && number <= Last; }
    // A grade that does not exist plays the first. history is the player's
    // first tries, oldest first; only the last grade looks at it.
    static std::unique_ptr<Grade> make(int number, const std::vector<History::FirstTry> &history);
};
