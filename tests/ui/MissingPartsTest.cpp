#include "ui/MissingParts.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(MissingParts, OneLineSaysWhatIsMissingAndWhatTheGameDoesWithoutIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("images")));
    const QString images = folder.filePath(QStringLiteral("images"));
    const QString gone = folder.filePath(QStringLiteral("audio"));

    EXPECT_EQ(missingPartsLine(images, {}, QStringLiteral("all"), QStringLiteral("some")), QString());
    EXPECT_EQ(missingPartsLine(images, {images + QStringLiteral("/rock.gif"), images + QStringLiteral("/hole.gif")},
                               QStringLiteral("all plain"), QStringLiteral("those plain")),
              QStringLiteral("Pondrake: missing or unreadable in %1: rock.gif, hole.gif; those plain.").arg(images));
    EXPECT_EQ(missingPartsLine(gone, {gone + QStringLiteral("/go.wav")}, QStringLiteral("all silent"),
                               QStringLiteral("those silent")),
              QStringLiteral("Pondrake: the folder %1 is missing; all silent.").arg(gone));
}
