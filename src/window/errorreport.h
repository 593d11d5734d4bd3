// The error report: a message with a run-time error's number, message and path.
#pragma once

#include "platform/fileruntime/runtimeerror.h"

#include <QString>

class QWidget;

// The report's text: "Run-time error 'N':", the message, then the path and the system's reason if known.
QString errorReportText(const platform::RunTimeError &error);

// Shows the report over parent and returns once the user has dismissed it or parent was closed.
// Meanwhile parent's controls take no input, but the window itself can still be closed.
void showErrorReport(QWidget *parent, const platform::RunTimeError &error);
