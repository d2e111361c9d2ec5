#pragma once

#include "history/historytypes.h"

#include <QDialog>

class QLabel;

#include <optional>
#include <vector>

// "Who is playing?": the family's pictures, big enough for a small finger.
// The player of last time is chosen in advance, so Enter plays as them.
class PlayerPicker : public QDialog
{
    Q_OBJECT

public:
    PlayerPicker(const std::vector<History::Player> &players, std::int64_t lastPlayer, QWidget *parent);

    // Set once a picture was chosen.
    const std::optional<History::Player> &chosen() const { return m_chosen; }

protected:
    // Enter plays as the player whose picture has the focus.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_question = nullptr;
    std::optional<History::Player> m_chosen;
};
