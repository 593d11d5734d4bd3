// The file list. Click is raised by the list's own input handlers, never from inside Qt's
// selection machinery, so that each gesture raises it exactly once and re-listing raises nothing.
#include "platform/controls/filelistbox.h"

#include "platform/controls/controlfault.h"
#include "platform/controls/namelistmodel.h"
#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/backgroundlisting.h"
#include "platform/filesystem/directoryreader.h"
#include "platform/filesystem/paths.h"
#include "platform/runtime/faultpolicy.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace platform {

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , names(new NameListModel(this))
{
    setModel(names);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every name takes one line: the view need not measure 100,000 of them.
    setUniformItemSizes(true);
    // The view lays out a large directory a batch at a time between events, so the window keeps
    // answering while it fills.
    setLayoutMode(QListView::Batched);
    setAccessibleName(tr("Files"));
    setAccessibleDescription(tr("The files of the current directory. Choosing one shows it."));
    try {
        setPath(workingDirectory());
    } catch (const RunTimeError &) {
        // An unreadable working directory leaves the list empty until a directory is chosen.
    }
}

FileListBox::~FileListBox()
{
    BackgroundListing::stop(reading);
}

void FileListBox::setPath(const QString &newPath)
{
    const QString absolute = absolutePath(path.isEmpty() ? workingDirectory() : path, newPath);
    auto reader = std::make_shared<DirectoryReader>(absolute);
    const bool finished = reader->read(BackgroundListing::ListedAtOnce); // throws before anything changes
    const bool same = absolute == path;
    Shown before { path, names->names(), FileName() };
    path = absolute;
    BackgroundListing::stop(reading);
    afterListing.clear();
    if (finished) {
        showListing(reader->take(), same);
        return;
    }
    if (!same)
        names->setNames({}); // no names of the directory left
    readOn(std::move(reader), std::move(before));
}

void FileListBox::readOn(std::shared_ptr<DirectoryReader> reader, Shown before)
{
    reading = new BackgroundListing(std::move(reader), [this](DirectoryListing listing) {
        reading = nullptr;
        showListing(listing, true);
        for (const std::function<void()> &then : std::exchange(afterListing, {}))
            then();
    }, [this, before = std::move(before)](std::exception_ptr failure) {
        reading = nullptr;
        afterListing.clear(); // what waited for this directory's names waits for nothing now
        runHandler([&] { std::rethrow_exception(failure); },
                   // As when a small directory cannot be read: the list shows what it showed before.
                   [&](const RunTimeError &) {
                       path = before.path;
                       names->setNames(before.names);
                       select(names->rowOf(before.selected));
                   },
                   [this](std::exception_ptr fault) { ControlFault::send(*this, fault); });
    }, this);
}

void FileListBox::whenListed(std::function<void()> then)
{
    if (reading)
        afterListing.push_back(std::move(then));
    else
        then();
}

void FileListBox::showListing(const DirectoryListing &listing, bool keepSelection)
{
    const QString kept = keepSelection ? FileName() : QString();
    names->setNames(listing.files); // one reset: a directory of 100,000 files lists at once
    if (!kept.isEmpty())
        select(names->rowOf(kept));
}

QString FileListBox::FileName() const
{
    return names->nameAt(selectedRow());
}

int FileListBox::count() const
{
    return names->rowCount();
}

bool FileListBox::selectName(const QString &name)
{
    const int row = names->rowOf(name);
    if (row < 0)
        return false;
    select(row);
    return true;
}

void FileListBox::browse(Step step, int names)
{
    handleGesture([&] {
        const int last = count() - 1;
        const int row = selectedRow();
        switch (step) {
        case Step::Next:
            select(row < 0 ? 0 : std::min(row + names, last));
            break;
        case Step::Previous:
            select(row < 0 ? last : std::max(row - names, 0));
            break;
        case Step::First:
            select(0);
            break;
        case Step::Last:
            select(last);
            break;
        }
    });
}

int FileListBox::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void FileListBox::select(int row)
{
    if (row < 0 || row >= count())
        return;
    const QModelIndex index = names->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

template <typename Handler> void FileListBox::handleGesture(Handler &&handler, bool raiseAlways)
{
    try {
        const int before = selectedRow();
        handler();
        const int after = selectedRow();
        if (after >= 0 && (after != before || raiseAlways))
            emit Click();
    } catch (...) { // a gesture fails only by a fault: the list reads nothing the user chose
        ControlFault::send(*this, std::current_exception());
    }
}

void FileListBox::mousePressEvent(QMouseEvent *event)
{
    // Only the left button chooses: a right or middle press leaves the selection where it is.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool onName = indexAt(event->position().toPoint()).isValid();
    handleGesture([&] { QListView::mousePressEvent(event); }, onName);
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click on the selected name chose nothing new; on another
    // name (the pointer moved between the presses) it is a press like any other.
    const QModelIndex under = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && under.isValid() && under.row() != selectedRow())
        mousePressEvent(event);
    else
        event->accept();
}

void FileListBox::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging with a button held does not sweep the selection across names.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListView::mouseMoveEvent(event);
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    handleGesture([&] {
        if (selectedRow() < 0 && count() > 0) {
            // With nothing selected, the first move selects the first name, or the last going up.
            switch (event->key()) {
            case Qt::Key_Down:
            case Qt::Key_Home:
            case Qt::Key_PageDown:
                select(0);
                return;
            case Qt::Key_Up:
            case Qt::Key_End:
            case Qt::Key_PageUp:
                select(count() - 1);
                return;
            default:
                break;
            }
        }
        QListView::keyPressEvent(event);
    });
}

void FileListBox::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    // The current row is the selected one, in view; with nothing selected no row is current,
    // so that no unselected row looks like the place the keys start from.
    const int row = selectedRow();
    if (row >= 0) {
        selectionModel()->setCurrentIndex(names->index(row), QItemSelectionModel::NoUpdate);
        scrollTo(names->index(row));
    } else {
        selectionModel()->clearCurrentIndex();
    }
}

QItemSelectionModel::SelectionFlags FileListBox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (command & (QItemSelectionModel::Toggle | QItemSelectionModel::Deselect))
        return QItemSelectionModel::ClearAndSelect;
    return command;
}

} // namespace platform
