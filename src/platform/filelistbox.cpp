// The file list.
#include "platform/filelistbox.h"

#include "platform/directory.h"
#include "platform/runtimeerror.h"

#include <QDir>
#include <QKeyEvent>

namespace platform {

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QAbstractItemView::clicked, this, &FileListBox::Click);
    try {
        setPath(QDir::currentPath());
    } catch (const RunTimeError &) {
        // An unreadable working directory leaves the list empty until a directory is chosen.
    }
}

void FileListBox::setPath(const QString &newPath)
{
    const QString absolute = QDir::cleanPath(QDir(path.isEmpty() ? QDir::currentPath() : path).absoluteFilePath(newPath));
    const DirectoryListing listing = readDirectory(absolute); // throws before anything changes
    const QString kept = absolute == path ? FileName() : QString();
    path = absolute;

    clear();
    addItems(listing.files);
    const int row = kept.isEmpty() ? -1 : static_cast<int>(listing.files.indexOf(kept));
    if (row >= 0)
        setCurrentRow(row);
}

QString FileListBox::FileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && !FileName().isEmpty())
        emit Click();
}

} // namespace platform
