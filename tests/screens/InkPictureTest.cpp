#include "screens/InkPicture.h"

#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QSize Surface(337, 49);

void stroke(InkPicture& picture, QPoint from, QPoint to)
{
    QTest::mousePress(&picture, Qt::LeftButton, {}, from);
    QTest::mouseMove(&picture, to);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, to);
}

void sendTablet(InkPicture& picture, QEvent::Type type, QPointF position, double pressure)
{
    static const QPointingDevice pen(QStringLiteral("test pen"), 1, QInputDevice::DeviceType::Stylus,
                                     QPointingDevice::PointerType::Pen, QInputDevice::Capability::Pressure, 1, 3);
    const Qt::MouseButtons buttons = type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton;
    QTabletEvent event(type, &pen, position, picture.mapToGlobal(position), pressure, 0, 0, 0, 0, 0, {},
                       Qt::LeftButton, buttons);
    QApplication::sendEvent(&picture, &event);
    EXPECT_TRUE(event.isAccepted());
}

}  // namespace

TEST(InkPicture, RecordsMouseStrokesAtHalfPressure)
{
    InkPicture picture(Surface);
    picture.show();
    stroke(picture, {10, 10}, {50, 20});
    stroke(picture, {70, 30}, {400, 30});  // dragged beyond the right edge
    ASSERT_EQ(picture.Ink().strokes().size(), 2u);
    EXPECT_EQ(picture.Ink().strokes()[0][1].position(), QPointF(50, 20));
    EXPECT_EQ(picture.Ink().strokes()[0][0].pressure, InkStrokes::MousePressure);
    EXPECT_EQ(picture.Ink().strokes()[1][1].position(), QPointF(337, 30));
}

TEST(InkPicture, IgnoresInputWhileInkIsOff)
{
    InkPicture picture(Surface);
    picture.show();
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    picture.setInkEnabled(false);  // mid-stroke: the stroke ends here
    QTest::mouseMove(&picture, QPoint(20, 20));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(20, 20));
    stroke(picture, {30, 30}, {40, 40});
    ASSERT_EQ(picture.Ink().strokes().size(), 1u);
    EXPECT_EQ(picture.Ink().strokes()[0].size(), 1u);

    picture.setInkEnabled(true);
    stroke(picture, {30, 30}, {40, 40});
    EXPECT_EQ(picture.Ink().strokes().size(), 2u);
}

TEST(InkPicture, TakesThePressureOfATabletPen)
{
    InkPicture picture(Surface);
    picture.show();
    sendTablet(picture, QEvent::TabletPress, {5, 5}, 0.2);
    sendTablet(picture, QEvent::TabletMove, {25, 15}, 0.9);
    sendTablet(picture, QEvent::TabletRelease, {25, 15}, 0.0);
    sendTablet(picture, QEvent::TabletMove, {45, 15}, 0.9);  // hovering after the release
    ASSERT_EQ(picture.Ink().strokes().size(), 1u);
    const InkStroke& written = picture.Ink().strokes()[0];
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].pressure, 51);
    EXPECT_EQ(written[1].pressure, 230);
}

TEST(InkDisplay, ShowsOnlyInkThatLoads)
{
    InkDisplay display(Surface);
    InkStrokes ink(Surface);
    ink.beginStroke({3, 4}, 0.5);
    ASSERT_TRUE(display.Load(ink.Save()));
    EXPECT_EQ(display.Ink(), ink);
    EXPECT_FALSE(display.Load(QByteArray("PINK junk")));
    EXPECT_EQ(display.Ink(), ink);
    EXPECT_EQ(display.size(), Surface);
}
