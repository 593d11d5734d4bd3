// The drive list.
#include "platform/drivelistbox.h"

#include <QDir>
#include <QSignalBlocker>

#include <algorithm>

namespace platform {

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    setSource([] { return systemDrives(QDir::currentPath()); });
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Change);
}

void DriveListBox::setSource(Source newSource)
{
    source = std::move(newSource);
    const QList<platform::Drive> found = source();
    fill(found, driveHolding(found, QDir::currentPath()));
}

void DriveListBox::refresh()
{
    QList<platform::Drive> found = source();
    const platform::Drive selected = Drive();
    if (selected.root.isEmpty()) {
        fill(found, -1);
        return;
    }
    auto same = std::find_if(found.begin(), found.end(), [&selected](const platform::Drive &d) { return d.root == selected.root; });
    if (same == found.end()) {
        found.append(selected);
        std::sort(found.begin(), found.end(), [](const platform::Drive &a, const platform::Drive &b) { return a.root < b.root; });
        same = std::find_if(found.begin(), found.end(), [&selected](const platform::Drive &d) { return d.root == selected.root; });
    }
    fill(found, static_cast<int>(same - found.begin()));
}

void DriveListBox::fill(const QList<platform::Drive> &drives, int selected)
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

void DriveListBox::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

} // namespace platform
