#pragma once

#include <QDialog>

class QTabWidget;

// Where a parent sees how each child is counting and sets the game up:
// a page per player, the family's players and the settings.
class ParentsCorner : public QDialog
{
    Q_OBJECT

public:
    explicit ParentsCorner(QWidget *gameWindow);

private:
    QTabWidget *m_pages = nullptr;
};
