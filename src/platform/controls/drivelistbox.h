// The drive list: a drop-down of the browsable drives; choosing one raises Change.
#pragma once

#include "platform/filesystem/mounts.h"

#include <QComboBox>

#include <functional>

namespace platform {

class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    // Where the list's drives come from, sorted by mount point; by default this machine's mounts.
    using Source = std::function<QList<platform::MountedDrive>()>;

    // Lists this machine's drives with the one holding the working directory selected.
    explicit DriveListBox(QWidget *parent = nullptr);

    // Lists the drives of source instead, with the one holding the working directory selected,
    // without raising Change.
    void setSource(Source source);
    // Reads the drives again, so that media mounted meanwhile appear. The selected drive stays
    // selected, and listed even if it has gone; Change is not raised.
    void refresh();

    const QList<platform::MountedDrive> &drives() const { return driveList; }
    // Selects the drive that holds path, raising Change if that is another drive.
    void selectDriveHolding(const QString &path);
    // The selected drive; an empty one when nothing is selected.
    platform::MountedDrive Drive() const;

    // The list is read again each time it drops down.
    void showPopup() override;

signals:
    // The selected drive changed, by the user or by code, or the user chose the selected drive again.
    void Change();

private:
    void fill(const QList<platform::MountedDrive> &drives, int selected);
    void raiseChange();
    void chosen();

    Source source;
    QList<platform::MountedDrive> driveList;
    bool changeRaised = false; // Change was raised since the list last dropped down
};

} // namespace platform
