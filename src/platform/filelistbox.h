// The file list: the files of one directory; selecting a name with the mouse or the keyboard raises Click.
#pragma once

#include <QListWidget>

namespace platform {

class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    // Starts listing the working directory.
    explicit FileListBox(QWidget *parent = nullptr);

    QString Path() const { return path; }
    // Lists the files of path. Re-applying the path already shown keeps the selected name.
    // Throws RunTimeError, and changes nothing, when the directory cannot be read.
    void setPath(const QString &path);
    // The selected file's name without its directory; empty when none is selected.
    QString FileName() const;

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString path;
};

} // namespace platform
