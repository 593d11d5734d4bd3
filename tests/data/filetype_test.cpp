// The file type as file managers see it: screens are screens, Windows programs named *.scr stay programs.
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <QMimeDatabase>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

const QString screenType = QStringLiteral("image/x-zx-spectrum-screen");
const QString windowsProgram = QStringLiteral("application/x-msdownload");

// The type GIO (GNOME's and Xfce's file managers) gives a file, through its own command.
QString gioType(const std::string &path)
{
    QProcess gio;
    gio.start(QStringLiteral("gio"), { QStringLiteral("info"), QStringLiteral("-a"), QStringLiteral("standard::content-type"),
                                       QString::fromStdString(path) });
    EXPECT_TRUE(gio.waitForFinished(30000));
    for (const QByteArray &line : gio.readAllStandardOutput().split('\n'))
        if (line.contains("standard::content-type: "))
            return QString::fromUtf8(line.mid(line.indexOf(": ") + 2).trimmed());
    return {};
}

// Whether a type of the system's own database claims a file name pattern (its globs2 files).
bool systemTypesClaim(const std::string &pattern)
{
    const QByteArray dirs = qEnvironmentVariableIsEmpty("XDG_DATA_DIRS") ? "/usr/local/share:/usr/share" : qgetenv("XDG_DATA_DIRS");
    for (const QByteArray &dir : dirs.split(':')) {
        std::ifstream globs(dir.toStdString() + "/mime/globs2");
        for (std::string line; std::getline(globs, line);)
            if ((line.ends_with(":" + pattern) || line.find(":" + pattern + ":") != std::string::npos)
                && line.find(screenType.toStdString()) == std::string::npos)
                return true;
    }
    return false;
}

std::vector<std::uint8_t> windowsHeader(bool portable)
{
    std::vector<std::uint8_t> bytes(6912);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i * 37 + 11); // no zeros where a DOS header keeps them
    bytes[0] = 'M', bytes[1] = 'Z';
    if (portable)
        bytes[0x80] = 'P', bytes[0x81] = 'E', bytes[0x82] = 0, bytes[0x83] = 0;
    return bytes;
}

TEST(FileType, ScreensAreScreensAndWindowsProgramsStayPrograms)
{
    // The system's database with our package added as a user would have it (or as the installed
    // package put it there), read by Qt (KDE) here and by GIO in a child; this process has not read
    // the database before.
    testsupport::TempDir home;
    if (*TARNVEL_MIME_PACKAGE) {
        home.write("mime/packages/tarnvel.xml", testsupport::contentsOf(TARNVEL_MIME_PACKAGE));
        ASSERT_EQ(QProcess::execute(QStringLiteral("update-mime-database"), { QString::fromStdString(home.path() + "/mime") }), 0);
    }
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    QMimeDatabase database;

    // Where the system's own types claim the name (Windows programs do since shared-mime-info 2.4),
    // a file with a program's signature keeps a program's type; elsewhere only ours claims it.
    const bool othersClaimTheName = systemTypesClaim("*.scr");

    const struct
    {
        const char *name;
        std::vector<std::uint8_t> bytes;
        bool program;
    } files[] = {
        { "screen.scr", testsupport::patternedScreen(1), false },
        { "blank screen.scr", std::vector<std::uint8_t>(6912, 0), false },
        { "program.scr", windowsHeader(false), true },
        { "screen saver.scr", windowsHeader(true), true },
    };
    for (const auto &file : files) {
        const std::string path = home.write(file.name, file.bytes);
        for (const auto &[client, type] : { std::pair { "Qt", database.mimeTypeForFile(QString::fromStdString(path)).name() },
                                            std::pair { "GIO", gioType(path) } }) {
            SCOPED_TRACE(std::string(client) + " on " + file.name);
            if (!file.program || !othersClaimTheName) {
                EXPECT_EQ(type, screenType);
                continue;
            }
            EXPECT_TRUE(type == windowsProgram || database.mimeTypeForName(type).inherits(windowsProgram)) << type.toStdString();
        }
    }
}

} // namespace
