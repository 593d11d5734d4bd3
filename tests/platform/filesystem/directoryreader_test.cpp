// Reading directories, ordering names and joining paths.
#include "platform/fileruntime/runtimeerror.h"
#include "platform/filesystem/directoryreader.h"
#include "platform/filesystem/nameorder.h"
#include "platform/filesystem/paths.h"
#include "support/nameorder.h"
#include "support/qtprinters.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

TEST(Directory, ListsSubdirectoriesAndFilesWithoutHiddenOnes)
{
    testsupport::TempDir dir;
    dir.write("b.scr", {});
    dir.write("A.scr", {});
    dir.write(".hidden.scr", {});
    dir.makeDirectory("pictures");
    dir.makeDirectory(".cache");
    std::filesystem::create_directory_symlink(dir.path() + "/pictures", dir.path() + "/linked");
    std::filesystem::create_symlink(dir.path() + "/nowhere", dir.path() + "/broken");

    const platform::DirectoryListing listing = platform::readDirectory(QString::fromStdString(dir.path()));
    EXPECT_EQ(listing.subdirectories, (QStringList { "linked", "pictures" }));
    EXPECT_EQ(listing.files, (QStringList { "A.scr", "b.scr", "broken" }));
}

TEST(Directory, NamesInAnyScript)
{
    testsupport::TempDir dir;
    const QStringList names { "Экран 1.scr", "画面.scr", "back\\slash.scr", "Ελληνικά.scr", "with  spaces .scr" };
    for (const QString &name : names)
        dir.write(name.toStdString(), {});
    QStringList listed = platform::readDirectory(QString::fromStdString(dir.path())).files;
    QStringList expected = names;
    platform::sortNames(expected);
    EXPECT_EQ(listed, expected);
}

TEST(Directory, ReadInStepsItListsAsWholeAndSubdirectoriesAloneLeaveTheFilesOut)
{
    testsupport::TempDir dir;
    for (int i = 0; i < 30; ++i)
        dir.write("f" + std::to_string(i) + ".scr", {});
    dir.makeDirectory("b");
    dir.makeDirectory("a");
    const QString path = QString::fromStdString(dir.path());
    const platform::DirectoryListing whole = platform::readDirectory(path);

    platform::DirectoryReader reader(path);
    int steps = 1;
    while (!reader.read(7))
        ++steps;
    const platform::DirectoryListing stepped = reader.take();
    EXPECT_EQ(steps, 5) << "34 entries with . and .., 7 at a time";
    EXPECT_EQ(stepped.files, whole.files);
    EXPECT_EQ(stepped.subdirectories, whole.subdirectories);

    const platform::DirectoryListing directories = platform::readDirectory(path, platform::DirectoryReader::Wanted::SubdirectoriesOnly);
    EXPECT_EQ(directories.subdirectories, (QStringList { "a", "b" }));
    EXPECT_TRUE(directories.files.isEmpty());
}

TEST(Directory, UnreadableDirectoriesRaiseErrors)
{
    testsupport::TempDir dir;
    const std::string file = dir.write("file.scr", {});
    const auto numberFor = [](const std::string &path) {
        try {
            platform::readDirectory(QString::fromStdString(path));
        } catch (const platform::RunTimeError &error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(numberFor(dir.path() + "/missing"), platform::RunTimeError::PathNotFound);
    EXPECT_EQ(numberFor(file), platform::RunTimeError::PathNotFound);
    EXPECT_EQ(numberFor(""), platform::RunTimeError::PathNotFound);
}

TEST(Directory, SortsAsAPersonReads)
{
    QStringList names { "screen10.scr", "Screen2.scr", "screen1.scr", "apple.scr", "Zebra.scr", "banana.scr" };
    platform::sortNames(names);
    EXPECT_EQ(names, (QStringList { "apple.scr", "banana.scr", "screen1.scr", "Screen2.scr", "screen10.scr", "Zebra.scr" }));
}

TEST(Directory, TheNameOrderIsAStrictWeakOrderingForAnyNames)
{
    // ASCII and Arabic-Indic digits, letters in both cases, and a byte that is not UTF-8.
    const QStringList pieces { "0", "05", "5", "10", "007", "12345678901234567890", "\u0665", "\u0660\u0665", "a", "A", "b", "\u00df", "-", QString(QChar(0xDCE9)) };
    std::mt19937 random(10);
    std::uniform_int_distribution<qsizetype> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 3);
    QStringList names { "\u0665a", "0\u0665b", "a" }; // these three once formed a cycle
    while (names.size() < 60) {
        QString name;
        for (int i = length(random); i > 0; --i)
            name += pieces[piece(random)];
        names.append(name);
    }
    const auto before = testsupport::namesInOrder;
    for (const QString &a : names) {
        ASSERT_FALSE(before(a, a)) << a.toStdString();
        for (const QString &b : names) {
            ASSERT_FALSE(before(a, b) && before(b, a)) << a.toStdString() << " | " << b.toStdString();
            for (const QString &c : names)
                ASSERT_TRUE(!(before(a, b) && before(b, c)) || before(a, c)) << a.toStdString() << " | " << b.toStdString() << " | " << c.toStdString();
        }
    }
    // Sorting a directory gives that same order.
    QStringList sorted = names, expected = names;
    platform::sortNames(sorted);
    std::sort(expected.begin(), expected.end(), before);
    EXPECT_EQ(sorted, expected);
}

TEST(Directory, JoinPathAddsOneSeparatorExceptAfterARoot)
{
    EXPECT_EQ(platform::joinPath("/", "a.scr"), "/a.scr");
    EXPECT_EQ(platform::joinPath("/home/anna", "a.scr"), "/home/anna/a.scr");
    EXPECT_EQ(platform::joinPath("/media/DISK/", "a b.scr"), "/media/DISK/a b.scr");
}

} // namespace
