// The drive list, read again each time it drops down, so that media inserted meanwhile are offered.
#include "platform/controls/drivelistbox.h"

#include "platform/controls/controlfault.h"
#include "platform/filesystem/filename.h"
#include "platform/filesystem/paths.h"

#include <QSignalBlocker>

#include <algorithm>

namespace platform {

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    setAccessibleName(tr("Drives"));
    setAccessibleDescription(tr("The drive whose directories are listed."));
    setSource([] { return systemDrives(workingDirectory()); });
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::raiseChange);
    connect(this, &QComboBox::activated, this, &DriveListBox::chosen);
}

void DriveListBox::raiseChange()
{
    changeRaised = true;
    emit Change();
}

void DriveListBox::chosen()
{
    // Choosing the drive that was already selected changes no index, yet the user asked to go there.
    if (!changeRaised)
        emit Change();
    changeRaised = false;
}

void DriveListBox::selectDriveHolding(const QString &path)
{
    const int holding = driveHolding(driveList, path);
    if (holding >= 0)
        setCurrentIndex(holding);
}

void DriveListBox::setSource(Source newSource)
{
    source = std::move(newSource);
    const QList<platform::MountedDrive> found = source();
    fill(found, driveHolding(found, workingDirectory()));
}

void DriveListBox::refresh()
{
    QList<platform::MountedDrive> found = source();
    const platform::MountedDrive selected = Drive();
    if (selected.root.isEmpty()) {
        fill(found, -1);
        return;
    }
    auto place = std::find_if(found.begin(), found.end(), [&selected](const platform::MountedDrive &d) { return d.root == selected.root; });
    if (place == found.end()) {
        // Gone from the mounts: it stays listed, in its place by mount point, until another is chosen.
        const auto before = [](const platform::MountedDrive &d, const QString &root) { return d.root < root; };
        place = found.insert(std::lower_bound(found.begin(), found.end(), selected.root, before), selected);
    }
    fill(found, static_cast<int>(place - found.begin()));
}

void DriveListBox::fill(const QList<platform::MountedDrive> &drives, int selected)
{
    const QSignalBlocker quiet(this);
    driveList = drives;
    clear();
    for (const platform::MountedDrive &drive : driveList)
        addItem(drive.displayText());
    setCurrentIndex(selected);
}

platform::MountedDrive DriveListBox::Drive() const
{
    const int index = currentIndex();
    return index >= 0 && index < driveList.size() ? driveList[index] : platform::MountedDrive {};
}

void DriveListBox::showPopup()
{
    try {
        refresh();
    } catch (...) { // the drives could not be read, which no user's choice explains
        ControlFault::send(*this, std::current_exception());
        return;
    }
    changeRaised = false;
    QComboBox::showPopup();
}

} // namespace platform
