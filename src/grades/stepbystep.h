#pragma once

#include "grades/grade.h"

#include <set>

// The fourth grade: numbers from the child's own history, by the titration
// of give-N studies. It starts just below the lowest number not yet known,
// moves one up after a right first try and one down after a miss, so it
// mostly asks that number and the one below; every fourth question is a
// number already known, so the child keeps succeeding.
class StepByStep : public Grade
{
public:
    static constexpr int KnownEvery = 4;

    // history: the player's first tries, oldest first.
    explicit StepByStep(const std::vector<History::FirstTry> &history);

    std::int16_t number() const override { return Last; }
    int nextNumber(std::mt19937 &random) override;
    void firstTryJudged(bool right) override;

    int step() const { return m_step; }

private:
    std::vector<int> m_known; // ascending
    int m_step = 1;           // the number the staircase stands on
    int m_questions = 0;
    bool m_askingKnown = false;
};
