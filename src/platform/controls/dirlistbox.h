// The directory list: the chain from the drive's root down to the current directory, then its subdirectories.
#pragma once

#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/mounts.h"

#include <QListView>
#include <QPointer>


namespace platform {

class BackgroundListing;
class DirectoryChainModel;

class DirListBox : public QListView
{
    Q_OBJECT

public:
    // Starts at the drive's current directory, with the drive's mount point at the top of the chain;
    // with no drive, at the working directory with the chain from "/".
    explicit DirListBox(const platform::MountedDrive &start = {}, QWidget *parent = nullptr);
    ~DirListBox() override;

    QString Path() const { return path; }
    // How many directories are listed, and the row of the current one (-1 when none is).
    int count() const;
    int currentRow() const { return currentIndex().row(); }
    // Makes path (absolute, or relative to the current one) the current directory and raises
    // Change if it differs from the old one. Of a directory of more than a few thousand entries
    // the chain shows at once and the subdirectories once the rest is read in the background. A
    // path outside the drive shown is shown with the chain from "/". Throws RunTimeError, and
    // changes nothing, when the directory cannot be read.
    void setPath(const QString &path);
    // Goes to the drive's current directory, with the drive's mount point at the top of the chain.
    void setPath(const platform::MountedDrive &drive);

signals:
    // The current directory changed, by the user or by code.
    void Change();
    // The user opened a directory that cannot be entered, and the list stays where it was; or the
    // rest of a large directory failed to be read, and the list went back to where it was.
    void OpenFailed(const platform::RunTimeError &error);

protected:
    // Enter opens the highlighted directory, as a double-click does.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void enter(const QString &newPath, const QString &newRoot);
    void openItem(const QModelIndex &index);
    // Makes row the highlighted entry.
    void highlight(int row);

    DirectoryChainModel *entries; // a child of the list
    QPointer<BackgroundListing> reading; // the subdirectories of a large directory, while they are read
    QString path;
    QString root;
    bool folderIconsAsked = false;
};

} // namespace platform
