#pragma once

#include "grades/stepbystep.h"

#include <QObject>

#include <memory>
#include <optional>

class HistoryStore;

// Which grade the next game plays: the one asked for on the command line,
// else the current player's, chosen in the parents' corner. Kept up to
// date from the history, whose answers it never waits for; the child's
// history is weighed on the history's own thread.
class GradeSelection : public QObject
{
    Q_OBJECT

public:
    GradeSelection(HistoryStore &history, std::optional<int> asked);

    std::unique_ptr<Grade> forNewGame() const;

private:
    void refresh();
    void refreshed();

    HistoryStore &m_history;
    const std::optional<int> m_asked;
    int m_playersGrade = Grade::First;
    std::shared_ptr<const StepByStep> m_stepByStep;
    bool m_refreshing = false;
    bool m_changedMeanwhile = false;
};
