#include "grades/gradeselection.h"

#include "history/historystore.h"
#include "history/whenanswered.h"

#include <utility>

GradeSelection::GradeSelection(HistoryStore &history, std::optional<int> asked)
    : m_history(history)
    , m_asked(asked)
    , m_stepByStep(std::make_shared<StepByStep>(std::vector<History::FirstTry>{}))
{
    connect(&history, &HistoryStore::playersChanged, this, &GradeSelection::refresh);
    connect(&history, &HistoryStore::historyChanged, this, &GradeSelection::refresh);
    // Nothing to ask before the history says its players changed, once it is open.
}

std::unique_ptr<Grade> GradeSelection::forNewGame() const
{
    const int grade = m_asked.value_or(m_playersGrade);
    if (grade == Grade::Last)
        return std::make_unique<StepByStep>(*m_stepByStep);
    return Grade::make(grade, {});
}

void GradeSelection::refresh()
{
    if (m_refreshing) {
        m_changedMeanwhile = true;
        return;
    }
    m_refreshing = true;
    whenAnswered(m_history.currentPlayer(), this, [this](const std::optional<History::Player> &player) {
        m_playersGrade = player && Grade::exists(player->grade) ? player->grade : Grade::First;
        // Only the last grade weighs the child's history, a long one at that.
        if (!player || m_asked.value_or(m_playersGrade) != Grade::Last) {
            m_stepByStep = std::make_shared<StepByStep>(std::vector<History::FirstTry>{});
            refreshed();
            return;
        }
        // Weighed on the history's thread, where the answer comes.
        QFuture<std::shared_ptr<const StepByStep>> weighed
            = m_history.firstTries(player->id).then([](const std::vector<History::FirstTry> &history) {
                  return std::shared_ptr<const StepByStep>(std::make_shared<StepByStep>(history));
              });
        whenAnswered(std::move(weighed), this, [this](const std::shared_ptr<const StepByStep> &stepByStep) {
            m_stepByStep = stepByStep;
            refreshed();
        });
    });
}

void GradeSelection::refreshed()
{
    m_refreshing = false;
    if (std::exchange(m_changedMeanwhile, false))
        refresh();
}
