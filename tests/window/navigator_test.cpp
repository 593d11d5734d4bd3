// The navigator: drive, directory and file lists following each other, and a selected file drawn.
#include "window/windowfixture.h"
#include "support/listview.h"

#include "platform/controls/directorychainmodel.h"
#include "platform/filesystem/directoryreader.h"
#include "support/process.h"
#include "platform/filesystem/filename.h"
#include "platform/filesystem/paths.h"

#include <QApplication>
#include <QSignalSpy>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace windowtest {
namespace {

class Navigator : public WindowFixture
{
protected:
    Navigator()
    {
        dir.write("first.scr", testsupport::patternedScreen(1));
        dir.write("pictures/inner.scr", testsupport::patternedScreen(2));
        dir.makeDirectory("other/deeper");
        dir.write("other/deeper/x.scr", {});
        const QString root = q(dir.path());
        const QList<platform::MountedDrive> drives { { "/", "", "/" }, { root + "/other", "OTHER", root + "/other" }, { root, "HERE", root + "/pictures" } };
        Drive1()->setSource([drives] { return drives; });
    }
    QStringList files()
    {
        QStringList names;
        for (int row = 0; row < File1()->count(); ++row)
            names.append(testsupport::textAt(*File1(), row));
        return names;
    }
};

TEST_F(Navigator, ChangingTheDriveMovesBothLists)
{
    Drive1()->setCurrentIndex(2);
    EXPECT_EQ(Dir1()->Path(), q(dir.path() + "/pictures")) << "the drive's current directory";
    EXPECT_EQ(File1()->Path(), Dir1()->Path());
    EXPECT_EQ(files(), QStringList { "inner.scr" });
    Drive1()->setCurrentIndex(1);
    EXPECT_EQ(Dir1()->Path(), q(dir.path() + "/other"));
    EXPECT_EQ(testsupport::textAt(*Dir1(), 0), q(dir.path() + "/other")) << "the chain starts at the drive's mount point";
    EXPECT_EQ(files(), QStringList {});
}

TEST_F(Navigator, OpeningADirectoryRefreshesTheFileList)
{
    Drive1()->setCurrentIndex(1);
    const QList<int> deeper = testsupport::rowsOf(*Dir1(), "deeper", Qt::MatchContains);
    ASSERT_EQ(deeper.size(), 1);
    const QPoint centre = testsupport::centreOf(*Dir1(), deeper.first());
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, centre); // a double-click's first press
    QTest::mouseDClick(Dir1()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(File1()->Path(), q(dir.path() + "/other/deeper"));
    EXPECT_EQ(files(), QStringList { "x.scr" });
}

TEST_F(Navigator, ADriveThatCannotBeEnteredLeavesTheListsAsTheyWere)
{
    Drive1()->setCurrentIndex(2);
    std::filesystem::remove_all(dir.path() + "/other");
    ReportCatcher reports;
    Drive1()->setCurrentIndex(1);
    QTest::qWait(30);
    EXPECT_EQ(Drive1()->currentIndex(), 1);
    EXPECT_EQ(Dir1()->Path(), q(dir.path() + "/pictures"));
    EXPECT_EQ(File1()->Path(), q(dir.path() + "/pictures"));
    EXPECT_EQ(files(), QStringList { "inner.scr" });
    EXPECT_TRUE(reports.texts.isEmpty());
}

TEST_F(Navigator, NamesOfEveryKindOpen)
{
    const auto bytes = testsupport::patternedScreen(3);
    const QString name = "Экран №1 \\ 画面 (copy).scr";
    dir.write(name.toStdString(), bytes);
    Dir1()->setPath(q(dir.path()));
    selectFile(name);
    EXPECT_EQ(picture(), testsupport::decodeScreen(bytes));
}

TEST_F(Navigator, AFileInASubdirectoryOpens)
{
    Drive1()->setCurrentIndex(2); // goes to .../pictures
    selectFile("inner.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(2)));
}

TEST_F(Navigator, AFileInTheRootDirectoryOpens)
{
    // A root path ends in its separator; the file's path must not get a second one.
    const std::string name = "tarnvel-root-test-" + std::to_string(::getpid()) + ".scr";
    const auto bytes = testsupport::patternedScreen(4);
    {
        std::FILE *f = std::fopen(("/" + name).c_str(), "wbx");
        if (!f)
            GTEST_SKIP() << "the root directory is not writable here";
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    struct Remove
    {
        std::string path;
        ~Remove() { std::remove(path.c_str()); }
    } remove { "/" + name };
    Drive1()->setCurrentIndex(1);
    Drive1()->setCurrentIndex(0);
    ASSERT_EQ(Dir1()->Path(), "/");
    selectFile(q(name));
    EXPECT_EQ(picture(), testsupport::decodeScreen(bytes));
}

TEST_F(Navigator, ThePanelIsHiddenBeforeTheFirstPixel)
{
    Dir1()->setPath(q(dir.path()));
    struct Watch : QObject
    {
        platform::PictureBox *picture;
        bool hidden = false;
        QRgb firstPixelAtHide = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide && !hidden) {
                hidden = true;
                firstPixelAtHide = picture->image().pixel(0, 0);
            }
            return false;
        }
    } watch;
    watch.picture = pb();
    frameNavigator()->installEventFilter(&watch);
    selectFile("first.scr");
    EXPECT_TRUE(watch.hidden);
    EXPECT_EQ(watch.firstPixelAtHide, qRgb(220, 220, 220)) << "nothing of the new picture was drawn yet";
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(1)));
}

TEST_F(Navigator, NamesThatAreNotUtf8AreListedEnteredAndOpened)
{
    // "écrans" in Latin-1 and "Экр" in CP866: the same bytes must reach the file system.
    const auto bytes = testsupport::patternedScreen(5);
    const std::string latin1Directory = "\xE9" "crans", cp866File = "\x9D\xAA\xE0.scr";
    dir.write(latin1Directory + "/" + cp866File, bytes);
    Dir1()->setPath(q(dir.path()));
    const QList<int> entry = testsupport::rowsOf(*Dir1(), "\\xE9crans", Qt::MatchEndsWith);
    ASSERT_EQ(entry.size(), 1);
    const QPoint centre = testsupport::centreOf(*Dir1(), entry.first());
    QTest::mouseClick(Dir1()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(Dir1()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(platform::encodeFileName(File1()->Path()).toStdString(), dir.path() + "/" + latin1Directory);
    selectFile("\\x9D\\xAA\\xE0.scr");
    EXPECT_EQ(platform::encodeFileName(File1()->FileName()).toStdString(), cp866File);
    EXPECT_EQ(picture(), testsupport::decodeScreen(bytes));
}

TEST_F(Navigator, ADoubleClickOnANameDrawsItOnce)
{
    Dir1()->setPath(q(dir.path()));
    QSignalSpy clicks(File1(), &platform::FileListBox::Click);
    const QPoint centre = testsupport::centreOf(*File1(), testsupport::rowsOf(*File1(), "first.scr").first());
    // A double-click as the window system delivers it: press, release, double-click press, release.
    QTest::mouseClick(File1()->viewport(), Qt::LeftButton, {}, centre); // draws the file
    QTest::mouseDClick(File1()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(File1()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(1)));
}

TEST_F(Navigator, NamesOfEveryKindAreListedAndOpened)
{
    const struct
    {
        std::string name; // as the file system holds it
        QString shown;    // as the list shows it
    } names[] = {
        { "with  spaces .scr", "with  spaces .scr" },
        { "\"quoted\" 'name'.scr", "\"quoted\" 'name'.scr" },
        { "back\\slash.scr", "back\\slash.scr" },
        { "new\nline.scr", "new\nline.scr" },
        { "-leading-dash.scr", "-leading-dash.scr" },
        { std::string(251, 'n') + ".scr", QString(251, 'n') + ".scr" }, // 255 bytes, the most a name may have
        { "Экран 🎨.scr", "Экран 🎨.scr" },
        { "\xC9" "cran.scr", "\\xC9cran.scr" },
    };
    unsigned seed = 60;
    ReportCatcher reports;
    for (const auto &n : names) {
        const auto bytes = testsupport::patternedScreen(++seed);
        dir.write(n.name, bytes);
        Dir1()->setPath(q(dir.path() + "/other"));
        Dir1()->setPath(q(dir.path()));
        selectFile(n.shown);
        EXPECT_TRUE(reports.texts.isEmpty()) << reports.texts.join("|").toStdString();
        reports.texts.clear();
        EXPECT_EQ(platform::encodeFileName(File1()->FileName()).toStdString(), n.name);
        EXPECT_EQ(picture(), testsupport::decodeScreen(bytes)) << n.shown.toStdString();
    }
}

TEST_F(Navigator, DirectoriesLargeDeepUnreadableOrGoneAreListedOrRefused)
{
    // 100,000 files.
    const std::string many = dir.makeDirectory("many");
    for (int i = 0; i < 100000; ++i)
        ::close(::open((many + "/" + std::to_string(i) + ".scr").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    Dir1()->setPath(q(dir.path() + "/pictures"));
    Dir1()->setPath(q(many));
    EXPECT_EQ(File1()->Path(), q(many));
    EXPECT_EQ(File1()->count(), 0) << "the rest of a large directory is read in the background";
    bool listed = false;
    File1()->whenListed([&listed] { listed = true; });
    ASSERT_TRUE(QTest::qWaitFor([&listed] { return listed; }));
    ASSERT_EQ(File1()->count(), 100000);
    EXPECT_EQ(testsupport::textAt(*File1(), 99999), "99999.scr") << "in the order of their numbers";
    // A newer path wins over a reading still going on.
    Dir1()->setPath(q(dir.path()));
    Dir1()->setPath(q(many));
    Dir1()->setPath(q(dir.path() + "/pictures"));
    ASSERT_TRUE(testsupport::backgroundReadingsEnded());
    EXPECT_EQ(File1()->Path(), q(dir.path() + "/pictures"));
    EXPECT_EQ(File1()->count(), 1);

    // 200 levels deep.
    std::string deep = dir.path();
    for (int level = 0; level < 200; ++level)
        deep += "/d";
    std::filesystem::create_directories(deep);
    Dir1()->setPath(q(deep));
    EXPECT_EQ(Dir1()->Path(), q(deep));
    EXPECT_EQ(Dir1()->count(), Dir1()->currentRow() + 1) << "the chain down to it, and no subdirectories";

    // Unreadable (no permission at all, or only to pass through) or gone: opening it is reported
    // with its reason, and the lists stay.
    const struct
    {
        const char *name;
        std::filesystem::perms mode;
        const char *report;
    } refused[] = {
        { "locked", std::filesystem::perms::none, "Run-time error '70':" },
        { "passOnly", std::filesystem::perms(0111), "Run-time error '70':" },
        { "gone", std::filesystem::perms(0755), "Run-time error '76':" },
    };
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    for (const auto &r : refused)
        std::filesystem::permissions(dir.makeDirectory(r.name), r.mode);
    Dir1()->setPath(q(dir.path()));
    std::filesystem::remove(dir.path() + "/gone");
    for (const auto &r : refused) {
        ReportCatcher reports;
        testsupport::Unprivileged user;
        testsupport::setCurrentRow(*Dir1(), testsupport::rowsOf(*Dir1(), r.name, Qt::MatchEndsWith).first());
        QTest::keyClick(Dir1(), Qt::Key_Return);
        EXPECT_EQ(Dir1()->Path(), q(dir.path())) << r.name;
        EXPECT_EQ(File1()->Path(), q(dir.path())) << r.name;
        ASSERT_EQ(reports.texts.size(), 1) << r.name;
        EXPECT_TRUE(reports.texts[0].startsWith(r.report)) << reports.texts[0].toStdString();
        EXPECT_TRUE(reports.texts[0].contains(q(dir.path() + "/" + r.name))) << reports.texts[0].toStdString();
        EXPECT_TRUE(reports.texts[0].contains("folder")) << "the advice is about a folder: " << reports.texts[0].toStdString();
    }

    // Removed while shown: choosing a file in it is reported, and the program goes on.
    Dir1()->setPath(q(dir.path() + "/pictures"));
    std::filesystem::remove_all(dir.path() + "/pictures");
    ReportCatcher reports;
    selectFile("inner.scr");
    ASSERT_EQ(reports.texts.size(), 1);
    EXPECT_TRUE(reports.texts[0].startsWith("Run-time error '76':")) << reports.texts[0].toStdString();
    Dir1()->setPath(q(dir.path()));
    selectFile("first.scr");
    EXPECT_EQ(picture(), testsupport::decodeScreen(testsupport::patternedScreen(1)));
}

TEST(NavigatorStart, AWorkingDirectoryDeletedBeforeTheStartLeavesTheListsUsable)
{
    testsupport::TempDir dir;
    const std::string gone = dir.makeDirectory("gone");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    frmMain window;
    window.show();
    std::filesystem::current_path(before);
    auto *Drive1 = window.findChild<platform::DriveListBox *>("Drive1");
    auto *Dir1 = window.findChild<platform::DirListBox *>("Dir1");
    auto *File1 = window.findChild<platform::FileListBox *>("File1");
    EXPECT_EQ(File1->count(), 0);
    EXPECT_EQ(Dir1->count(), 0);
    Drive1->setSource([&dir] { return QList<platform::MountedDrive> { { q(dir.path()), "", q(dir.path()) } }; });
    Drive1->setCurrentIndex(0);
    EXPECT_EQ(Dir1->Path(), q(dir.path())) << "a drive can be chosen";
}

TEST(NavigatorStart, FromAWorkingDirectoryOnAnUnlistedMountEveryDriveAndDirectoryAboveIsReachable)
{
    // /dev/shm is a memory file system, which the drive list leaves out.
    if (!std::filesystem::is_directory("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm here";
    testsupport::TempDir shm("/dev/shm");
    const std::string start = shm.makeDirectory("start");
    struct WorkingDirectory
    {
        std::filesystem::path before = std::filesystem::current_path();
        explicit WorkingDirectory(const std::string &path) { std::filesystem::current_path(path); }
        ~WorkingDirectory() { std::filesystem::current_path(before); }
    } workingDirectory(start);
    frmMain window;
    auto *Drive1 = window.findChild<platform::DriveListBox *>("Drive1");
    auto *Dir1 = window.findChild<platform::DirListBox *>("Dir1");

    const QString holder = Drive1->Drive().root;
    EXPECT_TRUE(platform::isWithin(q(start), holder));
    EXPECT_EQ(testsupport::dataAt(*Dir1, 0, platform::DirectoryChainModel::PathRole).toString(), holder) << "the chain starts at the drive's root";
    EXPECT_EQ(Dir1->Path(), q(start));

    // Choosing the selected drive again moves the directory list to it.
    Dir1->setPath(q(shm.path()));
    Drive1->show();
    Drive1->showPopup();
    QTest::keyClick(Drive1->view(), Qt::Key_Return);
    EXPECT_EQ(Dir1->Path(), q(start)) << "the drive's current directory";
}

} // namespace
} // namespace windowtest
