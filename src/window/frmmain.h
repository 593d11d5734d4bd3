// The main window: the picture area, the navigator panel with its three lists, and the file menu.
#pragma once

#include "screen/colour.h"
#include "platform/runtime/qtruntime.h"
#include "screen/screenrenderer.h"
#include "window/scaledlayout.h"

#include <QMainWindow>
#include <QString>

#include <exception>

class QAction;
class QGroupBox;
class QMenu;

namespace platform {
class DirListBox;
class DriveListBox;
class FileListBox;
class PictureBox;
class RunTimeError;
} // namespace platform

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain();

    // Sets the light-grey backgrounds; called once before the window is first shown.
    void Form_Load();

    screen::Colour BackColor() const { return backColour; }
    void setBackColor(screen::Colour colour);

protected:
    // Closing during a render stops it at its next yield; the program then ends.
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open_Click();
    void Dir1_Change();
    void Drive1_Change();
    void File1_Click();

    // Re-reads the file list and composes filePath from the directory and the selected name;
    // on failure shows the report and returns false.
    bool composeFilePath();
    // Opens filePath as file number 1; on failure shows the report and returns false.
    bool openScreenFile();
    // Tells assistive technology what the picture shows: pattern with the file's name for %1.
    void describePicture(const QString &pattern);
    // Moves the keyboard focus into the shown panel.
    void focusNavigator();
    // Runs an event procedure: a run-time error goes to onError, any other failure to endWithFault.
    template <typename Handler, typename OnError> void handle(Handler &&handler, OnError &&onError);
    // A failure that is not about the chosen file: the report, then the program ends.
    void endWithFault(std::exception_ptr fault);
    void endWithError(const platform::RunTimeError &error);

    QWidget *client;
    platform::PictureBox *pb;
    QGroupBox *frameNavigator;
    platform::DriveListBox *Drive1;
    platform::DirListBox *Dir1;
    platform::FileListBox *File1;
    QMenu *file;
    QAction *open;

    QString dirPath;  // the directory list's path when the last file was selected
    QString filePath; // the full path of the last file selected

    ScaledLayout scaling;
    platform::QtRunTime runtime;
    screen::ScreenRenderer render;
    screen::Colour backColour = 0;
    bool closing = false;
};
