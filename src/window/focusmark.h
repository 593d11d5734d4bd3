// Shows which control has the keyboard: a ring in the highlight colour around it.
#pragma once

#include <QWidget>

class FocusMark : public QWidget
{
    Q_OBJECT

public:
    // Marks control while it has the keyboard focus. The mark lies just outside the control, in
    // its parent and behind it, so it never covers the control or anything in front of it.
    explicit FocusMark(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *control;
};
