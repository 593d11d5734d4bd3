// The file list: the files of one directory; every gesture that selects a name raises Click once.
#pragma once

#include <QListWidget>

#include <exception>

namespace platform {

class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    // Starts listing the working directory.
    explicit FileListBox(QWidget *parent = nullptr);

    QString Path() const { return path; }
    // Lists the files of path (absolute, or relative to the one listed). Re-applying the path
    // already shown keeps the selected name and raises nothing. Throws RunTimeError, and changes
    // nothing, when the directory cannot be read.
    void setPath(const QString &path);
    // The selected file's name without its directory, exactly as the file system holds it (see
    // decodeFileName()); empty when none is selected.
    QString FileName() const;
    // Selects the file with exactly this name, as code does: Click is not raised. Returns false,
    // and changes nothing, when no such file is listed.
    bool selectName(const QString &name);

signals:
    // The user selected a name: a press of the left button on it (the one already selected too),
    // or a key that moved the selection (arrows, Home, End, Page Up, Page Down, typing a name).
    void Click();
    // Something other than a run-time error went wrong in one of the list's own event handlers.
    void Fault(std::exception_ptr error);

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
    // The exact name listed in row.
    QString nameAt(int row) const;
    void select(int row);
    // Runs an input handler of the list; raises Click if it selected another name, or if raiseAlways
    // is set and a name is selected.
    template <typename Handler> void handleGesture(Handler &&handler, bool raiseAlways = false);

    QString path;
};

} // namespace platform
