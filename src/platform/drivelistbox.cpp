// The drive list.
#include "platform/drivelistbox.h"

#include <QDir>
#include <QSignalBlocker>

namespace platform {

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    const QString workingDirectory = QDir::currentPath();
    const QList<platform::Drive> found = systemDrives(workingDirectory);
    setDrives(found, driveHolding(found, workingDirectory));
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Change);
}

void DriveListBox::setDrives(const QList<platform::Drive> &drives, int selected)
{
    const QSignalBlocker quiet(this);
    driveList = drives;
    clear();
    for (const platform::Drive &drive : driveList)
        addItem(drive.displayText());
    setCurrentIndex(selected);
}

platform::Drive DriveListBox::Drive() const
{
    const int index = currentIndex();
    return index >= 0 && index < driveList.size() ? driveList[index] : platform::Drive {};
}

} // namespace platform
