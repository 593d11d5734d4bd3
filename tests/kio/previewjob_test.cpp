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

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>

namespace {

TEST(KioPreviews, ScreensPreviewExactlyThroughOurPlugin)
{
    // Caches and settings in a folder of the test's. The package's data beside the system's own,
    // and the preview program (KDE Frameworks 6) or the plugin (5) from the build tree; or, to
    // check an installed package, what the system has.
    testsupport::TempDir root;
    for (const char *place : { "HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR" })
        qputenv(place, QByteArray::fromStdString(root.makeDirectory(place)));
    chmod((root.path() + "/XDG_RUNTIME_DIR").c_str(), 0700);
    if (qEnvironmentVariableIsEmpty("TARNVEL_INSTALLED")) {
        root.write("share/mime/packages/tarnvel.xml", testsupport::contentsOf(TARNVEL_DATA "/tarnvel-mime.xml"));
        root.write("share/thumbnailers/tarnvel.thumbnailer", testsupport::contentsOf(TARNVEL_DATA "/tarnvel.thumbnailer"));
        ASSERT_EQ(QProcess::execute(QStringLiteral("update-mime-database"), { QString::fromStdString(root.path() + "/share/mime") }), 0);
        const QByteArray systemData = qgetenv("XDG_DATA_DIRS").isEmpty() ? "/usr/local/share:/usr/share" : qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(root.path() + "/share:") + systemData);
        qputenv("PATH", QByteArray(TARNVEL_PROGRAM_DIR ":") + qgetenv("PATH"));
    }

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

    std::map<QString, QImage> previews;
    KIO::PreviewJob *job = KIO::filePreview(items, QSize(256, 256), &plugins);
    QObject::connect(job, &KIO::PreviewJob::gotPreview, [&](const KFileItem &item, const QPixmap &preview) {
        previews[item.localPath()] = preview.toImage();
    });
    QEventLoop loop;
    QObject::connect(job, &KJob::result, &loop, &QEventLoop::quit);
    loop.exec();

    for (const auto &[path, bytes] : screens) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(previews.count(path)) << "no preview from the default plugins: " << plugins.join(QLatin1Char(' ')).toStdString();
        const QImage &preview = previews[path];
        ASSERT_EQ(preview.size(), QSize(256, 192));
        const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(bytes);
        int wrong = 0;
        for (int y = 0; y < 192; ++y)
            for (int x = 0; x < 256; ++x) {
                const QColor got = preview.pixelColor(x, y);
                wrong += testsupport::Rgb { got.red(), got.green(), got.blue() } != expected[std::size_t(y * 256 + x)];
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // here and in KIO's workers, whatever the user's session
    // Plugins from the build tree, found here and in the workers; read once the application starts.
    if (qEnvironmentVariableIsEmpty("TARNVEL_INSTALLED") && *TARNVEL_PLUGIN_DIR)
        qputenv("QT_PLUGIN_PATH", QByteArray(TARNVEL_PLUGIN_DIR ":") + qgetenv("QT_PLUGIN_PATH"));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
