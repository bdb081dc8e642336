#include "screens/frmGameOver.h"

#include "files/CBase64.h"
#include "screens/InkPicture.h"
#include "screens/FormLayout.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <limits>

namespace {

// Captions here may wrap to a second line, as the window's narrow captions need.
QLabel* label(const QString& text, QRect geometry, double points, QWidget* parent)
{
    QLabel* caption = placeLabel(text, geometry, points, parent);
    caption->setWordWrap(true);
    return caption;
}

QPushButton* button(const QString& text, const char* name, QRect geometry, QWidget* parent)
{
    auto* push = new QPushButton(text, parent);
    push->setObjectName(QLatin1StringView(name));
    push->setGeometry(geometry);
    // Enter must not fall through to whichever button happens to be next in the dialog.
    push->setAutoDefault(false);
    return push;
}

}  // namespace

frmGameOver::frmGameOver(const QString& programFolder, QWidget* parent)
    : QDialog(parent), m_scoresPath(ScoresPath(programFolder))
{
    setWindowTitle(QStringLiteral("Game Over"));
    setFixedSize(twipsToPixels(8445), twipsToPixels(4290));

    lblLevel = label(QStringLiteral("Game Over!"), twipsRect(2040, 0, 3735, 615), 26.25, this);
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->setAlignment(Qt::AlignCenter);
    lblLevel->setAutoFillBackground(true);
    QPalette heading = lblLevel->palette();
    heading.setColor(QPalette::Window, Qt::white);
    lblLevel->setPalette(heading);
    setTextColour(lblLevel, QColor(0, 0, 192));

    label(QStringLiteral("Your Score:"), twipsRect(2880, 840, 1695, 375), 12, this);
    lblScore = label(QStringLiteral("0"), twipsRect(4560, 840, 1695, 375), 12, this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    setTextColour(lblScore, QColor(0, 0, 255));

    buildFrameTopScore();
    buildFrameNotTop();
}

void frmGameOver::buildFrameTopScore()
{
    frameTopScore = new QGroupBox(this);
    frameTopScore->setObjectName(QStringLiteral("frameTopScore"));
    frameTopScore->setGeometry(twipsRect(240, 1440, 8175, 2295));

    label(QStringLiteral("New High Score!"), twipsRect(2640, 240, 2415, 495), 12, frameTopScore);
    label(QStringLiteral("Write your name:"), twipsRect(120, 720, 1455, 375), DefaultPoints, frameTopScore);
    InkPicture1 = new InkPicture(QSize(twipsToPixels(InkWidthTwips), twipsToPixels(InkHeightTwips)), frameTopScore);
    InkPicture1->setObjectName(QStringLiteral("InkPicture1"));
    InkPicture1->move(twipsToPixels(1680), twipsToPixels(600));
    butClear = button(QStringLiteral("Clear"), "butClear", twipsRect(6960, 600, 975, 375), frameTopScore);
    butOKWrite = button(QStringLiteral("Submit"), "butOKWrite", twipsRect(6960, 960, 975, 375), frameTopScore);

    label(QStringLiteral("OR type your name:"), twipsRect(120, 1680, 1455, 375), DefaultPoints, frameTopScore);
    txtName = new QLineEdit(frameTopScore);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(twipsRect(1680, 1680, 5055, 375));
    txtName->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
    txtName->installEventFilter(this);
    butOkType = button(QStringLiteral("Submit"), "butOkType", twipsRect(6960, 1680, 975, 375), frameTopScore);

    connect(butClear, &QPushButton::clicked, this, &frmGameOver::butClear_Click);
    connect(butOKWrite, &QPushButton::clicked, this, &frmGameOver::butOKWrite_Click);
    connect(butOkType, &QPushButton::clicked, this, &frmGameOver::butOkType_Click);
}

void frmGameOver::buildFrameNotTop()
{
    frameNotTop = new QGroupBox(this);
    frameNotTop->setObjectName(QStringLiteral("frameNotTop"));
    frameNotTop->setGeometry(twipsRect(240, 1440, 8175, 1695));
    label(QStringLiteral("Alas, you did not score in the top ten."), twipsRect(720, 240, 7095, 615), 15.75,
          frameNotTop);
    butBummer = button(QStringLiteral("Bummer"), "butBummer", twipsRect(3120, 960, 1335, 495), frameNotTop);
    connect(butBummer, &QPushButton::clicked, this, &frmGameOver::butBummer_Click);
}

void frmGameOver::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

bool frmGameOver::eventFilter(QObject* watched, QEvent* event)
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

void frmGameOver::Form_Load()
{
    LoadScores();
    lblScore->setText(QString::number(yourScore));
    // Equal to the tenth best is not enough: the older entry keeps its place.
    const bool top = yourScore > m_scores.TopScores[ScoreEntries - 1];
    frameTopScore->setVisible(top);
    frameNotTop->setVisible(!top);
    if (top) {
        txtName->setFocus();
    } else {
        butBummer->setDefault(true);
        butBummer->setFocus();
    }
}

void frmGameOver::butOkType_Click()
{
    // A pasted name can hold line breaks, which would split its entry in the file.
    const QString name = StripLineBreaks(txtName->text());
    SaveScore(name.isEmpty() ? QStringLiteral("Anonymous") : name, yourScore, TypedName);
    accept();
}

bool frmGameOver::txtName_KeyPress(int KeyAscii)
{
    if (KeyAscii != 13)
        return false;
    butOkType_Click();
    return true;
}

void frmGameOver::butOKWrite_Click()
{
    // An empty surface is saved too: the entry is then a signature without strokes.
    const QString text = StripLineBreaks(CBase64::Encode(InkPicture1->Ink().Save()));
    SaveScore(text, yourScore, HandwrittenName);
    accept();
}

void frmGameOver::butClear_Click()
{
    InkPicture1->setInkEnabled(false);
    InkPicture1->DeleteStrokes();
    InkPicture1->setInkEnabled(true);
}

void frmGameOver::butBummer_Click()
{
    reject();
}

void frmGameOver::LoadScores()
{
    ::LoadScores(m_scoresPath, m_scores);
}

void frmGameOver::SaveScore(const QString& name, std::int32_t score, Int16 kind)
{
    if (!::SaveScore(m_scoresPath, m_scores, name, score, kind))
        QMessageBox::warning(this, QStringLiteral("Game Over"),
                             QStringLiteral("Your score could not be saved in %1.").arg(m_scoresPath));
}
