// The directory list: a click only highlights an entry, so that browsing the tree moves nothing
// else; a double-click or Enter opens it.
#include "platform/controls/dirlistbox.h"

#include "platform/controls/controlfault.h"
#include "platform/controls/directorychainmodel.h"
#include "platform/controls/indentdelegate.h"
#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/backgroundlisting.h"
#include "platform/filesystem/directoryreader.h"
#include "platform/filesystem/paths.h"
#include "platform/runtime/faultpolicy.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace platform {

namespace {

// The top of every chain that lies outside the drive shown.
const QString TopRoot = QStringLiteral("/");

} // namespace

DirListBox::DirListBox(const platform::MountedDrive &start, QWidget *parent)
    : QListView(parent)
    , entries(new DirectoryChainModel(this))
{
    setModel(entries);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    // Finding the folder icons in the desktop's icon theme takes a good part of start-up, so the
    // entries start with blank icons of the same size (the names do not move when the icons come)
    // and get the folders once the list has first been painted.
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    QPixmap blank(iconSize, iconSize);
    blank.fill(Qt::transparent);
    entries->setFolderIcons(QIcon(blank), QIcon(blank));
    setAccessibleName(tr("Directories"));
    setAccessibleDescription(tr("The path down to the current directory, then its subdirectories. "
                                "Double-click a directory or press Enter to open it."));
    connect(this, &QAbstractItemView::doubleClicked, this, &DirListBox::openItem);
    try {
        if (start.root.isEmpty())
            setPath(workingDirectory());
        else
            setPath(start);
    } catch (const RunTimeError &) {
        // An unreadable working directory leaves the list empty until a drive or directory is chosen.
    }
}

void DirListBox::setPath(const QString &newPath)
{
    const QString absolute = absolutePath(path.isEmpty() ? workingDirectory() : path, newPath);
    enter(absolute, !root.isEmpty() && isWithin(absolute, root) ? root : TopRoot);
}

void DirListBox::setPath(const platform::MountedDrive &drive)
{
    if (drive.root.isEmpty())
        throw RunTimeError(RunTimeError::DeviceUnavailable);
    const QString mountPoint = absolutePath(TopRoot, drive.root);
    const QString start = absolutePath(TopRoot, drive.current);
    enter(isWithin(start, mountPoint) ? start : mountPoint, mountPoint);
}

DirListBox::~DirListBox()
{
    BackgroundListing::stop(reading);
}

void DirListBox::enter(const QString &newPath, const QString &newRoot)
{
    auto reader = std::make_shared<DirectoryReader>(newPath, DirectoryReader::Wanted::SubdirectoriesOnly);
    const bool finished = reader->read(BackgroundListing::ListedAtOnce); // throws before anything changes
    const bool changed = newPath != path;
    const QString pathBefore = path, rootBefore = root; // copies: newRoot may be root itself
    path = newPath;
    root = newRoot;
    BackgroundListing::stop(reading);

    // A larger directory shows its chain at once and its subdirectories when the rest is read.
    entries->setChain(root, path, finished ? reader->take().subdirectories : QStringList());
    highlight(entries->chainLength() - 1);
    if (!finished) {
        reading = new BackgroundListing(std::move(reader), [this](DirectoryListing listing) {
            reading = nullptr;
            // The chain is the same, so the highlight stays on its row.
            const int highlighted = std::min(currentRow(), entries->chainLength() - 1);
            entries->setChain(root, path, listing.subdirectories);
            highlight(highlighted < 0 ? entries->chainLength() - 1 : highlighted);
        }, [this, pathBefore, rootBefore](std::exception_ptr failure) {
            reading = nullptr;
            runHandler([&] {
                try {
                    std::rethrow_exception(failure);
                } catch (const RunTimeError &error) {
                    // As when a small directory cannot be entered: reported, and the list goes
                    // back to where it was, the file list following it there.
                    emit OpenFailed(error);
                    if (!pathBefore.isEmpty())
                        enter(pathBefore, rootBefore);
                }
            }, [](const RunTimeError &) {}, // where it was cannot be read either: the chain stays alone
               [this](std::exception_ptr fault) { ControlFault::send(*this, fault); });
        }, this);
    }

    if (changed)
        emit Change();
}

void DirListBox::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (!folderIconsAsked) {
        folderIconsAsked = true;
        // The entries get the style's folder icons in place of the blank ones they start with.
        QTimer::singleShot(0, this, [this] {
            entries->setFolderIcons(style()->standardIcon(QStyle::SP_DirOpenIcon), style()->standardIcon(QStyle::SP_DirClosedIcon));
        });
    }
}

void DirListBox::highlight(int row)
{
    selectionModel()->setCurrentIndex(entries->index(row), QItemSelectionModel::ClearAndSelect);
}

int DirListBox::count() const
{
    return entries->rowCount();
}

void DirListBox::openItem(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    runHandler([&] { setPath(entries->pathAt(index.row())); },
               // The directory cannot be entered; the list stays where it was.
               [this](const RunTimeError &error) { emit OpenFailed(error); },
               [this](std::exception_ptr fault) { ControlFault::send(*this, fault); });
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace platform
