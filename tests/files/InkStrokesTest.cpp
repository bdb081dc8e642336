#include "files/InkStrokes.h"

#include <gtest/gtest.h>

namespace {

const QSize Surface(337, 49);

InkStrokes signature()
{
    InkStrokes ink(Surface);
    ink.beginStroke({1.5, 2.25}, 1.0);
    ink.extendStroke({20, 30}, 0.5);
    ink.extendStroke({40.0625, 12}, 0.0);
    ink.beginStroke({100, 40}, 0.75);  // a dot
    return ink;
}

void putU16(QByteArray& bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8);
}

}  // namespace

TEST(InkStrokes, SavesItsOwnLittleEndianFormatAndLoadsWhatItSaved)
{
    InkStrokes dot(Surface);
    dot.beginStroke({1.5, 2.25}, 1.0);
    EXPECT_EQ(dot.Save(), QByteArray("PINK"
                                     "\x01\x00"              // version
                                     "\x51\x01\x31\x00"      // 337 by 49 pixels
                                     "\x01\x00"              // one stroke
                                     "\x01\x00"              // of one point
                                     "\x18\x00\x24\x00\xff", // 24/16, 36/16, full pressure
                                     19));

    EXPECT_EQ(InkStrokes(Surface).Save().size(), 12); // no strokes

    const InkStrokes ink = signature();
    InkStrokes loaded;
    ASSERT_TRUE(loaded.Load(ink.Save()));
    EXPECT_EQ(loaded, ink);
    EXPECT_EQ(loaded.surfaceSize(), Surface);
    EXPECT_EQ(loaded.pointCount(), 4);
    EXPECT_EQ(loaded.strokes()[0][1].position(), QPointF(20, 30));
    EXPECT_EQ(loaded.strokes()[1][0].pressure, 191);
    ASSERT_TRUE(loaded.Load(InkStrokes(Surface).Save()));
    EXPECT_TRUE(loaded.isEmpty());
}

TEST(InkStrokes, KeepsPointsOnTheSurfaceAndSkipsARestingPen)
{
    InkStrokes ink(Surface);
    ink.beginStroke({-5, 100}, 2.0);
    ink.extendStroke({-5, 100}, 2.0);  // the same point again
    ink.extendStroke({500, std::nan("")}, std::nan(""));
    ASSERT_EQ(ink.strokes()[0].size(), 2u);
    EXPECT_EQ(ink.strokes()[0][0].position(), QPointF(0, 49));
    EXPECT_EQ(ink.strokes()[0][0].pressure, 255);
    EXPECT_EQ(ink.strokes()[0][1].position(), QPointF(337, 0));
    EXPECT_EQ(ink.strokes()[0][1].pressure, 0);
    EXPECT_FALSE(InkStrokes(Surface).extendStroke({1, 1}, 0.5));  // no stroke begun
}

TEST(InkStrokes, StopsRecordingWhenFullAndStillLoadsWhatItSaves)
{
    InkStrokes strokes(Surface);
    for (int i = 0; i < InkStrokes::MaxStrokes; ++i)
        ASSERT_TRUE(strokes.beginStroke({double(i % 300), 1}, 0.5));
    EXPECT_FALSE(strokes.beginStroke({1, 1}, 0.5));

    InkStrokes points(Surface);
    points.beginStroke({0, 0}, 0.5);
    for (int i = 1; i < InkStrokes::MaxPoints; ++i)
        ASSERT_TRUE(points.extendStroke({double(i % 337), double(i % 2)}, 0.5));
    EXPECT_FALSE(points.extendStroke({3, 3}, 0.5));
    EXPECT_FALSE(points.beginStroke({3, 3}, 0.5));

    for (const InkStrokes* full : {&strokes, &points}) {
        InkStrokes loaded;
        EXPECT_TRUE(loaded.Load(full->Save()));
        EXPECT_EQ(loaded, *full);
    }
    points.DeleteStrokes();
    EXPECT_TRUE(points.isEmpty());
    EXPECT_TRUE(points.beginStroke({3, 3}, 0.5));
}

TEST(InkStrokes, RefusesDamagedBytesAndKeepsWhatItHeld)
{
    const QByteArray good = signature().Save();
    std::vector<std::pair<const char*, QByteArray>> bad;
    auto changed = [&](const char* what, qsizetype at, quint16 value) {
        QByteArray bytes = good;
        putU16(bytes, at, value);
        bad.emplace_back(what, bytes);
    };
    bad.emplace_back("empty", QByteArray());
    bad.emplace_back("other magic", QByteArray(good).replace(0, 4, "JUNK"));
    changed("version 2", 4, 2);
    changed("surface too wide", 6, InkStrokes::MaxSide + 1);
    changed("more strokes than the bytes hold", 10, 3);
    changed("fewer strokes than the bytes hold", 10, 1);
    changed("too many strokes", 10, InkStrokes::MaxStrokes + 1);
    changed("a stroke without points", 12, 0);
    changed("a stroke of too many points", 12, InkStrokes::MaxPoints + 1);
    changed("a point right of the surface", 14, 337 * 16 + 1);
    changed("a point below the surface", 16, 49 * 16 + 1);
    bad.emplace_back("a byte too many", good + '\0');
    for (qsizetype size = 0; size < good.size(); ++size)
        bad.emplace_back("cut short", good.left(size));

    for (const auto& [what, bytes] : bad) {
        InkStrokes ink = signature();
        EXPECT_FALSE(ink.Load(bytes)) << what << " (" << bytes.size() << " bytes)";
        EXPECT_EQ(ink, signature()) << what;
    }
}
