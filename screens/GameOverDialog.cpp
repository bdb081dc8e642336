#include "screens/GameOverDialog.h"

#include "files/Base64.h"
#include "files/TextLines.h"
#include "screens/InkPicture.h"
#include "ui/AccessibleNames.h"
#include "ui/Look.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The size of a caption whose size is not given: the classic default of 8.25 points.
constexpr double DefaultPoints = 8.25;

// Captions here may wrap to a second line, as the window's narrow captions need.
QLabel* label(QWidget* parent, const QString& text, const QRect& placeTwips, double points,
              const QColor& colour = Qt::black)
{
    QLabel* caption = Look::label(parent, text, placeTwips, points, colour);
    caption->setWordWrap(true);
    return caption;
}

// A caption left of the name's box takes the lines it needs downwards, never the box's room.
void deepen(QLabel* caption) { caption->resize(caption->width(), caption->height() + Look::heightLacking(caption)); }

QPushButton* button(QWidget* parent, const QString& text, const char* name, const QRect& placeTwips)
{
    auto* push = new QPushButton(text, parent);
    push->setObjectName(QLatin1StringView(name));
    push->setGeometry(Look::twips(placeTwips));
    // Enter must not fall through to whichever button happens to be next in the dialog.
    push->setAutoDefault(false);
    return push;
}

}  // namespace

GameOverDialog::GameOverDialog(const QString& scoresPath, QWidget* parent)
    : FirstShowDialog(parent), m_scoresPath(scoresPath)
{
    setWindowTitle(tr("Game Over"));
    setFixedSize(Look::twips(8445), Look::twips(4290));

    m_levelLabel = label(this, tr("Game Over!"), {2040, 0, 3735, 615}, 26.25, Look::DarkBlue);
    m_levelLabel->setObjectName(QStringLiteral("levelLabel"));
    m_levelLabel->setAlignment(Qt::AlignCenter);
    Look::growToFit(m_levelLabel, Qt::AlignHCenter);
    m_levelLabel->setAutoFillBackground(true);
    QPalette heading = m_levelLabel->palette();
    heading.setColor(QPalette::Window, Qt::white);
    m_levelLabel->setPalette(heading);

    Look::growToFit(label(this, tr("Your Score:"), {2880, 840, 1695, 375}, 12), Qt::AlignRight);
    m_scoreLabel = label(this, QStringLiteral("0"), {4560, 840, 1695, 375}, 12, QColor(0, 0, 255));
    m_scoreLabel->setObjectName(QStringLiteral("scoreLabel"));
    AccessibleNames::nameValue(m_scoreLabel, tr("Your Score"));

    buildTopScoreBox();
    buildNotTopBox();
}

void GameOverDialog::buildTopScoreBox()
{
    m_topScoreBox = new QGroupBox(this);
    m_topScoreBox->setObjectName(QStringLiteral("topScoreBox"));
    m_topScoreBox->setGeometry(Look::twips(QRect(240, 1440, 8175, 2295)));

    label(m_topScoreBox, tr("New High Score!"), {2640, 240, 2415, 495}, 12);
    deepen(label(m_topScoreBox, tr("Write your name:"), {120, 720, 1455, 375}, DefaultPoints));
    m_inkPicture = new InkPicture(SignatureSurface, m_topScoreBox);
    m_inkPicture->setObjectName(QStringLiteral("inkPicture"));
    m_inkPicture->move(Look::twips(1680), Look::twips(600));
    m_clearButton = button(m_topScoreBox, tr("Clear"), "clearButton", {6960, 600, 975, 375});
    m_submitInkButton = button(m_topScoreBox, tr("Submit"), "submitInkButton", {6960, 960, 975, 375});

    deepen(label(m_topScoreBox, tr("OR type your name:"), {120, 1680, 1455, 375}, DefaultPoints));
    m_nameEdit = new QLineEdit(m_topScoreBox);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setGeometry(Look::twips(QRect(1680, 1680, 5055, 375)));
    // A longer name could push the table past what its readers take in.
    m_nameEdit->setMaxLength(MaxTypedName);
    m_nameEdit->installEventFilter(this);
    m_submitNameButton = button(m_topScoreBox, tr("Submit"), "submitNameButton", {6960, 1680, 975, 375});

    using AccessibleNames::name;
    name(m_topScoreBox, tr("New High Score"));
    name(m_inkPicture, tr("Handwritten name"), tr("Write your name here with a pen or the mouse"));
    name(m_clearButton, tr("Clear"), tr("Wipes out the handwritten name"));
    name(m_submitInkButton, tr("Submit handwritten name"));
    name(m_nameEdit, tr("Typed name"));
    name(m_submitNameButton, tr("Submit typed name"));
    connect(m_clearButton, &QPushButton::clicked, this, &GameOverDialog::clearInk);
    connect(m_submitInkButton, &QPushButton::clicked, this, &GameOverDialog::submitHandwriting);
    connect(m_submitNameButton, &QPushButton::clicked, this, &GameOverDialog::submitTypedName);
}

void GameOverDialog::buildNotTopBox()
{
    m_notTopBox = new QGroupBox(this);
    m_notTopBox->setObjectName(QStringLiteral("notTopBox"));
    m_notTopBox->setGeometry(Look::twips(QRect(240, 1440, 8175, 1695)));
    label(m_notTopBox, tr("Alas, you did not score in the top ten."), {720, 240, 7095, 615}, 15.75);
    AccessibleNames::name(m_notTopBox, tr("Not in the top ten"));
    m_bummerButton = button(m_notTopBox, tr("Bummer"), "bummerButton", {3120, 960, 1335, 495});
    connect(m_bummerButton, &QPushButton::clicked, this, &GameOverDialog::closeWithoutEntry);
}

bool GameOverDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_nameEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->text().isEmpty() ? 0 : key->text().at(0).unicode();
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (submitOnEnter(enter ? 13 : code))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void GameOverDialog::keyPressEvent(QKeyEvent* event)
{
    // A dialog takes Escape for its close box; here that would throw away a score that made the
    // table. Only Submit, Enter in the name box and the close box itself end the name entry.
    if (event->key() == Qt::Key_Escape && !m_topScoreBox->isHidden())
        return;
    QDialog::keyPressEvent(event);
}

void GameOverDialog::load()
{
    readTable();
    m_scoreLabel->setText(QLocale().toString(yourScore));
    // Equal to the tenth best is not enough: the older entry keeps its place.
    const bool top = yourScore > m_scores.topScores[ScoreEntries - 1];
    m_topScoreBox->setVisible(top);
    m_notTopBox->setVisible(!top);
    if (top) {
        m_nameEdit->setFocus();
    } else {
        m_bummerButton->setDefault(true);
        m_bummerButton->setFocus();
    }
}

void GameOverDialog::submitTypedName()
{
    // A pasted name can hold line breaks, which would split its entry in the file.
    const QString name = stripLineBreaks(m_nameEdit->text());
    // No name stays none: an empty typed name, which each window shows in its player's language.
    writeEntry(name, yourScore, TypedName);
    accept();
}

bool GameOverDialog::submitOnEnter(int key)
{
    if (key != 13)
        return false;
    submitTypedName();
    return true;
}

void GameOverDialog::submitHandwriting()
{
    // An empty surface is saved too: the entry is then a signature without strokes.
    const QString text = stripLineBreaks(Base64::encode(m_inkPicture->ink().save()));
    writeEntry(text, yourScore, HandwrittenName);
    accept();
}

void GameOverDialog::clearInk()
{
    m_inkPicture->setInkEnabled(false);
    m_inkPicture->deleteStrokes();
    m_inkPicture->setInkEnabled(true);
}

void GameOverDialog::closeWithoutEntry() { reject(); }

void GameOverDialog::readTable() { ::loadScores(m_scoresPath, m_scores); }

void GameOverDialog::writeEntry(const QString& name, std::int32_t score, Int16 kind)
{
    if (::saveScore(m_scoresPath, m_scores, name, score, kind))
        m_newEntryPlace = ::newEntryPlace(m_scores, score);
    else
        QMessageBox::warning(this, tr("Game Over"), tr("Your score could not be saved in %1.").arg(m_scoresPath));
}
