// The directory chain: rows, paths and depths from one directory and its subdirectories.
#include "platform/controls/directorychainmodel.h"

#include "platform/controls/indentdelegate.h"
#include "platform/filesystem/paths.h"

#include <algorithm>
#include <utility>

namespace platform {

void DirectoryChainModel::setChain(const QString &top, const QString &path, const QStringList &subdirectories)
{
    QStringList names { top };
    QStringList fullPaths { top };
    const QStringList below = path.mid(top.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &name : below) {
        names.append(name);
        fullPaths.append(joinPath(fullPaths.last(), name));
    }
    chain = int(names.size());
    for (const QString &name : subdirectories) {
        names.append(name);
        fullPaths.append(joinPath(path, name));
    }
    paths = std::move(fullPaths);
    setNames(std::move(names));
}

void DirectoryChainModel::setFolderIcons(const QIcon &open, const QIcon &closed)
{
    openFolder = open;
    closedFolder = closed;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DecorationRole });
}

QVariant DirectoryChainModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    // Each entry's depth is drawn as an indent and told to assistive technology as a level.
    const int depth = std::min(index.row(), chain);
    switch (role) {
    case Qt::DecorationRole:
        return index.row() < chain ? openFolder : closedFolder;
    case IndentDelegate::DepthRole:
        return depth;
    case Qt::AccessibleDescriptionRole:
        return tr("Level %1").arg(depth + 1);
    case PathRole:
        return paths[index.row()];
    default:
        return NameListModel::data(index, role);
    }
}

} // namespace platform
