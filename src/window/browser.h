// Flipping through a directory of screens while the picture is shown: keys and the mouse wheel
// move the file list's selection, which draws the newly chosen screen as any choice does.
#pragma once

#include "platform/controls/filelistbox.h"

#include <QObject>

class QKeyEvent;
class QWheelEvent;
class QWidget;

class Browser : public QObject
{
    Q_OBJECT

public:
    // Listens to the keys that reach window and to the wheel over picture, while navigator is hidden.
    Browser(platform::FileListBox *files, QWidget *navigator, QWidget *window, QWidget *picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeKeyboard();
    bool keyPressed(const QKeyEvent *event);
    void wheelTurned(const QWheelEvent *event);

    platform::FileListBox *files;
    QWidget *navigator;
    QWidget *window;
    QWidget *picture;
    int wheelTurn = 0; // eighths of a degree turned since the last step, toward the next file when negative
};
