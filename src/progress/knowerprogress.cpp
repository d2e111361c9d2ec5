#include "progress/knowerprogress.h"

#include <algorithm>
#include <iterator>

namespace {

// The judged trials: first tries only, and of those each number's most recent
// requests when the scoring asks for a window. Order is kept.
std::vector<GiveNTrial> judgedTrials(const std::vector<GiveNTrial> &firstTries, int recentRequests)
{
    if (recentRequests == 0)
        return firstTries;
    std::map<int, int> keptRequests;
    std::vector<GiveNTrial> kept;
    for (auto trial = firstTries.rbegin(); trial != firstTries.rend(); ++trial) {
        if (keptRequests[trial->asked]++ < recentRequests)
            kept.push_back(*trial);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// The wrong answer given most often; among equals, the one given last.
std::optional<int> commonestWrongAnswer(const std::vector<int> &wrongAnswersInOrder)
{
    std::map<int, int> times;
    std::optional<int> commonest;
    for (const int answer : wrongAnswersInOrder) {
        // >= lets a later answer that catches up take the place.
        if (++times[answer] >= (commonest ? times[*commonest] : 0))
            commonest = answer;
    }
    return commonest;
}

NumberStatus statusOf(int requests, int right, int timesGiven, int fewestRequests)
{
    if (requests == 0 || requests < fewestRequests)
        return NumberStatus::NotEnoughPlay;
    // Whole numbers, so that exactly two thirds is exactly two thirds.
    if (3 * right >= 2 * requests && 3 * right >= 2 * timesGiven)
        return NumberStatus::Known;
    return right > 0 ? NumberStatus::Learning : NumberStatus::NotYet;
}

} // namespace

KnowerProgress::KnowerProgress(const std::vector<GiveNTrial> &trials, KnowerScoring scoring)
{
    std::vector<GiveNTrial> firstTries;
    std::copy_if(trials.begin(), trials.end(), std::back_inserter(firstTries),
                 [](const GiveNTrial &trial) { return trial.attempt == 1; });

    std::map<int, std::vector<int>> wrongAnswers;
    for (const GiveNTrial &trial : firstTries) {
        NumberProgress &progress = m_numbers[trial.asked];
        progress.number = trial.asked;
        ++progress.timesAsked;
        if (trial.given == trial.asked)
            ++progress.rightFirstTries;
        else
            wrongAnswers[trial.asked].push_back(trial.given);
    }
    for (auto &[number, answers] : wrongAnswers)
        m_numbers[number].commonestWrongAnswer = commonestWrongAnswer(answers);

    std::map<int, int> requests, right, timesGiven;
    for (const GiveNTrial &trial : judgedTrials(firstTries, scoring.recentRequests)) {
        ++requests[trial.asked];
        ++timesGiven[trial.given];
        if (trial.given == trial.asked)
            ++right[trial.asked];
    }
    for (auto &[number, progress] : m_numbers)
        progress.status = statusOf(requests[number], right[number], timesGiven[number], scoring.fewestRequests);

    // In increasing order: the first judged number not known ends the chain.
    for (const auto &[number, progress] : m_numbers) {
        if (progress.status == NumberStatus::NotEnoughPlay)
            continue;
        if (progress.status != NumberStatus::Known)
            break;
        m_level = number;
    }
}

QString KnowerProgress::levelText() const
{
    return isCardinalPrincipleKnower() ? QStringLiteral("CP") : QString::number(m_level);
}

NumberProgress KnowerProgress::number(int number) const
{
    const auto found = m_numbers.find(number);
    if (found != m_numbers.end())
        return found->second;
    NumberProgress unasked;
    unasked.number = number;
    return unasked;
}

std::set<int> KnowerProgress::knownNumbers() const
{
    std::set<int> known;
    for (const auto &[number, progress] : m_numbers) {
        if (progress.status == NumberStatus::Known)
            known.insert(number);
    }
    return known;
}

std::optional<int> KnowerProgress::lowestNumberNotKnown() const
{
    for (int n = 1; n <= LargestNumber; ++n) {
        if (number(n).status != NumberStatus::Known)
            return n;
    }
    return std::nullopt;
}
