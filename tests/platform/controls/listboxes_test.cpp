// The drive, directory and file lists: their paths, their contents and the events they raise.
#include "platform/controls/dirlistbox.h"
#include "platform/controls/drivelistbox.h"
#include "platform/controls/filelistbox.h"
#include "platform/fileruntime/runtimeerror.h"
#include "support/listview.h"
#include "support/qtprinters.h"
#include "support/tempdir.h"

#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

QStringList texts(const QAbstractItemView &list)
{
    QStringList result;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        result.append(testsupport::textAt(list, row).trimmed());
    return result;
}

// A small tree: root/{a.scr, b.scr, pictures/{c.scr}, empty/}
struct Tree
{
    testsupport::TempDir dir;
    Tree()
    {
        dir.write("a.scr", {});
        dir.write("b.scr", {});
        dir.write("pictures/c.scr", {});
        dir.makeDirectory("empty");
    }
    QString path(const std::string &relative = "") const { return q(relative.empty() ? dir.path() : dir.path() + "/" + relative); }
    platform::MountedDrive drive(const std::string &current = "") const { return { path(), "TEST", path(current) }; }
};

TEST(DirListBox, ShowsTheChainFromTheDriveRootThenSubdirectories)
{
    Tree tree;
    platform::DirListBox dirs;
    dirs.setPath(tree.drive());
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(texts(dirs), (QStringList { tree.path(), "empty", "pictures" }));

    dirs.setPath(tree.path("pictures"));
    EXPECT_EQ(texts(dirs), (QStringList { tree.path(), "pictures" }));
    EXPECT_EQ(testsupport::textAt(dirs, dirs.currentRow()).trimmed(), "pictures") << "the current directory is highlighted";

    // The folders, open down to the current directory and closed below it, come after the first paint.
    dirs.setPath(tree.path());
    dirs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dirs));
    const int size = dirs.style()->pixelMetric(QStyle::PM_SmallIconSize);
    const auto image = [&](QStyle::StandardPixmap folder) { return dirs.style()->standardIcon(folder).pixmap(size).toImage(); };
    ASSERT_NE(image(QStyle::SP_DirOpenIcon), image(QStyle::SP_DirClosedIcon)) << "two icons to tell apart";
    const auto shows = [&](int row, QStyle::StandardPixmap folder) { return testsupport::dataAt(dirs, row, Qt::DecorationRole).value<QIcon>().pixmap(size).toImage() == image(folder); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(0, QStyle::SP_DirOpenIcon) && shows(1, QStyle::SP_DirClosedIcon); }));
    dirs.setPath(tree.path("pictures"));
    EXPECT_TRUE(shows(0, QStyle::SP_DirOpenIcon) && shows(1, QStyle::SP_DirOpenIcon));
}

TEST(DirListBox, RaisesChangeForEveryChangeOfPath)
{
    Tree tree;
    platform::DirListBox dirs;
    dirs.setPath(tree.drive());
    QSignalSpy changes(&dirs, &platform::DirListBox::Change);
    dirs.setPath(tree.path("pictures"));
    EXPECT_EQ(changes.count(), 1);
    dirs.setPath(tree.path("pictures"));
    EXPECT_EQ(changes.count(), 1) << "the same path is no change";
    dirs.setPath("..");
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(changes.count(), 2);
}

TEST(DirListBox, ClickHighlightsDoubleClickAndEnterOpen)
{
    Tree tree;
    platform::DirListBox dirs;
    dirs.setPath(tree.drive());
    dirs.resize(200, 200);
    dirs.show();
    QSignalSpy changes(&dirs, &platform::DirListBox::Change);

    const auto rowOf = [&](const QString &name) { return static_cast<int>(texts(dirs).indexOf(name)); };
    const QPoint centre = testsupport::centreOf(dirs, rowOf("pictures"));
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(dirs.Path(), tree.path());
    QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(dirs.Path(), tree.path("pictures"));
    EXPECT_EQ(changes.count(), 1);

    testsupport::setCurrentRow(dirs, 0); // the drive's root, at the top of the chain
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(changes.count(), 2);
}

TEST(DirListBox, AnUnreadablePathFailsAndChangesNothing)
{
    Tree tree;
    platform::DirListBox dirs;
    dirs.setPath(tree.drive());
    const QStringList before = texts(dirs);
    QSignalSpy changes(&dirs, &platform::DirListBox::Change);
    EXPECT_THROW(dirs.setPath(tree.path("missing")), platform::RunTimeError);
    EXPECT_THROW(dirs.setPath(tree.path("a.scr")), platform::RunTimeError);
    EXPECT_THROW(dirs.setPath(platform::MountedDrive {}), platform::RunTimeError);
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(texts(dirs), before);
    EXPECT_EQ(changes.count(), 0);

    // A directory removed after it was listed: opening it says why and stays.
    QSignalSpy failures(&dirs, &platform::DirListBox::OpenFailed);
    std::filesystem::remove(tree.dir.path() + "/empty");
    testsupport::setCurrentRow(dirs, static_cast<int>(texts(dirs).indexOf("empty")));
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(failures.count(), 1);
}

TEST(FileListBox, ListsTheFilesOfItsPath)
{
    Tree tree;
    platform::FileListBox files;
    files.setPath(tree.path());
    EXPECT_EQ(texts(files), (QStringList { "a.scr", "b.scr" }));
    files.setPath(tree.path("pictures"));
    EXPECT_EQ(files.Path(), tree.path("pictures"));
    EXPECT_EQ(texts(files), (QStringList { "c.scr" }));
    EXPECT_THROW(files.setPath(tree.path("missing")), platform::RunTimeError);
    EXPECT_EQ(files.Path(), tree.path("pictures"));
    EXPECT_EQ(texts(files), (QStringList { "c.scr" }));
}

TEST(FileListBox, ReapplyingItsPathKeepsTheSelection)
{
    Tree tree;
    platform::FileListBox files;
    files.setPath(tree.path());
    EXPECT_EQ(files.FileName(), "");
    testsupport::setCurrentRow(files, 1);
    EXPECT_EQ(files.FileName(), "b.scr");
    tree.dir.write("0 new.scr", {});
    files.setPath(tree.path());
    EXPECT_EQ(files.FileName(), "b.scr");
    EXPECT_EQ(texts(files), (QStringList { "0 new.scr", "a.scr", "b.scr" }));
    files.setPath(tree.path("pictures"));
    EXPECT_EQ(files.FileName(), "") << "another directory starts with nothing selected";
}

TEST(DirListBox, ALargeDirectoryShowsItsChainAtOnceAndItsSubdirectoriesOnceRead)
{
    Tree tree;
    for (int i = 0; i < 5000; ++i)
        tree.dir.write("big/" + std::to_string(i) + ".scr", {});
    tree.dir.makeDirectory("big/sub");
    platform::DirListBox dirs;
    QSignalSpy changes(&dirs, &platform::DirListBox::Change);
    dirs.setPath(tree.path("big"));
    EXPECT_EQ(changes.count(), 1) << "the move is told at once";
    EXPECT_EQ(dirs.count(), dirs.currentRow() + 1) << "the chain alone, its end highlighted";
    ASSERT_TRUE(QTest::qWaitFor([&dirs] { return dirs.count() == dirs.currentRow() + 2; }));
    EXPECT_EQ(testsupport::textAt(dirs, dirs.count() - 1).trimmed(), "sub");
    EXPECT_EQ(testsupport::textAt(dirs, dirs.currentRow()).trimmed(), "big") << "the highlight stays";

    // A newer path makes the reading unwanted; a list gone while reading is never called back.
    dirs.setPath(tree.path("big"));
    dirs.setPath(tree.path("pictures"));
    { platform::DirListBox gone; gone.setPath(tree.path("big")); }
    ASSERT_TRUE(testsupport::backgroundReadingsEnded());
    EXPECT_EQ(dirs.Path(), tree.path("pictures"));
    EXPECT_EQ(dirs.count(), dirs.currentRow() + 1);
}

TEST(FileListBox, ALargeDirectoryIsReadAgainInTheBackgroundKeepingTheSelection)
{
    Tree tree;
    for (int i = 0; i < 5000; ++i)
        tree.dir.write("big/" + std::to_string(i) + ".scr", {});
    const QString big = tree.path("big");
    platform::FileListBox files;
    bool listed = false;
    files.setPath(big);
    files.whenListed([&listed] { listed = true; });
    ASSERT_TRUE(QTest::qWaitFor([&listed] { return listed; }));
    testsupport::setCurrentRow(files, 2);

    listed = false;
    files.setPath(big);
    files.whenListed([&listed] { listed = true; });
    EXPECT_EQ(files.FileName(), "2.scr") << "while it is read again";
    ASSERT_TRUE(QTest::qWaitFor([&listed] { return listed; }));
    EXPECT_EQ(files.FileName(), "2.scr") << "once it is read again";
    EXPECT_EQ(files.count(), 5000);

    // Another path drops what waited for the reading; a list gone while reading is never called back.
    listed = false;
    bool goneListed = false;
    files.setPath(big);
    files.whenListed([&listed] { listed = true; });
    files.setPath(tree.path());
    {
        platform::FileListBox gone;
        gone.setPath(big);
        gone.whenListed([&goneListed] { goneListed = true; });
    }
    ASSERT_TRUE(testsupport::backgroundReadingsEnded());
    EXPECT_FALSE(listed);
    EXPECT_FALSE(goneListed);
    EXPECT_EQ(texts(files), (QStringList { "a.scr", "b.scr" }));
}

TEST(FileListBox, MouseAndKeyboardSelectionsRaiseClick)
{
    Tree tree;
    platform::FileListBox files;
    files.setPath(tree.path());
    files.resize(200, 200);
    files.show();
    QSignalSpy clicks(&files, &platform::FileListBox::Click);

    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, testsupport::centreOf(files, 0));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(files.FileName(), "a.scr");
    QTest::keyClick(&files, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(files.FileName(), "b.scr");
    QTest::keyClick(&files, Qt::Key_Down); // already at the last name: no movement, no click
    EXPECT_EQ(clicks.count(), 2);
    files.setPath(tree.path());
    testsupport::setCurrentRow(files, 0);
    EXPECT_EQ(clicks.count(), 2) << "code that changes the list raises nothing";
}

// One gesture on a list of a.scr, b.scr, c.scr, d.scr: how many Clicks it raises and what is selected after.
struct Gesture
{
    const char *name;
    int selectedBefore; // -1 for none
    std::function<void(platform::FileListBox &, const std::function<QPoint(int)> &centreOf)> act;
    int clicks;
    QString selectedAfter;
    friend void PrintTo(const Gesture &g, std::ostream *out) { *out << g.name; }
};

class FileListGestures : public ::testing::TestWithParam<Gesture>
{
};

TEST_P(FileListGestures, RaiseClickOnceForEachSelectionAndKeepOneSelected)
{
    const Gesture &g = GetParam();
    testsupport::TempDir dir;
    for (const char *name : { "a.scr", "b.scr", "c.scr", "d.scr" })
        dir.write(name, {});
    platform::FileListBox files;
    files.setPath(q(dir.path()));
    files.resize(200, 200);
    files.show();
    files.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&files));
    if (g.selectedBefore >= 0)
        testsupport::setCurrentRow(files, g.selectedBefore);
    QSignalSpy clicks(&files, &platform::FileListBox::Click);
    // Every Click is raised with a name selected; and choosing re-lists the directory, as choosing in the window does.
    QStringList clickedNames;
    QObject::connect(&files, &platform::FileListBox::Click, [&] {
        clickedNames.append(files.FileName());
        files.setPath(files.Path());
    });
    g.act(files, [&](int row) { return testsupport::centreOf(files, row); });
    EXPECT_EQ(clicks.count(), g.clicks);
    EXPECT_FALSE(clickedNames.contains(QString()));
    EXPECT_EQ(files.FileName(), g.selectedAfter);
}

using Centre = std::function<QPoint(int)>;
void press(platform::FileListBox &f, const QPoint &at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
{
    QTest::mouseClick(f.viewport(), button, keys, at);
}
void key(platform::FileListBox &f, Qt::Key k) { QTest::keyClick(&f, k); }

INSTANTIATE_TEST_SUITE_P(
    All, FileListGestures,
    ::testing::Values(
        Gesture { "leftClick", -1, [](auto &f, const Centre &c) { press(f, c(1)); }, 1, "b.scr" },
        Gesture { "leftClickOnTheSelectedName", 1, [](auto &f, const Centre &c) { press(f, c(1)); }, 1, "b.scr" },
        Gesture { "doubleClick", -1,
                  [](auto &f, const Centre &c) {
                      press(f, c(2));
                      QTest::mouseDClick(f.viewport(), Qt::LeftButton, {}, c(2));
                      QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, c(2));
                  },
                  1, "c.scr" },
        Gesture { "rightClick", 0, [](auto &f, const Centre &c) { press(f, c(2), Qt::RightButton); }, 0, "a.scr" },
        Gesture { "ctrlClickOnTheSelectedName", 1, [](auto &f, const Centre &c) { press(f, c(1), Qt::LeftButton, Qt::ControlModifier); }, 1, "b.scr" },
        Gesture { "drag", -1,
                  [](auto &f, const Centre &c) {
                      QTest::mousePress(f.viewport(), Qt::LeftButton, {}, c(0));
                      QTest::mouseMove(f.viewport(), c(3));
                      QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, c(3));
                  },
                  1, "a.scr" },
        Gesture { "ctrlSpaceOnTheSelectedName", 1, [](auto &f, const Centre &) { QTest::keyClick(&f, Qt::Key_Space, Qt::ControlModifier); }, 0, "b.scr" },
        Gesture { "firstDown", -1, [](auto &f, const Centre &) { key(f, Qt::Key_Down); }, 1, "a.scr" },
        Gesture { "firstHome", -1, [](auto &f, const Centre &) { key(f, Qt::Key_Home); }, 1, "a.scr" },
        Gesture { "firstUp", -1, [](auto &f, const Centre &) { key(f, Qt::Key_Up); }, 1, "d.scr" },
        Gesture { "firstEnd", -1, [](auto &f, const Centre &) { key(f, Qt::Key_End); }, 1, "d.scr" },
        Gesture { "downThenDown", -1, [](auto &f, const Centre &) { key(f, Qt::Key_Down); key(f, Qt::Key_Down); }, 2, "b.scr" },
        Gesture { "end", 0, [](auto &f, const Centre &) { key(f, Qt::Key_End); }, 1, "d.scr" },
        Gesture { "pageDown", 0, [](auto &f, const Centre &) { key(f, Qt::Key_PageDown); }, 1, "d.scr" },
        Gesture { "typingAName", 0, [](auto &f, const Centre &) { QTest::keyClicks(&f, "c"); }, 1, "c.scr" },
        Gesture { "upAtTheTop", 0, [](auto &f, const Centre &) { key(f, Qt::Key_Up); }, 0, "a.scr" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DriveListBox, ListsDrivesAndRaisesChangeOnAChoice)
{
    Tree tree;
    platform::DriveListBox drives;
    EXPECT_FALSE(drives.drives().isEmpty()) << "this machine's drives are listed at start";
    EXPECT_EQ(drives.Drive(), drives.drives().at(platform::driveHolding(drives.drives(), QDir::currentPath())));

    QSignalSpy changes(&drives, &platform::DriveListBox::Change);
    drives.setSource([&tree] { return QList<platform::MountedDrive> { { "/", "", "/" }, tree.drive() }; });
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(drives.Drive().root, "/") << "the drive holding the working directory";
    EXPECT_EQ(drives.itemText(1), tree.path() + " [TEST]");
    drives.setCurrentIndex(1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(drives.Drive(), tree.drive());
}

TEST(DriveListBox, ReadsTheDrivesAgainKeepingTheSelection)
{
    QList<platform::MountedDrive> mounted { { "/", "", "/" }, { "/media/A", "", "/media/A" } };
    platform::DriveListBox drives;
    drives.setSource([&mounted] { return mounted; });
    drives.setCurrentIndex(1);
    QSignalSpy changes(&drives, &platform::DriveListBox::Change);

    mounted.insert(1, { "/home", "", "/home" }); // mounted meanwhile
    drives.refresh();
    EXPECT_EQ(drives.count(), 3);
    EXPECT_EQ(drives.Drive().root, "/media/A");

    mounted.removeLast(); // the selected drive is unmounted: it stays until another is chosen
    drives.refresh();
    EXPECT_EQ(drives.count(), 3);
    EXPECT_EQ(drives.Drive().root, "/media/A");
    EXPECT_EQ(changes.count(), 0);
    drives.setCurrentIndex(0);
    drives.refresh();
    EXPECT_EQ(drives.count(), 2);
}

} // namespace
