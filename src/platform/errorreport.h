// The error report: a modal message with a run-time error's number, message and path.
#pragma once

#include "platform/runtimeerror.h"

#include <QString>

class QWidget;

namespace platform {

// The report's text: "Run-time error 'N':", the message, then the path and the system's reason if known.
QString errorReportText(const RunTimeError &error);

// Shows the report as a modal message box over parent and returns once the user has dismissed it.
void showErrorReport(QWidget *parent, const RunTimeError &error);

} // namespace platform
