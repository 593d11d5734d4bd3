// The main window's layout, its start-up and its event procedures.
#include "window/frmmain.h"

#include "platform/controls/controlfault.h"
#include "platform/controls/dirlistbox.h"
#include "platform/controls/drivelistbox.h"
#include "platform/controls/filelistbox.h"
#include "platform/controls/picturebox.h"
#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/filename.h"
#include "platform/filesystem/paths.h"
#include "platform/runtime/faultpolicy.h"
#include "screen/screenlayout.h"
#include "window/browser.h"
#include "window/designedlayout.h"
#include "window/errorreport.h"
#include "window/filedrop.h"
#include "window/focusmark.h"
#include "window/menukeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QMenuBar>
#include <QTimer>

#include <exception>
#include <new>

namespace {

constexpr screen::Colour LightGrey = screen::Rgb(220, 220, 220);

} // namespace

frmMain::frmMain()
    : client(new QWidget)
    , pb(new platform::PictureBox(screen::ScreenWidth, screen::ScreenHeight, client))
    , frameNavigator(new QGroupBox(QStringLiteral("Навигатор"), client))
    , Drive1(new platform::DriveListBox(frameNavigator))
    , Dir1(new platform::DirListBox(Drive1->Drive(), frameNavigator))
    , File1(new platform::FileListBox(frameNavigator))
    , file(menuBar()->addMenu(QStringLiteral("file")))
    , open(file->addAction(QStringLiteral("open")))
    , scaling(client, designed::ClientSize)
    , render(*pb, runtime)
{
    setWindowTitle(QStringLiteral("Tarnvel"));
    setCentralWidget(client);
    client->setMinimumSize(designed::ClientSize);
    client->setAutoFillBackground(true);
    // The window opens at the smallest scale at which the picture is at least its designed size
    // in whole device pixels per pixel; resizing it later picks the largest that fits.
    scaling.sizeForStart(menuBar()->sizeHint().height());
    client->installEventFilter(this);

    client->setObjectName(QStringLiteral("client"));
    pb->setObjectName(QStringLiteral("pb"));
    frameNavigator->setObjectName(QStringLiteral("frameNavigator"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));
    file->setObjectName(QStringLiteral("file"));
    open->setObjectName(QStringLiteral("open"));

    scaling.addPicture(pb, designed::PictureRect);
    scaling.add(frameNavigator, designed::NavigatorRect);
    // The panel lies in front of the picture. It is shown from the start, so that a first-time
    // user finds the files at once instead of an empty grey area.
    frameNavigator->raise();
    frameNavigator->setAutoFillBackground(true); // opaque, so the picture drawn beneath does not show through
    scaling.add(Drive1, designed::DriveListRect);
    scaling.add(Dir1, designed::DirListRect);
    scaling.add(File1, designed::FileListRect);
    scaling.apply();

    pb->setAccessibleName(tr("Picture"));
    pb->setAccessibleDescription(tr("No screen shown yet. Choose one in the navigator."));
    frameNavigator->setAccessibleDescription(tr("Choose a drive, a directory and a screen file to show."));

    setTabOrder(pb, frameNavigator);
    setTabOrder(frameNavigator, Drive1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);

    // With the panel hidden, keys and the wheel over the picture step through the file list.
    new Browser(File1, frameNavigator, this, pb);
    new MenuKeys(this, menuBar(), file);
    for (QWidget *control : std::initializer_list<QWidget *> { pb, Drive1, Dir1, File1 })
        new FocusMark(control); // every control the keyboard reaches shows when it has it
    auto *drop = new FileDrop(this, Drive1, Dir1, File1);
    pb->drawBeforeEventsOf(runtime);

    connect(open, &QAction::triggered, this, &frmMain::open_Click);
    connect(Drive1, &platform::DriveListBox::Change, this, &frmMain::Drive1_Change);
    connect(Dir1, &platform::DirListBox::Change, this, &frmMain::Dir1_Change);
    // A folder that cannot be opened is reported like a file that cannot, and the program goes on.
    connect(Dir1, &platform::DirListBox::OpenFailed, this, [this](const platform::RunTimeError &error) { showErrorReport(this, error); });
    connect(File1, &platform::FileListBox::Click, this, &frmMain::File1_Click);
    connect(drop, &FileDrop::Chosen, this, &frmMain::File1_Click);
    connect(drop, &FileDrop::Opened, this, &frmMain::open_Click);

    focusNavigator();
}

void frmMain::setBackColor(screen::Colour colour)
{
    backColour = colour;
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(screen::opaquePixelOf(colour)));
    client->setPalette(palette);
}

void frmMain::Form_Load()
{
    setBackColor(LightGrey);
    pb->setBackColor(LightGrey);
}

void frmMain::open_Click()
{
    frameNavigator->setVisible(true);
    focusNavigator();
}

void frmMain::focusNavigator()
{
    // A keyboard user starts where the choice is made: the file list, or the directory list
    // when there are no files to choose.
    (File1->count() > 0 ? static_cast<QWidget *>(File1) : Dir1)->setFocus(Qt::OtherFocusReason);
}

template <typename Handler, typename OnError> void frmMain::handle(Handler &&handler, OnError &&onError)
{
    platform::runHandler(std::forward<Handler>(handler), std::forward<OnError>(onError),
                         [this](std::exception_ptr fault) { endWithFault(fault); });
}

void frmMain::Drive1_Change()
{
    // A drive that cannot be entered leaves both lists where they were.
    handle([this] { Dir1->setPath(Drive1->Drive()); }, [](const platform::RunTimeError &) {});
}

void frmMain::Dir1_Change()
{
    // A directory that cannot be read leaves the file list where it was.
    handle([this] { File1->setPath(Dir1->Path()); }, [](const platform::RunTimeError &) {});
}

void frmMain::File1_Click()
{
    // A failure about the chosen file is reported and the program goes on; any other ends it.
    handle([this] {
        if (!composeFilePath())
            return;
        // A selection during a render is drawn once the running render has stopped and closed its
        // file; the click that started that render does it, so renders never nest.
        if (render.isRunning()) {
            render.requestStop();
            return;
        }
        screen::ScreenRenderer::Outcome outcome;
        do {
            if (!openScreenFile())
                return;
            ScaledLayout::hide(frameNavigator);
            describePicture(tr("Being drawn: %1"));
            outcome = render.ShowScreen();
            describePicture(tr("Shows %1"));
        } while (outcome == screen::ScreenRenderer::Outcome::Stopped && !closing);
    }, [this](const platform::RunTimeError &error) {
        // A read failed; the render has closed the file and the picture stays as far as it got.
        describePicture(tr("Shows %1 as far as it could be read"));
        showErrorReport(this, error);
    });
}

void frmMain::describePicture(const QString &pattern)
{
    pb->setAccessibleDescription(pattern.arg(platform::displayFileName(filePath.section(QLatin1Char('/'), -1))));
}

bool frmMain::composeFilePath()
{
    // The name the user selected. Re-reading the directory keeps it selected unless the file has
    // gone meanwhile; then opening it reports that it is not found.
    const QString chosen = File1->FileName();
    try {
        File1->setPath(Dir1->Path());
    } catch (const platform::RunTimeError &error) {
        showErrorReport(this, error);
        return false;
    }
    dirPath = Dir1->Path();
    filePath = platform::joinPath(dirPath, chosen); // a root already ends in its separator
    return true;
}

bool frmMain::openScreenFile()
{
    try {
        runtime.files().open(screen::ScreenFileNumber, platform::encodeFileName(filePath).toStdString());
        return true;
    } catch (const platform::RunTimeError &error) {
        runtime.closeAll();
        showErrorReport(this, error);
        return false;
    }
}

void frmMain::endWithFault(std::exception_ptr fault)
{
    try {
        std::rethrow_exception(fault);
    } catch (const platform::RunTimeError &error) {
        endWithError(error);
    } catch (const std::bad_alloc &) {
        endWithError(platform::RunTimeError(platform::RunTimeError::OutOfMemory));
    } catch (const std::exception &unexpected) {
        endWithError(platform::RunTimeError(platform::RunTimeError::InternalError, {}, unexpected.what()));
    } catch (...) {
        endWithError(platform::RunTimeError(platform::RunTimeError::InternalError));
    }
}

void frmMain::endWithError(const platform::RunTimeError &error)
{
    closing = true;
    render.requestStop(); // in case this click came during a render
    runtime.closeAll();
    showErrorReport(this, error);
    QCoreApplication::exit(EXIT_FAILURE);
}

bool frmMain::event(QEvent *event)
{
    // A control's own handler failed in a way no choice of the user's explains.
    if (event->type() == platform::ControlFault::eventType()) {
        endWithFault(static_cast<platform::ControlFault *>(event)->fault());
        return true;
    }
    return QMainWindow::event(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // The installed icon when the desktop's theme has it, else the one built into the program.
    // Looking it up in the theme takes a good part of start-up, so it waits for the first frame.
    if (watched == client && event->type() == QEvent::Paint && windowIcon().isNull()) {
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(QIcon::fromTheme(QStringLiteral("tarnvel"), QIcon(QStringLiteral(":/icons/tarnvel.svg"))));
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (render.isRunning()) {
        closing = true;
        render.requestStop();
    }
    event->accept();
}
