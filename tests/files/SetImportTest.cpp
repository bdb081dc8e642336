// Level sets between their folders and their files: the shipped pack exported and known where it
// is shipped, a set imported twice, a name taken, a name that would be a path, a bad level.

#include "files/sets/SetImport.h"
#include "files/FileBytes.h"
#include "files/sets/SetPaths.h"
#include "tests/support/FileTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Shipped = QStringLiteral(PONDRAKE_DATA_DIR "/levels");

}  // namespace

// Exported, the shipped pack holds every level; imported where it is shipped, it is known there
// and not copied. (A set's levels travel byte for byte through the level sets' window.)
TEST(SetFolder, TheShippedPackIsKnownWhereItIsShipped)
{
    const SetGathering exported = gatherSet(Shipped, {ShippedSetName, QStringLiteral("Kim"), {}, {}});
    ASSERT_TRUE(exported.set) << exported.problem.english().toStdString();
    EXPECT_EQ(exported.set->levels.size(), std::size_t(countSetLevels(Shipped)));
    QTemporaryDir player;
    const SetImport shipped = importSet(*exported.set, player.path(), {Shipped});
    EXPECT_EQ(shipped.outcome, SetImport::Outcome::Known);
    EXPECT_EQ(std::pair(shipped.folder, shipped.name), std::pair(Shipped, ShippedSetName));
    EXPECT_TRUE(importedSets(player.path()).isEmpty());

    // A level that does not read whole refuses the whole export, named.
    QTemporaryDir broken;
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(QFile::copy(levelPathInSet(Shipped, Int16(n)), levelPathInSet(broken.path(), Int16(n))));
    ASSERT_TRUE(replaceFile(levelPathInSet(broken.path(), 2), readFile(levelPathInSet(Shipped, 2)).left(100)));
    const Phrase problem = gatherSet(broken.path(), {QStringLiteral("Broken"), {}, {}, {}}).problem;
    EXPECT_TRUE(problem.english().startsWith("level 2 cannot be read as a level: it stops at line"));
}

TEST(SetFolder, ASetImportedAgainIsKnownAndANameTakenGetsANumber)
{
    QTemporaryDir data;
    const SetFile rocks{QStringLiteral("Rocks"), {}, {}, {readFile(levelPathInSet(Shipped, 1))}};
    const SetImport first = importSet(rocks, data.path());
    ASSERT_EQ(first.outcome, SetImport::Outcome::Added);
    // A killed import leaves a hidden folder that is no set, gone at the next import.
    ASSERT_TRUE(QDir().mkpath(data.filePath("sets/.import-killed")));
    EXPECT_EQ(importedSets(data.path()), QStringList{first.folder});

    SetFile renamed = rocks;
    renamed.name = QStringLiteral("Stones");
    const SetImport known = importSet(renamed, data.path());
    EXPECT_EQ(known.outcome, SetImport::Outcome::Known);
    EXPECT_EQ(known.folder, first.folder);
    EXPECT_EQ(known.name, "Rocks");
    EXPECT_FALSE(QFileInfo::exists(data.filePath("sets/.import-killed")));

    SetFile other = rocks;
    other.levels = {readFile(levelPathInSet(Shipped, 2))};
    const SetImport twin = importSet(other, data.path());
    ASSERT_EQ(twin.outcome, SetImport::Outcome::Added);
    EXPECT_EQ(twin.name, "Rocks (2)");
    EXPECT_EQ(twin.folder, data.filePath("sets/Rocks (2)"));
    EXPECT_EQ(levelSetName(twin.folder, {}, data.path()).english(), "Rocks (2)");
    const SetFile longName{QString(MaxSetNameLength, u'r'), {}, {}, {readFile(levelPathInSet(Shipped, 3))}};
    ASSERT_EQ(importSet(longName, data.path()).outcome, SetImport::Outcome::Added);
    other.name = longName.name;
    other.levels = {readFile(levelPathInSet(Shipped, 4))};
    EXPECT_EQ(importSet(other, data.path()).name, QString(MaxSetNameLength - 4, u'r') + " (2)") << "a name a set takes";
}

// A set's name is never a path: whatever a stranger calls a set, its folder lies inside sets/.
TEST(SetFolder, ANameBecomesAFolderNameInsideSets)
{
    const struct {
        QString name;
        QString folder;
    } rows[] = {
        {"Rocks", "Rocks"},
        {"..", "_.."},
        {"a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i"},
        {"tab\there\x7f", "tab_here_"},
        {"  spaced  ", "spaced"},
        {"   ", "set"},
        {"CON", "_CON"},
        {"console", "console"},
        {QString(70, u'\u6c60'), QString(66, u'\u6c60')},  // 200 bytes of UTF-8 at most
        {QString::fromUtf8("\xF0\x9F\x90\xA2").repeated(60), QString::fromUtf8("\xF0\x9F\x90\xA2").repeated(50)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(safeSetFolderName(row.name), row.folder) << row.name.toStdString();
}
