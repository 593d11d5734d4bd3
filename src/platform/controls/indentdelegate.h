// Draws each list item indented by its depth, so that a chain of directories reads as a tree.
#pragma once

#include <QStyledItemDelegate>

namespace platform {

class IndentDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The item's depth, 0 for the top: an int under this role.
    static constexpr int DepthRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // The indent of one level: the width of two spaces in the list's font.
    static int indentOf(const QStyleOptionViewItem &option, const QModelIndex &index);
};

} // namespace platform
