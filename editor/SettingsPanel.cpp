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
    box->slider()->setObjectName(QLatin1String(name) + QStringLiteral("Slider"));
    box->edit()->setObjectName(QLatin1String(name) + QStringLiteral("Edit"));
    box->slider()->setGeometry(70, top, 116, 24);
    box->edit()->setGeometry(190, top, 38, 21);
    return box;
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("settingsPanel"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setFixedSize(PanelWidth, PanelHeight);
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    caption(this, tr("Selected Item"), {16, 10, 90, 18});
    m_selectedPicture = new QLabel(this);
    m_selectedPicture->setObjectName(QStringLiteral("selectedPicture"));
    m_selectedPicture->setGeometry(24, 30, 38, 38);
    m_selectedPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_selectedPicture->setAlignment(Qt::AlignCenter);

    m_testButton = new QPushButton(tr("Test Level"), this);
    m_testButton->setObjectName(QStringLiteral("testButton"));
    m_testButton->setGeometry(104, 32, 89, 33);
    m_testButton->setAutoDefault(false);  // Enter in a box must not press it
    m_testButton->setShortcut(TestKey);

    QLabel* music = caption(this, tr("Music File:"), {8, 80, 62, 20});
    m_musicFileEdit = new QLineEdit(this);
    m_musicFileEdit->setObjectName(QStringLiteral("musicFileEdit"));
    m_musicFileEdit->setGeometry(72, 80, 129, 21);
    m_musicButton = new QPushButton(QStringLiteral("..."), this);
    m_musicButton->setObjectName(QStringLiteral("musicButton"));
    m_musicButton->setGeometry(206, 80, 21, 21);
    m_musicButton->setAutoDefault(false);

    QLabel* bonusCaption = caption(this, tr("Bonus:"), {8, 106, 60, 18});
    m_bonus = setting(this, BonusRange, "bonus", 104);
    QLabel* turtleCaption = caption(this, tr("Turtle/Foot Speed"), {8, 132, 62, 30});
    m_turtle = setting(this, TurtleRange, "turtle", 135);
    QLabel* dogCaption = caption(this, tr("Dog/Alien Speed"), {8, 164, 62, 30});
    m_dog = setting(this, DogRange, "dog", 167);
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
    for (QWidget* control : {static_cast<QWidget*>(m_musicFileEdit), static_cast<QWidget*>(m_musicButton)})
        control->move(control->x() + wider, control->y());
    for (const SettingBox* box : {m_bonus, m_turtle, m_dog})
        for (QWidget* control : {static_cast<QWidget*>(box->slider()), static_cast<QWidget*>(box->edit())})
            control->move(control->x() + wider, control->y());
    setFixedSize(PanelWidth + wider, PanelHeight);
}

void SettingsPanel::nameControls()
{
    using AccessibleNames::name;
    name(this, tr("Level Settings"));
    name(m_selectedPicture, tr("Selected Item"));
    // Named by its text, which says whether a test runs.
    m_testButton->setAccessibleDescription(
        tr("Plays the level on the board; End Test brings back the board as it was"));
    name(m_musicFileEdit, tr("Music File"), tr("The music played during the level: a file in the audio folder"));
    name(m_musicButton, tr("Choose Music File"), tr("Opens a file dialog to choose the level's music"));
    const QString enter = tr("Enter sets the slider to the number typed");
    name(m_bonus->slider(), tr("Bonus"), tr("Bonus seconds at the level's start, from 10 to 500"));
    name(m_bonus->edit(), tr("Bonus seconds"), enter);
    name(m_turtle->slider(), tr("Turtle and Foot Speed"),
         tr("Milliseconds between two steps of the turtles and feet, from 50 to 3000"));
    name(m_turtle->edit(), tr("Turtle and Foot milliseconds"), enter);
    name(m_dog->slider(), tr("Dog and Alien Speed"),
         tr("Milliseconds between two steps of the dogs and aliens, from 50 to 3000"));
    name(m_dog->edit(), tr("Dog and Alien milliseconds"), enter);
}

LevelTexts SettingsPanel::settings() const
{
    return {m_musicFileEdit->text().toStdString(), m_bonus->edit()->text().toStdString(),
            m_turtle->edit()->text().toStdString(), m_dog->edit()->text().toStdString()};
}

void SettingsPanel::follow(LevelDocument& document)
{
    connect(&document, &LevelDocument::settingChanged, this, &SettingsPanel::showSetting);
    connect(m_musicFileEdit, &QLineEdit::textChanged, &document,
            [&document](const QString& text) { document.typed(LevelSetting::Music, text); });
    for (const LevelSetting setting : {LevelSetting::Bonus, LevelSetting::Turtle, LevelSetting::Dog}) {
        connect(box(setting)->edit(), &QLineEdit::textChanged, &document,
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
        m_musicFileEdit->setText(text);
    else
        box(setting)->show(text);
}

SettingBox* SettingsPanel::box(LevelSetting setting) const
{
    return setting == LevelSetting::Bonus ? m_bonus : setting == LevelSetting::Turtle ? m_turtle : m_dog;
}
