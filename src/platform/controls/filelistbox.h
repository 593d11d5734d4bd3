// The file list: the files of one directory; every gesture that selects a name raises Click once.
#pragma once

#include "platform/filesystem/directoryreader.h"

#include <QListView>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

class BackgroundListing;
class NameListModel;

class FileListBox : public QListView
{
    Q_OBJECT

public:
    // Starts listing the working directory.
    explicit FileListBox(QWidget *parent = nullptr);
    ~FileListBox() override;

    QString Path() const { return path; }
    // Lists the files of path (absolute, or relative to the one listed). Re-applying the path
    // already shown keeps the selected name and raises nothing. Throws RunTimeError, and changes
    // nothing, when the directory cannot be read. A large directory is listed at once only up to
    // its start: the rest is read in the background, and the list fills when all of it is read
    // (until then a new directory shows an empty list, the same one its old names). A reading
    // that fails on the way leaves the list as it was before, as a failure at the start would.
    void setPath(const QString &path);
    // Runs then once the list shows all of its directory: now, or when the background reading is
    // done. Dropped if another path is set first, or if the reading fails.
    void whenListed(std::function<void()> then);
    // The selected file's name without its directory, exactly as the file system holds it (see
    // decodeFileName()); empty when none is selected.
    QString FileName() const;
    // How many files are listed.
    int count() const;
    // Selects the file with exactly this name, as code does: Click is not raised. Returns false,
    // and changes nothing, when no such file is listed. A lookup, however many files there are.
    bool selectName(const QString &name);

    // Where a browsing step moves the selection.
    enum class Step { Next, Previous, First, Last };
    // Moves the selection as the user's own keys in the list would, by this many names for Next and
    // Previous, and raises Click once when that selected another name. It stops at either end of
    // the list; with nothing selected, Next and First select the first name, Previous and Last the last.
    void browse(Step step, int names = 1);

signals:
    // The user selected a name: a press of the left button on it (the one already selected too),
    // or a key that moved the selection (arrows, Home, End, Page Up, Page Down, typing a name).
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // A list with a selection keeps one: Ctrl+click or Ctrl+Space never deselect the selected name.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event = nullptr) const override;

private:
    int selectedRow() const;
    void select(int row);
    // Runs an input handler of the list; raises Click if it selected another name, or if raiseAlways
    // is set and a name is selected.
    template <typename Handler> void handleGesture(Handler &&handler, bool raiseAlways = false);
    // Shows the listed files, keeping the selected name if keepSelection is set.
    void showListing(const DirectoryListing &listing, bool keepSelection);
    // What the list showed before a path was set.
    struct Shown
    {
        QString path;
        QStringList names;
        QString selected;
    };
    // Reads the rest of the directory in the background, then shows it; when that fails, the
    // list shows again what it showed before.
    void readOn(std::shared_ptr<DirectoryReader> reader, Shown before);

    NameListModel *names; // a child of the list
    QString path;
    // The background reading of a large directory, while it runs.
    QPointer<BackgroundListing> reading;
    std::vector<std::function<void()>> afterListing;
};

} // namespace platform
