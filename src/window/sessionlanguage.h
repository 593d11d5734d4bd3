// The session's language: the program's texts and Qt's own in it, as the desktop asks.
#pragma once

#include <QTranslator>

class QCoreApplication;

class SessionLanguage
{
public:
    // Installs the translations for the session's language (QLocale::system(), which follows
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG): the program's, built into it, and Qt's own for its
    // standard buttons. A language without them, English among them, keeps the texts as written.
    explicit SessionLanguage(QCoreApplication &application);

private:
    QTranslator program;
    QTranslator qt;
};
