// The name model: rows of exact names, with their shown text made only for the rows a view asks for.
#include "platform/controls/namelistmodel.h"

#include "platform/filesystem/filename.h"

#include <utility>

namespace platform {

void NameListModel::setNames(QStringList names)
{
    beginResetModel();
    listed = std::move(names);
    rows.clear();
    endResetModel();
}

int NameListModel::rowOf(const QString &name) const
{
    if (rows.isEmpty() && !listed.isEmpty()) {
        rows.reserve(listed.size());
        for (int row = 0; row < listed.size(); ++row)
            rows.insert(listed[row], row);
    }
    return rows.value(name, -1);
}

int NameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(listed.size());
}

QVariant NameListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayFileName(listed[index.row()]);
    case ExactNameRole:
        return listed[index.row()];
    default:
        return {};
    }
}

} // namespace platform
