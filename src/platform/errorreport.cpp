// The modal error report.
#include "platform/errorreport.h"

#include <QFile>
#include <QMessageBox>

namespace platform {

QString errorReportText(const RunTimeError &error)
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(QString::fromStdString(error.message()));
    if (!error.path().empty())
        text += QStringLiteral("\n\n") + QFile::decodeName(error.path().c_str());
    if (!error.reason().empty())
        text += QStringLiteral("\n(") + QString::fromLocal8Bit(error.reason()) + QStringLiteral(")");
    return text;
}

void showErrorReport(QWidget *parent, const RunTimeError &error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarnvel"), errorReportText(error), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
