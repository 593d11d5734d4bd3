// The error report: shown over its window, which takes no input meanwhile but can still be closed.
#include "window/errorreport.h"

#include "platform/filesystem/filename.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

QString errorReportText(const platform::RunTimeError &error)
{
    // The run time's texts are English; the session's language has them under "RunTimeError".
    // The system's reason is in the session's language already, unless it is one of the run time's own.
    const auto translated = [](const std::string &text) { return QCoreApplication::translate("RunTimeError", text.c_str()); };
    QString text = QCoreApplication::translate("ErrorReport", "Run-time error '%1':").arg(error.number())
        + QStringLiteral("\n\n") + translated(error.message());
    if (!error.path().empty())
        text += QStringLiteral("\n\n") + platform::displayFileName(platform::decodeFileName(QByteArray::fromStdString(error.path())));
    if (!error.reason().empty())
        text += QStringLiteral("\n(") + translated(error.reason()) + QStringLiteral(")");
    text += QStringLiteral("\n\n") + translated(error.advice());
    return text;
}

void showErrorReport(QWidget *parent, const platform::RunTimeError &error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarnvel"), errorReportText(error), QMessageBox::Ok, parent);
    // Not modal: the window system drops a close request for a window that a modal dialog
    // blocks, and closing the window must always end the program. Instead the window's own
    // controls take no input until the report is dismissed.
    box.setWindowModality(Qt::NonModal);
    const QPointer<QWidget> focused = parent ? parent->focusWidget() : nullptr;
    QList<QPointer<QWidget>> disabled;
    if (parent) {
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child->isEnabled()) {
                child->setEnabled(false);
                disabled.append(child);
            }
        }
    }

    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    if (parent && parent->windowHandle()) {
        // Closing the window dismisses its report.
        QObject::connect(parent->windowHandle(), &QWindow::visibleChanged, &box, [&box](bool visible) {
            if (!visible)
                box.reject();
        });
    }
    box.show();
    box.activateWindow(); // the keyboard answers the report
    if (parent == nullptr || parent->isVisible())
        loop.exec();

    for (const QPointer<QWidget> &child : disabled) {
        if (child)
            child->setEnabled(true);
    }
    // The keyboard goes back where it was, as it does after a modal dialog.
    if (focused && focused->isVisible())
        focused->setFocus(Qt::OtherFocusReason);
}
