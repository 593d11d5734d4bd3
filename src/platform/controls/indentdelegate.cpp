// The indented item delegate: the indent is drawn, not written into the item's text.
#include "platform/controls/indentdelegate.h"

#include <QFontMetrics>

namespace platform {

int IndentDelegate::indentOf(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    return index.data(DepthRole).toInt() * option.fontMetrics.horizontalAdvance(QStringLiteral("  "));
}

void IndentDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + indentOf(option, index));
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize IndentDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(option, index), 0);
}

} // namespace platform
