#pragma once

#include <QLabel>

// A label whose text looks equally bold at every size. The CJK faces the
// game falls back on have no bold of their own, and the bold that is made
// up for them vanishes at the large sizes of a full screen; this label
// thickens the regular face's outlines itself, by the same share of the
// size whatever the size. Its text is one line at the top left.
class BoldLabel : public QLabel
{
public:
    explicit BoldLabel(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
