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

    lblLevel = label(this, tr("Game Over!"), {2040, 0, 3735, 615}, 26.25, Look::DarkBlue);
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->setAlignment(Qt::AlignCenter);
    Look::growToFit(lblLevel, Qt::AlignHCenter);
    lblLevel->setAutoFillBackground(true);
    QPalette heading = lblLevel->palette();
    heading.setColor(QPalette::Window, Qt::white);
    lblLevel->setPalette(heading);

    Look::growToFit(label(this, tr("Your Score:"), {2880, 840, 1695, 375}, 12), Qt::AlignRight);
    lblScore = label(this, QStringLiteral("0"), {4560, 840, 1695, 375}, 12, QColor(0, 0, 255));
    lblScore->setObjectName(QStringLiteral("lblScore"));
    AccessibleNames::nameValue(lblScore, tr("Your Score"));

    buildFrameTopScore();
    buildFrameNotTop();
}

void GameOverDialog::buildFrameTopScore()
{
    frameTopScore = new QGroupBox(this);
    frameTopScore->setObjectName(QStringLiteral("frameTopScore"));
    frameTopScore->setGeometry(Look::twips(QRect(240, 1440, 8175, 2295)));

    label(frameTopScore, tr("New High Score!"), {2640, 240, 2415, 495}, 12);
    deepen(label(frameTopScore, tr("Write your name:"), {120, 720, 1455, 375}, DefaultPoints));
    InkPicture1 = new InkPicture(SignatureSurface, frameTopScore);
    InkPicture1->setObjectName(QStringLiteral("InkPicture1"));
    InkPicture1->move(Look::twips(1680), Look::twips(600));
    butClear = button(frameTopScore, tr("Clear"), "butClear", {6960, 600, 975, 375});
    butOKWrite = button(frameTopScore, tr("Submit"), "butOKWrite", {6960, 960, 975, 375});

    deepen(label(frameTopScore, tr("OR type your name:"), {120, 1680, 1455, 375}, DefaultPoints));
    txtName = new QLineEdit(frameTopScore);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(Look::twips(QRect(1680, 1680, 5055, 375)));
    // A longer name could push the table past what its readers take in.
    txtName->setMaxLength(MaxTypedName);
    txtName->installEventFilter(this);
    butOkType = button(frameTopScore, tr("Submit"), "butOkType", {6960, 1680, 975, 375});

    using AccessibleNames::name;
    name(frameTopScore, tr("New High Score"));
    name(InkPicture1, tr("Handwritten name"), tr("Write your name here with a pen or the mouse"));
    name(butClear, tr("Clear"), tr("Wipes out the handwritten name"));
    name(butOKWrite, tr("Submit handwritten name"));
    name(txtName, tr("Typed name"));
    name(butOkType, tr("Submit typed name"));
    connect(butClear, &QPushButton::clicked, this, &GameOverDialog::butClear_Click);
    connect(butOKWrite, &QPushButton::clicked, this, &GameOverDialog::butOKWrite_Click);
    connect(butOkType, &QPushButton::clicked, this, &GameOverDialog::butOkType_Click);
}

void GameOverDialog::buildFrameNotTop()
{
    frameNotTop = new QGroupBox(this);
    frameNotTop->setObjectName(QStringLiteral("frameNotTop"));
    frameNotTop->setGeometry(Look::twips(QRect(240, 1440, 8175, 1695)));
    label(frameNotTop, tr("Alas, you did not score in the top ten."), {720, 240, 7095, 615}, 15.75);
    AccessibleNames::name(frameNotTop, tr("Not in the top ten"));
    butBummer = button(frameNotTop, tr("Bummer"), "butBummer", {3120, 960, 1335, 495});
    connect(butBummer, &QPushButton::clicked, this, &GameOverDialog::butBummer_Click);
}

bool GameOverDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtName && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->text().isEmpty() ? 0 : key->text().at(0).unicode();
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (txtName_KeyPress(enter ? 13 : code))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void GameOverDialog::keyPressEvent(QKeyEvent* event)
{
    // A dialog takes Escape for its close box; here that would throw away a score that made the
    // table. Only Submit, Enter in the name box and the close box itself end the name entry.
    if (event->key() == Qt::Key_Escape && !frameTopScore->isHidden())
        return;
    QDialog::keyPressEvent(event);
}

void GameOverDialog::load()
{
    LoadScores();
    lblScore->setText(QString::number(yourScore));
    // Equal to the tenth best is not enough: the older entry keeps its place.
    const bool top = yourScore > m_scores.topScores[ScoreEntries - 1];
    frameTopScore->setVisible(top);
    frameNotTop->setVisible(!top);
    if (top) {
        txtName->setFocus();
    } else {
        butBummer->setDefault(true);
        butBummer->setFocus();
    }
}

void GameOverDialog::butOkType_Click()
{
    // A pasted name can hold line breaks, which would split its entry in the file.
    const QString name = stripLineBreaks(txtName->text());
    SaveScore(name.isEmpty() ? QStringLiteral("Anonymous") : name, yourScore, TypedName);
    accept();
}

bool GameOverDialog::txtName_KeyPress(int KeyAscii)
{
    if (KeyAscii != 13)
        return false;
    butOkType_Click();
    return true;
}

void GameOverDialog::butOKWrite_Click()
{
    // An empty surface is saved too: the entry is then a signature without strokes.
    const QString text = stripLineBreaks(Base64::encode(InkPicture1->Ink().save()));
    SaveScore(text, yourScore, HandwrittenName);
    accept();
}

void GameOverDialog::butClear_Click()
{
    InkPicture1->setInkEnabled(false);
    InkPicture1->DeleteStrokes();
    InkPicture1->setInkEnabled(true);
}

void GameOverDialog::butBummer_Click() { reject(); }

void GameOverDialog::LoadScores() { ::loadScores(m_scoresPath, m_scores); }

void GameOverDialog::SaveScore(const QString& name, std::int32_t score, Int16 kind)
{
    if (::saveScore(m_scoresPath, m_scores, name, score, kind))
        m_newEntryPlace = ::newEntryPlace(m_scores, score);
    else
        QMessageBox::warning(this, tr("Game Over"), tr("Your score could not be saved in %1.").arg(m_scoresPath));
}
