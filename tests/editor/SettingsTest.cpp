#include "tests/editor/EditorTestSupport.h"

#include "editor/SettingBox.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>

namespace {
using EditorSettings = EditorTest;
}  // namespace

TEST_F(EditorSettings, EnterSetsTheSliderToTheTypedNumberAndTheBoxFollowsOnlyWhenTheSliderMoves)
{
    struct Case {
        QLineEdit* box;
        const char* typed;
        int slider;
        const char* shown;
    };
    const Case cases[] = {
        {editor->txtBonus, "250.5", 250, "250"},      // half to even
        {editor->txtBonus, "251.5", 252, "252"},
        {editor->txtTurtle, "1e3", 1000, "1000"},
        {editor->txtTurtle, "1000.4", 1000, "1000.4"},  // the slider stands there already: no change
        {editor->txtTurtle, "5000", 3000, "3000"},      // kept within the range
        {editor->txtDog, " 700ms", 700, "700"},
        {editor->txtDog, "abc", 50, "50"},              // no number is 0, the bottom of the range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QSignalSpy returnPressed(c.box, &QLineEdit::returnPressed);
        enter(c.box, QLatin1String(c.typed));
        QSlider* slider = editor->findChild<QSlider*>(QStringLiteral("slider") + c.box->objectName().mid(3));
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->value(), c.slider);
        EXPECT_EQ(c.box->text(), QLatin1String(c.shown));
        EXPECT_EQ(returnPressed.count(), 0) << "the Enter key is swallowed";
    }
    EXPECT_TRUE(editor->EditMode()) << "Enter pressed no button";
}

TEST_F(EditorSettings, TextTypedWithoutEnterStaysInTheBoxAndTheSliderWritesItsValueOnEveryMove)
{
    editor->txtBonus->clear();
    QTest::keyClicks(editor->txtBonus, QStringLiteral("12x"));
    EXPECT_EQ(editor->sliderBonus->value(), 100);
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("12x"));

    QTest::keyClick(editor->sliderBonus, Qt::Key_Right);
    EXPECT_EQ(editor->txtBonus->text(), QStringLiteral("101"));
    QTest::keyClick(editor->sliderTurtle, Qt::Key_Right);  // the small step
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("1600"));
    QTest::keyClick(editor->sliderTurtle, Qt::Key_PageDown);  // the large step
    EXPECT_EQ(editor->txtTurtle->text(), QStringLiteral("1350"));
    EXPECT_EQ(editor->sliderTurtle->tickInterval(), 100);
    EXPECT_NE(editor->sliderTurtle->tickPosition(), QSlider::NoTicks);
    QTest::keyClick(editor->sliderDog, Qt::Key_Home);
    EXPECT_EQ(editor->txtDog->text(), QStringLiteral("50"));
}

TEST(SettingBox, OnItsOwnTheBoxFollowsItsSliderAndTheProgramsTextStaysAsGiven)
{
    QWidget panel;
    SettingBox box(&panel, {50, 3000, 100, 250, 100, QStringLiteral("1500")});
    QSignalSpy changed(&box, &SettingBox::changed);
    box.slider->setValue(700);
    EXPECT_EQ(box.text->text(), QStringLiteral("700"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toString(), QStringLiteral("1500"));
    box.show(QStringLiteral("9000"));
    EXPECT_EQ(box.slider->value(), 3000);
    EXPECT_EQ(box.text->text(), QStringLiteral("9000"));
    EXPECT_EQ(changed.count(), 1) << "the program's own setting is no change";
    box.slider->setValue(2900);
    EXPECT_EQ(changed[1][0].toString(), QStringLiteral("9000")) << "what the box showed before";
}
