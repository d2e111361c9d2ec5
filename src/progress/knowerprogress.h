#pragma once

#include <QString>

#include <map>
#include <optional>
#include <set>
#include <vector>

// One give-N trial: the child was asked for a number and gave some monkeys
// (11 when an eleventh monkey was an overload).
struct GiveNTrial
{
    int asked = 0; // 1 and up
    int given = 0; // 0 and up
    int attempt = 1; // 1 for the first judgement of a question, 2, 3... for retries after a miss

    friend bool operator==(const GiveNTrial &, const GiveNTrial &) = default;
};

// How the trials are weighed. The game judges recent play and waits for
// enough of it; a table of paper sessions counts every row it has.
struct KnowerScoring
{
    int recentRequests = 0; // each number is judged on its most recent requests; 0: on all
    int fewestRequests = 1; // a number asked less often than this is not judged yet

    static constexpr KnowerScoring inGame() { return {6, 3}; }
    static constexpr KnowerScoring onPaper() { return {0, 1}; }
};

enum class NumberStatus {
    NotEnoughPlay, // asked too seldom to say (or never)
    NotYet,        // never given right in the judged requests
    Learning,      // sometimes right, not yet reliably
    Known,         // Wynn's criterion holds
};

// What a child's first tries say about one number.
struct NumberProgress
{
    int number = 0;
    NumberStatus status = NumberStatus::NotEnoughPlay;
    // Over every first try the child ever had at the number, not only the judged ones.
    int timesAsked = 0;
    int rightFirstTries = 0;
    std::optional<int> commonestWrongAnswer; // ties: the one given most recently

    double accuracy() const { return timesAsked == 0 ? 0.0 : double(rightFirstTries) / timesAsked; }
};

// A child's knower level from their give-N trials, by Wynn's criterion:
// N is known when at least 2/3 of the requests for N got exactly N, and the
// right answers make at least 2/3 of all the times N was given, whatever was
// asked. Retries after a miss are never fresh requests and are left out.
//
// Windowing: a trial is judged whole or not at all. With recentRequests set,
// only each number's most recent requests are kept, and both sides of the
// criterion are counted over the kept trials; so a mistaken N given long ago
// for another number stops counting against N once that number has been
// asked enough times since.
class KnowerProgress
{
public:
    static constexpr int LargestNumber = 10; // the game asks 1..10
    static constexpr int CardinalPrincipleLevel = 6;

    // trials in the order they were played.
    KnowerProgress(const std::vector<GiveNTrial> &trials, KnowerScoring scoring);

    // The largest N with every judged number from 1 to N known; numbers not
    // judged (never asked, or not enough play yet) neither break nor extend it.
    int level() const { return m_level; }
    bool isCardinalPrincipleKnower() const { return m_level >= CardinalPrincipleLevel; }
    // "0" to "5", or "CP".
    QString levelText() const;

    // Any number from 1 up; one never asked is NotEnoughPlay with no tries.
    NumberProgress number(int number) const;

    std::set<int> knownNumbers() const;
    // The lowest of 1..LargestNumber not known, or nothing when all are.
    std::optional<int> lowestNumberNotKnown() const;

private:
    std::map<int, NumberProgress> m_numbers; // the numbers asked
    int m_level = 0;
};
