#include "files/MusicPath.h"

#include <gtest/gtest.h>

TEST(MusicPath, OnlyABareFileNameNamesAFileInTheAudioFolder)
{
    struct Case {
        const char* name;
        bool bare;
    };
    const Case cases[] = {
        {"pond1.mid", true},   {"my song.mp3", true},     {".hidden.mid", true}, {"..mid", true},
        {"", false},           {".", false},              {"..", false},         {"../x.mid", false},
        {"sub/x.mid", false},  {"..\\x.mid", false},      {"x.mid/", false},     {"/etc/passwd", false},
        {"\\\\host\\x", false},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(isBareFileName(name), c.bare) << c.name;
        EXPECT_EQ(MusicPath(QStringLiteral("/game"), name), c.bare ? QStringLiteral("/game/audio/") + name : QString())
            << c.name;
    }
}
