// Files and directories dropped on the window, and drags it refuses.
#include "window/windowfixture.h"

#include "platform/filesystem/filename.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace windowtest {
namespace {

class DragAndDrop : public WindowFixture
{
protected:
    // Drags data over the window's centre and drops it; returns whether the window accepted the drag.
    bool drop(QMimeData &data)
    {
        const QPoint centre = window.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&window, &dropped);
        return true;
    }
    static QUrl local(const std::string &path) { return QUrl::fromEncoded(QByteArray("file://") + QByteArray::fromStdString(path).toPercentEncoding("/")); }
};

TEST_F(DragAndDrop, ADroppedFileIsChosenAndDrawnAndADroppedDirectoryIsOpened)
{
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(21);
    const std::string sub = dir.makeDirectory("sub");
    const std::string name = "caf\xE9 1.scr"; // not UTF-8: dropped by its exact bytes
    dir.write("sub/" + name, screen);
    dir.write("sub/other.scr", {});
    for (int i = 0; i < 5000; ++i) // enough that the rest of the directory is read in the background
        dir.write("sub/filler " + std::to_string(i), {});

    QMimeData files;
    files.setUrls({ QUrl(QStringLiteral("https://example.org/a.scr")), local(sub + "/" + name), local(sub + "/other.scr") });
    ASSERT_TRUE(drop(files));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !File1()->FileName().isEmpty(); })) << "chosen once listed";
    EXPECT_EQ(Dir1()->Path(), q(sub));
    EXPECT_EQ(File1()->Path(), q(sub));
    EXPECT_EQ(platform::encodeFileName(File1()->FileName()).toStdString(), name) << "the first local item";
    EXPECT_EQ(picture(), testsupport::decodeScreen(screen));
    EXPECT_FALSE(frameNavigator()->isVisible());

    QMimeData directory;
    directory.setUrls({ local(dir.path()) });
    ASSERT_TRUE(drop(directory));
    EXPECT_EQ(Dir1()->Path(), q(dir.path()));
    EXPECT_EQ(File1()->Path(), q(dir.path()));
    EXPECT_TRUE(frameNavigator()->isVisible());
}

TEST_F(DragAndDrop, AFileTheListDoesNotShowReopensThePanelOnItsDirectory)
{
    const std::string sub = dir.makeDirectory("sub");
    dir.write("sub/.hidden.scr", testsupport::patternedScreen(22));
    dir.write("sub/shown.scr", {});
    const std::vector<testsupport::Rgb> before = picture();
    for (const char *name : { ".hidden.scr", "gone.scr" }) {
        frameNavigator()->hide(); // as after a file was shown
        QMimeData file;
        file.setUrls({ local(sub + "/" + name) });
        ASSERT_TRUE(drop(file)) << name;
        EXPECT_TRUE(frameNavigator()->isVisible()) << name;
        EXPECT_EQ(File1()->Path(), q(sub)) << name;
        EXPECT_TRUE(File1()->FileName().isEmpty()) << name;
        EXPECT_EQ(picture(), before) << name << ": nothing is drawn";
    }
}

TEST_F(DragAndDrop, TextAndRemoteItemsAreRefusedAndChangeNothing)
{
    const QString before = Dir1()->Path();
    QMimeData text, remote;
    text.setText(q(dir.path()));
    remote.setUrls({ QUrl(QStringLiteral("https://example.org/a.scr")), QUrl(QStringLiteral("sftp://host/b.scr")) });
    for (QMimeData *data : { &text, &remote })
        EXPECT_FALSE(drop(*data));
    EXPECT_EQ(Dir1()->Path(), before);
}

} // namespace
} // namespace windowtest
