#include "editor/SettingsPanel.h"

#include "editor/LevelDocument.h"
#include "editor/SettingBox.h"
#include "ui/AccessibleNames.h"
#include "ui/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

const SettingRange BonusRange{10, 500, 1, 100, 20, QStringLiteral("100")};
const SettingRange TurtleRange{50, 3000, 100, 250, 100, QStringLiteral("1500")};
const SettingRange DogRange{50, 3000, 100, 250, 100, QStringLiteral("1000")};

QLabel* caption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    return label;
}

SettingBox* setting(QWidget* parent, const SettingRange& range, const char* name, int top)
{
    auto* box = new SettingBox(parent, range);
    box->slider->setObjectName(QStringLiteral("slider") + QLatin1String(name));
    box->text->setObjectName(QStringLiteral("txt") + QLatin1String(name));
    box->slider->setGeometry(70, top, 116, 24);
    box->text->setGeometry(190, top, 38, 21);
    return box;
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frameControl"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setFixedSize(PanelWidth, PanelHeight);
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    caption(this, tr("Selected Item"), {16, 10, 90, 18});
    pictSelected = new QLabel(this);
    pictSelected->setObjectName(QStringLiteral("pictSelected"));
    pictSelected->setGeometry(24, 30, 38, 38);
    pictSelected->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictSelected->setAlignment(Qt::AlignCenter);

    butTest = new QPushButton(tr("Test Level"), this);
    butTest->setObjectName(QStringLiteral("butTest"));
    butTest->setGeometry(104, 32, 89, 33);
    butTest->setAutoDefault(false);  // Enter in a box must not press it

    QLabel* music = caption(this, tr("Music File:"), {8, 80, 62, 20});
    txtMusicFile = new QLineEdit(this);
    txtMusicFile->setObjectName(QStringLiteral("txtMusicFile"));
    txtMusicFile->setGeometry(72, 80, 129, 21);
    butMusic = new QPushButton(QStringLiteral("..."), this);
    butMusic->setObjectName(QStringLiteral("butMusic"));
    butMusic->setGeometry(206, 80, 21, 21);
    butMusic->setAutoDefault(false);

    QLabel* bonusCaption = caption(this, tr("Bonus:"), {8, 106, 60, 18});
    bonus = setting(this, BonusRange, "Bonus", 104);
    QLabel* turtleCaption = caption(this, tr("Turtle/Foot Speed"), {8, 132, 62, 30});
    turtle = setting(this, TurtleRange, "Turtle", 135);
    QLabel* dogCaption = caption(this, tr("Dog/Alien Speed"), {8, 164, 62, 30});
    dog = setting(this, DogRange, "Dog", 167);
    widenCaptions({music, bonusCaption, turtleCaption, dogCaption});
    nameControls();
}

void SettingsPanel::widenCaptions(std::initializer_list<QLabel*> captions)
{
    // The settings' captions share a column: a translation that needs more room widens the column,
    // and the boxes and sliders right of it, and with them the panel, move over.
    int wider = 0;
    for (const QLabel* label : captions)
        wider = std::max(wider, Look::widthLacking(label));
    for (QLabel* label : captions)
        label->resize(label->width() + wider, label->height());
    for (QWidget* control : {static_cast<QWidget*>(txtMusicFile), static_cast<QWidget*>(butMusic)})
        control->move(control->x() + wider, control->y());
    for (const SettingBox* box : {bonus, turtle, dog})
        for (QWidget* control : {static_cast<QWidget*>(box->slider), static_cast<QWidget*>(box->text)})
            control->move(control->x() + wider, control->y());
    setFixedSize(PanelWidth + wider, PanelHeight);
}

void SettingsPanel::nameControls()
{
    using AccessibleNames::name;
    name(this, tr("Level Settings"));
    name(pictSelected, tr("Selected Item"));
    // Named by its text, which says whether a test runs.
    butTest->setAccessibleDescription(tr("Plays the level on the board; End Test brings back the board as it was"));
    name(txtMusicFile, tr("Music File"), tr("The music played during the level: a file in the audio folder"));
    name(butMusic, tr("Choose Music File"), tr("Opens a file dialog to choose the level's music"));
    const QString enter = tr("Enter sets the slider to the number typed");
    name(bonus->slider, tr("Bonus"), tr("Bonus seconds at the level's start, from 10 to 500"));
    name(bonus->text, tr("Bonus seconds"), enter);
    name(turtle->slider, tr("Turtle and Foot Speed"),
         tr("Milliseconds between two steps of the turtles and feet, from 50 to 3000"));
    name(turtle->text, tr("Turtle and Foot milliseconds"), enter);
    name(dog->slider, tr("Dog and Alien Speed"),
         tr("Milliseconds between two steps of the dogs and aliens, from 50 to 3000"));
    name(dog->text, tr("Dog and Alien milliseconds"), enter);
}

LevelSettingsText SettingsPanel::settings() const
{
    return {txtMusicFile->text(), bonus->text->text(), turtle->text->text(), dog->text->text()};
}

void SettingsPanel::follow(LevelDocument& document)
{
    connect(&document, &LevelDocument::settingChanged, this, &SettingsPanel::showSetting);
    connect(txtMusicFile, &QLineEdit::textChanged, &document,
            [&document](const QString& text) { document.typed(LevelSetting::Music, text); });
    for (const LevelSetting setting : {LevelSetting::Bonus, LevelSetting::Turtle, LevelSetting::Dog}) {
        connect(box(setting)->text, &QLineEdit::textChanged, &document,
                [&document, setting](const QString& text) { document.typed(setting, text); });
        connect(box(setting), &SettingBox::changed, &document,
                [&document, setting](const QString& before, const QString& after, int drag) {
                    document.recordSetting(setting, before, after, drag);
                });
    }
}

void SettingsPanel::showSetting(LevelSetting setting, const QString& text)
{
    if (setting == LevelSetting::Music)
        txtMusicFile->setText(text);
    else
        box(setting)->show(text);
}

SettingBox* SettingsPanel::box(LevelSetting setting) const
{
    return setting == LevelSetting::Bonus ? bonus : setting == LevelSetting::Turtle ? turtle : dog;
}
