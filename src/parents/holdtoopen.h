#pragma once

#include <QObject>
#include <QWidget>

class QVariantAnimation;

// Pressing and holding a button for a while does something else than
// clicking it: a ring fills round the button as it is held, and when it
// is full `held` is emitted and the release that follows is no click.
// A shorter press reaches the button untouched.
class HoldToOpen : public QObject
{
    Q_OBJECT

public:
    static constexpr int HoldMs = 2000;

    explicit HoldToOpen(QWidget *button);

    // 0 while not held, up to 1 when full.
    qreal progress() const;

signals:
    void held();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press();
    // True when the release belonged to a completed hold.
    bool release();

    QWidget *m_ring = nullptr;
    QVariantAnimation *m_filling = nullptr;
    bool m_completed = false;
};

// The ring, drawn over the button; the button keeps every press.
class HoldRing : public QWidget
{
    Q_OBJECT

public:
    HoldRing(const HoldToOpen &hold, QWidget *button);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const HoldToOpen &m_hold;
};
