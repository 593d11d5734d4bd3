// Files and directories dropped on the window: a file is chosen as in the navigator, a directory opened in it.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace platform {
class DirListBox;
class DriveListBox;
class FileListBox;
} // namespace platform

class FileDrop : public QObject
{
    Q_OBJECT

public:
    // Takes the drags and drops that reach window, and moves the navigator's three lists.
    FileDrop(QWidget *window, platform::DriveListBox *drives, platform::DirListBox *directories, platform::FileListBox *files);

signals:
    // The dropped file is selected in the file list, to be drawn as a click on it is.
    void Chosen();
    // The lists show a dropped directory, or the directory of a dropped file they do not list
    // (hidden, or gone): the navigator is to be shown there.
    void Opened();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dropped(const QString &path);
    // Moves the three lists to directory, as a user choosing its drive and then opening it does.
    void navigateTo(const QString &directory);

    QWidget *window;
    platform::DriveListBox *drives;
    platform::DirListBox *directories;
    platform::FileListBox *files;
};
