// A handwritten name: the strokes and their bytes.
// What damaged handwriting in a score file shows is tabled in malformed/outcomes.txt.

#include "files/InkStrokes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QSize Surface(337, 49);

InkStrokes signature()
{
    InkStrokes ink(Surface);
    ink.beginStroke({-5, 100}, 2.0);                      // kept on the surface, at full pressure
    EXPECT_TRUE(ink.extendStroke({-5, 100}, 2.0));        // a resting pen adds nothing, and is no fault
    ink.extendStroke({500, std::nan("")}, std::nan(""));  // NaN, as from a broken device, is 0
    ink.beginStroke({1.5, 2.25}, 0.75);                   // a dot
    return ink;
}

}  // namespace

// Little-endian: "PINK", version, surface, stroke count, then each stroke's point count and points
// (x and y in sixteenths of a pixel, pressure 0 to 255). Bytes cut short load nothing.
TEST(InkStrokes, SavesItsOwnFormatAndLoadsWhatItSavedWhole)
{
    const QByteArray saved = signature().save();
    EXPECT_EQ(saved, QByteArray("PINK\x01\x00\x51\x01\x31\x00\x02\x00"
                                "\x02\x00\x00\x00\x10\x03\xff\x10\x15\x00\x00\x00"
                                "\x01\x00\x18\x00\x24\x00\xbf",
                                31));
    InkStrokes ink;
    EXPECT_FALSE(ink.extendStroke({1, 1}, 0.5));  // no stroke begun
    ASSERT_TRUE(ink.load(InkStrokes(Surface).save()) && ink.isEmpty() && ink.surfaceSize() == Surface);
    ASSERT_TRUE(ink.load(saved));
    EXPECT_EQ(ink, signature());
    for (qsizetype size = 0; size < saved.size(); ++size) {
        EXPECT_FALSE(ink.load(saved.left(size))) << size;
        EXPECT_EQ(ink, signature()) << size;  // as it was
    }
}

// At 512 strokes or 16384 points; a full ink loads.
TEST(InkStrokes, StopsRecordingWhenFull)
{
    InkStrokes ink(Surface);
    for (int i = 0; i < InkStrokes::MaxStrokes; ++i)
        ASSERT_TRUE(ink.beginStroke({double(i % 300), 1}, 0.5));
    EXPECT_FALSE(ink.beginStroke({1, 1}, 0.5));
    ink.deleteStrokes();
    for (int i = 0; i < InkStrokes::MaxPoints; ++i)
        ASSERT_TRUE(i == 0 ? ink.beginStroke({0, 0}, 0.5) : ink.extendStroke({double(i % 337), double(i % 2)}, 0.5));
    EXPECT_FALSE(ink.extendStroke({3, 3}, 0.5) || ink.beginStroke({3, 3}, 0.5));
    EXPECT_TRUE(InkStrokes().load(ink.save()));
}
