// Reading and moving a list view's rows by number, as the tests of the lists and the window do.
#pragma once

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QPoint>
#include <QString>
#include <QThreadPool>
#include <QVariant>

namespace testsupport {

inline QModelIndex indexAt(const QAbstractItemView &view, int row) { return view.model()->index(row, 0); }

inline QVariant dataAt(const QAbstractItemView &view, int row, int role) { return indexAt(view, row).data(role); }

// The text the list shows in row.
inline QString textAt(const QAbstractItemView &view, int row) { return dataAt(view, row, Qt::DisplayRole).toString(); }

// The rows whose shown text matches text as flags say.
inline QList<int> rowsOf(const QAbstractItemView &view, const QString &text, Qt::MatchFlags flags = Qt::MatchExactly)
{
    QList<int> rows;
    for (const QModelIndex &index : view.model()->match(indexAt(view, 0), Qt::DisplayRole, text, -1, flags))
        rows.append(index.row());
    return rows;
}

// The middle of row on the list's viewport, where a click lands on it.
inline QPoint centreOf(const QAbstractItemView &view, int row) { return view.visualRect(indexAt(view, row)).center(); }

// Makes row current, selected alone, as code does.
inline void setCurrentRow(QAbstractItemView &view, int row, QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect)
{
    view.selectionModel()->setCurrentIndex(indexAt(view, row), flags);
}

// Waits, ten seconds at most, until every reading in the background has ended and what each
// handed back has been delivered: from then on a cancelled reading would have shown, were it shown.
inline bool backgroundReadingsEnded()
{
    if (!QThreadPool::globalInstance()->waitForDone(10000))
        return false;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

} // namespace testsupport
