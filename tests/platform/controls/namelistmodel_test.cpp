// The lists' name model: exact names kept, escaped names shown, any name found by one lookup.
#include "platform/controls/directorychainmodel.h"
#include "platform/controls/namelistmodel.h"
#include "platform/filesystem/filename.h"
#include "support/qtprinters.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using platform::NameListModel;

TEST(NameListModel, KeepsExactNamesShowsThemEscapedAndFindsThemAfterEveryListing)
{
    NameListModel model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    const QString latin1 = platform::decodeFileName(QByteArray("caf\xE9.scr"));
    model.setNames({ "a.scr", latin1, "b.scr" });
    EXPECT_EQ(resets.count(), 1) << "a listing is one reset";
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(1).data(Qt::DisplayRole).toString(), "caf\\xE9.scr");
    EXPECT_EQ(model.index(1).data(NameListModel::ExactNameRole).toString(), latin1);
    EXPECT_EQ(model.rowOf(latin1), 1);
    EXPECT_EQ(model.rowOf("caf\\xE9.scr"), -1) << "found by its exact name, not its shown one";

    model.setNames({ "b.scr", "c.scr" });
    EXPECT_EQ(model.rowOf("b.scr"), 0) << "the lookup follows the new listing";
    EXPECT_EQ(model.rowOf("a.scr"), -1);
    EXPECT_EQ(model.nameAt(5), QString()) << "no row, no name";
    EXPECT_FALSE(model.index(5).data().isValid());
}

TEST(DirectoryChainModel, GivesEveryEntryItsPathDepthAndLevel)
{
    platform::DirectoryChainModel model;
    model.setChain("/media/DISK", "/media/DISK/games/old", { "a", "b" });
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.chainLength(), 3);
    const QStringList paths { "/media/DISK", "/media/DISK/games", "/media/DISK/games/old", "/media/DISK/games/old/a", "/media/DISK/games/old/b" };
    const QStringList shown { "/media/DISK", "games", "old", "a", "b" };
    const int depths[] = { 0, 1, 2, 3, 3 };
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(model.pathAt(row), paths[row]);
        EXPECT_EQ(model.index(row).data(platform::DirectoryChainModel::PathRole).toString(), paths[row]);
        EXPECT_EQ(model.index(row).data().toString(), shown[row]);
        EXPECT_EQ(model.index(row).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Level %1").arg(depths[row] + 1));
    }
}

} // namespace
