// The directory list: a click only highlights an entry, so that browsing the tree moves nothing
// else; a double-click or Enter opens it.
#include "platform/controls/dirlistbox.h"

#include "platform/filesystem/directoryreader.h"
#include "platform/controls/controlfault.h"
#include "platform/controls/indentdelegate.h"
#include "platform/filesystem/filename.h"
#include "platform/filesystem/paths.h"
#include "platform/runtime/faultpolicy.h"
#include "platform/runtime/runtimeerror.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

namespace platform {

namespace {

// The top of every chain that lies outside the drive shown.
const QString TopRoot = QStringLiteral("/");

// The directories from root down to path, root first.
QStringList chain(const QString &root, const QString &path)
{
    QStringList directories { root };
    const QStringList below = path.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString step = root;
    for (const QString &name : below) {
        step = joinPath(step, name);
        directories.append(step);
    }
    return directories;
}

} // namespace

DirListBox::DirListBox(const platform::MountedDrive &start, QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    // Finding the folder icons in the desktop's icon theme takes a good part of start-up, so the
    // entries start with blank icons of the same size (the names do not move when the icons come)
    // and get the folders once the list has first been painted.
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    QPixmap blank(iconSize, iconSize);
    blank.fill(Qt::transparent);
    openFolder = closedFolder = QIcon(blank);
    setAccessibleName(QStringLiteral("Directories"));
    setAccessibleDescription(QStringLiteral("The path down to the current directory, then its subdirectories. "
                                            "Double-click a directory or press Enter to open it."));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::openItem);
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

void DirListBox::enter(const QString &newPath, const QString &newRoot)
{
    const DirectoryListing listing = readDirectory(newPath, DirectoryReader::Wanted::SubdirectoriesOnly); // throws before anything changes
    const bool changed = newPath != path;
    path = newPath;
    root = newRoot;

    clear();
    const QStringList above = chain(root, path);
    chainLength = static_cast<int>(above.size());
    // Each entry carries its depth: drawn as an indent, and told to assistive technology as a level.
    const auto add = [this](const QIcon &icon, const QString &name, const QString &fullPath, qsizetype depth) {
        auto *item = new QListWidgetItem(icon, displayFileName(name), this);
        item->setData(Qt::UserRole, fullPath);
        item->setData(IndentDelegate::DepthRole, int(depth));
        item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("Level %1").arg(depth + 1));
    };
    for (qsizetype depth = 0; depth < above.size(); ++depth)
        add(openFolder, depth == 0 ? root : above[depth].section(QLatin1Char('/'), -1), above[depth], depth);
    for (const QString &name : listing.subdirectories)
        add(closedFolder, name, joinPath(path, name), above.size());
    setCurrentRow(static_cast<int>(above.size()) - 1);

    if (changed)
        emit Change();
}

void DirListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!folderIconsAsked) {
        folderIconsAsked = true;
        QTimer::singleShot(0, this, &DirListBox::showFolderIcons);
    }
}

void DirListBox::showFolderIcons()
{
    openFolder = style()->standardIcon(QStyle::SP_DirOpenIcon);
    closedFolder = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int row = 0; row < count(); ++row)
        item(row)->setIcon(row < chainLength ? openFolder : closedFolder);
}

void DirListBox::openItem(QListWidgetItem *item)
{
    if (!item)
        return;
    runHandler([&] { setPath(item->data(Qt::UserRole).toString()); },
               // The directory cannot be entered; the list stays where it was.
               [this](const RunTimeError &error) { emit OpenFailed(error); },
               [this](std::exception_ptr fault) { ControlFault::send(*this, fault); });
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace platform
