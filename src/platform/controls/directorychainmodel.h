// The directory list's rows: the chain from the top directory down to the current one, then the
// current one's subdirectories, each with its full path, depth and folder icon.
#pragma once

#include "platform/controls/namelistmodel.h"

#include <QIcon>

namespace platform {

class DirectoryChainModel : public NameListModel
{
    Q_OBJECT

public:
    // The full path of the row's directory.
    static constexpr int PathRole = Qt::UserRole + 2;

    using NameListModel::NameListModel;

    // Lists the chain from top down to path (top shown whole, the others by name), then
    // subdirectories of path, in one reset.
    void setChain(const QString &top, const QString &path, const QStringList &subdirectories);
    // The rows from the top down to the current directory.
    int chainLength() const { return chain; }
    QString pathAt(int row) const { return row >= 0 && row < paths.size() ? paths[row] : QString(); }
    // The icons of the chain's open folders and of the closed subdirectories.
    void setFolderIcons(const QIcon &open, const QIcon &closed);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList paths;
    int chain = 0;
    QIcon openFolder, closedFolder;
};

} // namespace platform
