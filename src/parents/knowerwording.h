#pragma once

#include "progress/knowerprogress.h"

#include <QCoreApplication>
#include <QString>

// What a child's counting says, in a parent's words: where they stand,
// what that stage means and one thing to practise at home.
class KnowerWording
{
    Q_DECLARE_TR_FUNCTIONS(KnowerWording)

public:
    explicit KnowerWording(const KnowerProgress &progress);

    QString summary() const;
    QString meaning() const;
    QString practice() const;

    static QString statusName(NumberStatus status);
    // First-try accuracy, how often asked and the commonest wrong answer.
    static QString numberDetail(const NumberProgress &number);
    // "one short", "2 too many".
    static QString wrongBy(int asked, int given);

private:
    enum class Stage {
        NotEnoughPlay, // no number judged yet
        StartingWithOne,
        SmallNumbers, // knows 1 to the level
        Counting,     // understands counting itself
    };

    int m_level = 0;
    Stage m_stage = Stage::NotEnoughPlay;
    // The judged number that stops the level, if any.
    std::optional<int> m_learning;
};
