// The drive list: a drop-down of the browsable drives; choosing one raises Change.
#pragma once

#include "platform/drive.h"

#include <QComboBox>

namespace platform {

class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    // Lists this machine's drives with the one holding the working directory selected.
    explicit DriveListBox(QWidget *parent = nullptr);

    // Lists these drives instead and selects the one at index, without raising Change.
    void setDrives(const QList<platform::Drive> &drives, int selected);
    const QList<platform::Drive> &drives() const { return driveList; }

    // The selected drive; an empty one when the list is empty.
    platform::Drive Drive() const;

signals:
    // The selected drive changed, by the user or by code.
    void Change();

private:
    QList<platform::Drive> driveList;
};

} // namespace platform
