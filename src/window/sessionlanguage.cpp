// Loads the translations of the session's language; nothing is written and no setting is read.
#include "window/sessionlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

SessionLanguage::SessionLanguage(QCoreApplication &application)
{
    const QLocale session = QLocale::system();
    if (program.load(session, QStringLiteral("tarnvel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        application.installTranslator(&program);
    if (qt.load(session, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qt);
}
