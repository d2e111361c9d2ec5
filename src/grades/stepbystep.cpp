#include "grades/stepbystep.h"

#include "progress/knowerprogress.h"

#include <algorithm>

StepByStep::StepByStep(const std::vector<History::FirstTry> &history)
{
    const KnowerProgress progress = History::inGameProgress(history);
    const std::set<int> known = progress.knownNumbers();
    for (const int number : known) {
        if (number >= 1 && number <= KnowerProgress::LargestNumber)
            m_known.push_back(number);
    }
    // Just below the lowest number not known, so that a right try steps up
    // onto it and a miss steps back: 1 with no history, 10 when all are known.
    m_step = std::max(1, progress.lowestNumberNotKnown().value_or(KnowerProgress::LargestNumber + 1) - 1);
}

int StepByStep::nextNumber(std::mt19937 &random)
{
    ++m_questions;
    m_askingKnown = m_questions % KnownEvery == 0 && !m_known.empty();
    if (!m_askingKnown)
        return m_step;
    std::uniform_int_distribution<std::size_t> pick(0, m_known.size() - 1);
    return m_known[pick(random)];
}

void StepByStep::firstTryJudged(bool right)
{
    // A known number asked to keep the child succeeding does not move the staircase.
    if (m_askingKnown)
        return;
    m_step = std::clamp(m_step + (right ? 1 : -1), 1, KnowerProgress::LargestNumber);
}
