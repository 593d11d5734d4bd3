// The names a list shows, kept exactly as the file system holds them, shown as displayFileName()
// writes them, and found by name in one lookup.
#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

namespace platform {

class NameListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The exact name under this role (the display role shows bytes that are not UTF-8 as \xHH).
    static constexpr int ExactNameRole = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    // Lists names in their order, in one reset of the model.
    void setNames(QStringList names);
    const QStringList &names() const { return listed; }
    QString nameAt(int row) const { return row >= 0 && row < listed.size() ? listed[row] : QString(); }
    // The row that lists exactly this name; -1 when none does.
    int rowOf(const QString &name) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList listed;
    // Each name's row, made at the first lookup after a listing: a list nobody looks up in costs no more.
    mutable QHash<QString, int> rows;
};

} // namespace platform
