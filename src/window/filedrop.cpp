// Dropped files and directories, turned into the navigator's own moves.
#include "window/filedrop.h"

#include "platform/controls/controlfault.h"
#include "platform/controls/dirlistbox.h"
#include "platform/controls/drivelistbox.h"
#include "platform/controls/filelistbox.h"
#include "platform/filesystem/paths.h"
#include "platform/runtime/faultpolicy.h"
#include "window/errorreport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

FileDrop::FileDrop(QWidget *window, platform::DriveListBox *drives, platform::DirListBox *directories, platform::FileListBox *files)
    : QObject(window)
    , window(window)
    , drives(drives)
    , directories(directories)
    , files(files)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Only local files and directories are taken; anything else (text, remote addresses) is
        // refused, and the cursor says so.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!platform::firstLocalPath(drag->mimeData()->urls()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = platform::firstLocalPath(drop->mimeData()->urls());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            dropped(path);
        }
        return true;
    }
    default:
        return false;
    }
}

void FileDrop::dropped(const QString &path)
{
    platform::runHandler([&] {
        if (platform::isDirectory(path)) {
            navigateTo(path);
            emit Opened();
            return;
        }
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        navigateTo(slash == 0 ? QStringLiteral("/") : path.left(slash));
        // The rest of a large directory may still be being read: the file is chosen once it is listed.
        files->whenListed([this, name = path.mid(slash + 1)] {
            if (files->selectName(name))
                emit Chosen();
            else
                emit Opened();
        });
    }, [this](const platform::RunTimeError &error) {
        // The directory cannot be entered: the lists stay where they are, and the report says why.
        showErrorReport(window, error);
    }, [this](std::exception_ptr fault) { platform::ControlFault::send(*window, fault); });
}

void FileDrop::navigateTo(const QString &directory)
{
    drives->selectDriveHolding(directory); // the drive list's Change moves the other lists to that drive
    directories->setPath(directory);       // the directory list's Change moves the file list there
    files->setPath(directory);             // and re-reads it when the directory was already shown
}
