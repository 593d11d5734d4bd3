// Previews in KDE's file manager: KIO's preview job, as Dolphin asks it, draws screens exactly, on
// KDE Frameworks 6 through the thumbnailer entry and on 5 through our plugin.
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <KFileItem>
#include <KIO/PreviewJob>

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <unistd.h>
#include <sys/stat.h>

namespace {

// KIO's previews of items at size × size, as Dolphin asks for them; a job that does not end
// within two minutes fails the test rather than hanging it.
std::map<QString, QImage> previewsOf(const KFileItemList &items, int size, const QStringList &plugins)
{
    std::map<QString, QImage> previews;
    KIO::PreviewJob *job = KIO::filePreview(items, QSize(size, size), &plugins);
    QObject::connect(job, &KIO::PreviewJob::gotPreview, [&](const KFileItem &item, const QPixmap &preview) {
        previews[item.localPath()] = preview.toImage();
    });
    QEventLoop loop;
    QObject::connect(job, &KJob::result, &loop, &QEventLoop::quit);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        ADD_FAILURE() << "KIO's preview job did not end within two minutes";
        job->kill(); // quietly: no result follows, so the loop ends here
        loop.quit();
    });
    watchdog.start(std::chrono::minutes(2));
    loop.exec();
    return previews;
}

TEST(KioPreviews, ScreensPreviewExactlyThroughOurPlugin)
{
    // Caches and settings in a folder of the test's. The package's data beside the system's own,
    // and the preview program (KDE Frameworks 6) or the plugin (5) from the build tree.
    testsupport::TempDir root;
    for (const char *place : { "HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR" })
        qputenv(place, QByteArray::fromStdString(root.makeDirectory(place)));
    chmod((root.path() + "/XDG_RUNTIME_DIR").c_str(), 0700);
    root.write("share/mime/packages/tarnvel.xml", testsupport::contentsOf(TARNVEL_DATA "/tarnvel-mime.xml"));
    root.write("share/thumbnailers/tarnvel.thumbnailer", testsupport::contentsOf(TARNVEL_DATA "/tarnvel.thumbnailer"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("update-mime-database"), { QString::fromStdString(root.path() + "/share/mime") }), 0);
    const QByteArray systemData = qgetenv("XDG_DATA_DIRS").isEmpty() ? "/usr/local/share:/usr/share" : qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(root.path() + "/share:") + systemData);
    qputenv("PATH", QByteArray(TARNVEL_PROGRAM_DIR ":") + qgetenv("PATH"));

    // The plugins Dolphin uses until its user changes its preview settings, ours among them.
    const QStringList plugins = KIO::PreviewJob::defaultPlugins();
    EXPECT_TRUE(plugins.contains(QStringLiteral(TARNVEL_PLUGIN_ID))) << plugins.join(QLatin1Char(' ')).toStdString();
    std::map<QString, std::vector<std::uint8_t>> screens;
    KFileItemList items;
    for (const unsigned seed : { 1u, 2u, 3u }) {
        const std::vector<std::uint8_t> bytes = testsupport::patternedScreen(seed);
        const QString path = QString::fromStdString(root.write("screens/screen " + std::to_string(seed) + ".scr", bytes));
        screens[path] = bytes;
        items.append(KFileItem(QUrl::fromLocalFile(path)));
    }
    // Inputs that cannot be drawn: each fails on its own, and the others still preview.
    const QString unreadable = QString::fromStdString(root.write("screens/unreadable.scr", testsupport::patternedScreen(4)));
    chmod(unreadable.toLocal8Bit().constData(), 0);
    const QString gone = QString::fromStdString(root.path() + "/screens/gone.scr");
    const QString directory = QString::fromStdString(root.makeDirectory("screens/folder.scr"));
    for (const QString &bad : { unreadable, gone, directory })
        items.append(KFileItem(QUrl::fromLocalFile(bad), QStringLiteral("image/x-zx-spectrum-screen"), S_IFREG));

    // Enlarged by whole blocks at 512, at its own size at 256, and reduced to 128.
    for (const int size : { 512, 256, 128 }) {
        SCOPED_TRACE(size);
        const std::map<QString, QImage> got = previewsOf(items, size, plugins);
        EXPECT_FALSE(got.count(gone) || got.count(directory)) << "no preview of what is not a file";
        if (geteuid() != 0) { // root reads the unreadable file all the same
            EXPECT_FALSE(got.count(unreadable));
        }
        for (const auto &[path, bytes] : screens) {
            SCOPED_TRACE(path.toStdString());
            ASSERT_TRUE(got.count(path)) << "no preview from the default plugins: " << plugins.join(QLatin1Char(' ')).toStdString();
            const QImage &preview = got.at(path);
            ASSERT_EQ(preview.size(), QSize(size, size * 3 / 4));
            if (size < 256)
                continue; // reduced previews are checked pixel by pixel in the preview program's own test
            const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(bytes);
            const int block = size / 256;
            int wrong = 0;
            for (int y = 0; y < preview.height(); ++y)
                for (int x = 0; x < preview.width(); ++x) {
                    const QColor pixel = preview.pixelColor(x, y);
                    wrong += testsupport::Rgb { pixel.red(), pixel.green(), pixel.blue() } != expected[std::size_t(y / block * 256 + x / block)];
                }
            EXPECT_EQ(wrong, 0);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // here and in KIO's workers, whatever the user's session
    // Plugins from the build tree, found here and in the workers; read once the application starts.
    if (*TARNVEL_PLUGIN_DIR)
        qputenv("QT_PLUGIN_PATH", QByteArray(TARNVEL_PLUGIN_DIR ":") + qgetenv("QT_PLUGIN_PATH"));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
