#include "ui/RecordingWindow.h"

#include "sim/RecordingPlayer.h"
#include "ui/AccessibleNames.h"
#include "ui/BoardPicture.h"
#include "ui/Look.h"
#include "ui/RecordingSave.h"
#include "ui/audio/AudioControl.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace {
constexpr int FrameMs = 16;
constexpr std::array<int, 4> Speeds{1, 2, 4, 8};

QString clockText(Millis ms) { return QStringLiteral("%1:%2").arg(ms / 60000).arg(ms / 1000 % 60, 2, 10, QChar(u'0')); }
}  // namespace

RecordingWindow::RecordingWindow(GameRecording recording, const QString& levelsFolder, const QString& programFolder,
                                 AudioControl* audio, QWidget* parent)
    : QDialog(parent), m_recording(std::move(recording)), m_levelsFolder(levelsFolder), m_programFolder(programFolder),
      m_audio(audio)
{
    setWindowTitle(tr("Replay"));
    m_length = m_recording.events.empty() ? 0 : m_recording.events.back().at;
    m_asRecorded = RecordingPlayer::timingFor(m_recording, m_levelsFolder) == RecordingPlayer::Timing::AsRecorded;
    board = new BoardPicture(this);
    board->move(0, 0);
    board->setTiles(TileSet::load(programFolder));

    status = Look::statusColumn(this);
    countdownLabel = Look::label(this, QString(), {Look::ColumnLeft, 6600, Look::ColumnWidth, 600}, 18, Qt::red);
    countdownLabel->setAlignment(Qt::AlignCenter);
    AccessibleNames::nameValue(countdownLabel, tr("Countdown"));
    buildControls();
    setFixedSize(Look::twips(Look::ColumnLeft + Look::ColumnWidth + 60), BoardPicture::PictureHeight + 74);

    m_timer.setInterval(FrameMs);
    connect(&m_timer, &QTimer::timeout, this, &RecordingWindow::tick);
    restart();
}

RecordingWindow::~RecordingWindow() = default;

void RecordingWindow::buildControls()
{
    const int top = BoardPicture::PictureHeight + 4;
    happenedLabel = Look::labelAt(this, QString(), {4, top, BoardPicture::PictureWidth, 20}, 9.75);
    happenedLabel->setTextFormat(Qt::PlainText);
    const int row = top + 26;
    const auto button = [&](const QString& text, int left, int width) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(left, row, width, 36);
        b->setAutoDefault(false);  // Enter presses the button with the focus, never another
        return b;
    };
    playButton = button(tr("Play"), 4, 70);
    connect(playButton, &QPushButton::clicked, this, &RecordingWindow::togglePlay);
    for (std::size_t i = 0; i < Speeds.size(); ++i) {
        speedButtons[i] = button(tr("%1x").arg(Speeds[i]), 80 + int(i) * 42, 40);
        speedButtons[i]->setCheckable(true);
        connect(speedButtons[i], &QPushButton::clicked, this, [this, i] { setSpeed(Speeds[i]); });
    }
    speedButtons[0]->setChecked(true);
    stepButton = button(tr("Step"), 254, 56);
    stepButton->setToolTip(tr("One tick (period key)"));
    connect(stepButton, &QPushButton::clicked, this, &RecordingWindow::stepTick);
    startButton = button(tr("Start"), 314, 56);
    connect(startButton, &QPushButton::clicked, this, &RecordingWindow::restart);
    saveAsButton = button(tr("Save As..."), 374, 80);
    // The button's words may need more room than English: the time slider gives it up.
    saveAsButton->resize(std::max(80, saveAsButton->sizeHint().width()), saveAsButton->height());
    connect(saveAsButton, &QPushButton::clicked, this, &RecordingWindow::saveAs);

    timeSlider = new QSlider(Qt::Horizontal, this);
    const int sliderLeft = saveAsButton->geometry().right() + 9;
    timeSlider->setGeometry(sliderLeft, row + 6, 678 - sliderLeft, 24);
    timeSlider->setRange(0, int(std::min<Millis>(m_length, INT_MAX)));
    timeSlider->setSingleStep(1000);
    timeSlider->setPageStep(10000);
    connect(timeSlider, &QSlider::valueChanged, this, [this](int value) {
        if (!m_showingTime)
            seek(value);
    });
    clockLabel = Look::labelAt(this, QString(), {688, row + 8, 115, 20}, 8.25);
    nameControls();
}

void RecordingWindow::nameControls()
{
    using AccessibleNames::name;
    AccessibleNames::nameValue(happenedLabel, tr("What happened"));
    AccessibleNames::nameValue(clockLabel, tr("Time"));
    playButton->setAccessibleDescription(tr("Plays the game or holds it (Space)"));
    for (std::size_t i = 0; i < Speeds.size(); ++i)
        name(speedButtons[i], tr("Speed %1x").arg(Speeds[i]), tr("Key %1").arg(i + 1));
    name(startButton, tr("Start"), tr("Goes back to the start of the game (Home)"));
    name(saveAsButton, tr("Save As..."), tr("Saves the game with its levels in one file (Ctrl+S)"));
    name(timeSlider, tr("Game time"),
         tr("Moves to a moment of the game: the arrows by a second, Page Up and Page Down by ten"));
}

void RecordingWindow::watch(const QString& path, const QString& programFolder, AudioControl* audio, QWidget* parent)
{
    if (!QFileInfo::exists(path)) {
        QMessageBox::information(parent, tr("Replay"), tr("There is no game to watch yet."));
        return;
    }
    RecordingReading reading = readRecordingFile(path);
    if (!reading.recording) {
        QMessageBox::warning(parent, tr("Replay"),
                             reading.line > 0 ? tr("This game cannot be watched: %1 (line %2).")
                                                    .arg(reading.error.translated(), QString::number(reading.line))
                                              : tr("This game cannot be watched: %1.").arg(reading.error.translated()));
        return;
    }
    // Where the game was played; else the shipped set, unless that is not the game's either, when
    // the folder gone is named in the refusal with each level's file and fingerprint.
    const QString named = reading.recording->folder;
    QString levels = programFolder + QStringLiteral("/levels");
    if (!named.isEmpty() && (QFileInfo(named).isDir() || RecordingPlayer(*reading.recording, levels).refusal()))
        levels = named;
    RecordingWindow window(std::move(*reading.recording), levels, programFolder, audio, parent);
    window.exec();
}

void RecordingWindow::setPlaying(bool playing)
{
    m_playing = playing && !m_player->atEnd() && !m_player->refusal() && !m_player->divergence();
    playButton->setText(m_playing ? tr("Pause") : tr("Play"));
    if (m_playing) {
        m_wall.start();
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void RecordingWindow::togglePlay() { setPlaying(!m_playing); }

void RecordingWindow::setSpeed(int factor)
{
    m_speed = factor;
    for (std::size_t i = 0; i < Speeds.size(); ++i)
        speedButtons[i]->setChecked(Speeds[i] == factor);
}

void RecordingWindow::tick()
{
    const Millis elapsed = m_wall.restart();
    advanceTo(std::min(m_length, m_position + elapsed * m_speed), m_speed == 1);
    if (m_player->atEnd() || m_player->divergence())
        setPlaying(false);
}

void RecordingWindow::advanceTo(Millis gameTime, bool withEffects)
{
    const std::vector<RecordedEvent>& events = m_recording.events;
    while (!m_player->atEnd() && events[m_player->position()].at <= gameTime && m_player->step()) {
        if (withEffects && m_audio)
            for (const std::string_view alias : m_player->takeEffects())
                m_audio->playEffect(alias);
    }
    m_player->takeEffects();  // what a seek or a fast pace passed over stays silent
    m_position = std::max(m_position, std::min(gameTime, m_length));
    showState();
}

void RecordingWindow::stepTick()
{
    setPlaying(false);
    const std::vector<RecordedEvent>& events = m_recording.events;
    while (!m_player->atEnd()) {
        const RecordedEvent& event = events[m_player->position()];
        const bool timer = event.kind == RecordedEvent::Kind::Input && event.input.kind == GameInput::Kind::Timer;
        m_position = event.at;
        if (!m_player->step() || timer)
            break;
    }
    m_player->takeEffects();
    showState();
}

RecordingPlayer::Timing RecordingWindow::timing() const
{
    return m_asRecorded ? RecordingPlayer::Timing::AsRecorded : RecordingPlayer::Timing::Clock;
}

void RecordingWindow::restart()
{
    setPlaying(false);
    m_player = std::make_unique<RecordingPlayer>(m_recording, m_levelsFolder, timing());
    m_position = 0;
    advanceTo(0, false);
}

void RecordingWindow::seek(Millis gameTime)
{
    const bool wasPlaying = m_playing;
    if (gameTime < m_position) {
        m_player = std::make_unique<RecordingPlayer>(m_recording, m_levelsFolder, timing());
        m_position = 0;
    }
    advanceTo(gameTime, false);
    setPlaying(wasPlaying);
}

void RecordingWindow::showState()
{
    const RecordingPlayer& player = *m_player;
    const PlayField& field = player.field();
    board->drawGrid(player.level().board, field.selection, field.drag());
    if (player.paused())
        board->drawPaused();
    status.score->setText(QLocale().toString(field.score));
    status.level->setText(QString::number(player.levelNumber()));
    status.time->setText(QLocale().toString(field.time));
    status.saved->setText(QString::number(field.saved));
    status.lost->setText(QString::number(field.lost));
    countdownLabel->setText(Look::countdownText(player.countdown()));
    QString line = player.happened().translated();
    if (line.isEmpty() && m_asRecorded)
        line = tr("An earlier version recorded this game: it plays as recorded, without the check of when its "
                  "timers fire.");
    if (player.refusal())
        line = player.refusal()->translated();
    else if (player.divergence())
        line = tr("The game went another way here: %1").arg(player.divergence()->message.translated());
    happenedLabel->setText(line);
    happenedLabel->setToolTip(line);  // a refusal naming a fingerprint is longer than the board is wide
    m_showingTime = true;
    timeSlider->setValue(int(std::min<Millis>(m_position, INT_MAX)));
    m_showingTime = false;
    clockLabel->setText(clockText(m_position) + QStringLiteral(" / ") + clockText(m_length));
}

void RecordingWindow::saveAs()
{
    setPlaying(false);
    saveSelfContained(this, m_recording, m_levelsFolder, m_programFolder);
}

// What a control with the focus leaves alone comes here: a button takes Space and Enter itself,
// the slider its arrows, Page Up, Page Down, Home and End.
void RecordingWindow::keyPressEvent(QKeyEvent* event)
{
    const int speed = event->key() - Qt::Key_1;
    if (event->key() == Qt::Key_Space)
        togglePlay();
    else if (event->key() == Qt::Key_Period)
        stepTick();
    else if (event->key() == Qt::Key_Home)
        restart();
    else if (event->modifiers() == Qt::NoModifier && speed >= 0 && speed < int(Speeds.size()))
        setSpeed(Speeds[std::size_t(speed)]);
    else if (event->matches(QKeySequence::Save))
        saveAs();
    else
        QDialog::keyPressEvent(event);
}
