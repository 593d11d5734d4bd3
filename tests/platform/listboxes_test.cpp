// The drive, directory and file lists: their paths, their contents and the events they raise.
#include "platform/dirlistbox.h"
#include "platform/drivelistbox.h"
#include "platform/filelistbox.h"
#include "platform/runtimeerror.h"
#include "support/qtprinters.h"
#include "support/tempdir.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

QStringList texts(const QListWidget &list)
{
    QStringList result;
    for (int row = 0; row < list.count(); ++row)
        result.append(list.item(row)->text().trimmed());
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
    platform::Drive drive(const std::string &current = "") const { return { path(), "TEST", path(current) }; }
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
    EXPECT_EQ(dirs.currentItem()->text().trimmed(), "pictures") << "the current directory is highlighted";
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
    QListWidgetItem *pictures = dirs.item(rowOf("pictures"));
    const QPoint centre = dirs.visualItemRect(pictures).center();
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(dirs.Path(), tree.path());
    QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(dirs.Path(), tree.path("pictures"));
    EXPECT_EQ(changes.count(), 1);

    dirs.setCurrentRow(0); // the drive's root, at the top of the chain
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
    EXPECT_THROW(dirs.setPath(platform::Drive {}), platform::RunTimeError);
    EXPECT_EQ(dirs.Path(), tree.path());
    EXPECT_EQ(texts(dirs), before);
    EXPECT_EQ(changes.count(), 0);

    // A directory removed after it was listed: opening it beeps and stays.
    std::filesystem::remove(tree.dir.path() + "/empty");
    dirs.setCurrentRow(static_cast<int>(texts(dirs).indexOf("empty")));
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.Path(), tree.path());
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
    files.setCurrentRow(1);
    EXPECT_EQ(files.FileName(), "b.scr");
    tree.dir.write("0 new.scr", {});
    files.setPath(tree.path());
    EXPECT_EQ(files.FileName(), "b.scr");
    EXPECT_EQ(texts(files), (QStringList { "0 new.scr", "a.scr", "b.scr" }));
    files.setPath(tree.path("pictures"));
    EXPECT_EQ(files.FileName(), "") << "another directory starts with nothing selected";
}

TEST(FileListBox, MouseAndKeyboardSelectionsRaiseClick)
{
    Tree tree;
    platform::FileListBox files;
    files.setPath(tree.path());
    files.resize(200, 200);
    files.show();
    QSignalSpy clicks(&files, &platform::FileListBox::Click);

    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, files.visualItemRect(files.item(0)).center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(files.FileName(), "a.scr");
    QTest::keyClick(&files, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(files.FileName(), "b.scr");
    QTest::keyClick(&files, Qt::Key_Down); // already at the last name: no movement, no click
    EXPECT_EQ(clicks.count(), 2);
    files.setPath(tree.path());
    files.setCurrentRow(0);
    EXPECT_EQ(clicks.count(), 2) << "code that changes the list raises nothing";
}

TEST(DriveListBox, ListsDrivesAndRaisesChangeOnAChoice)
{
    Tree tree;
    platform::DriveListBox drives;
    EXPECT_FALSE(drives.drives().isEmpty()) << "this machine's drives are listed at start";
    EXPECT_EQ(drives.Drive(), drives.drives().at(platform::driveHolding(drives.drives(), QDir::currentPath())));

    QSignalSpy changes(&drives, &platform::DriveListBox::Change);
    drives.setSource([&tree] { return QList<platform::Drive> { { "/", "", "/" }, tree.drive() }; });
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(drives.Drive().root, "/") << "the drive holding the working directory";
    EXPECT_EQ(drives.itemText(1), tree.path() + " [TEST]");
    drives.setCurrentIndex(1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(drives.Drive(), tree.drive());
}

TEST(DriveListBox, ReadsTheDrivesAgainKeepingTheSelection)
{
    QList<platform::Drive> mounted { { "/", "", "/" }, { "/media/A", "", "/media/A" } };
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
