// The Replay window over the golden game of the shipped pack: seeking to the end shows the game's
// final score and totals, back to the start shows level 1 before it began, one tick moves to the
// next timer's firing, a replay of a changed level is refused in the window's line, and Save As
// writes the game with the levels it was played on.
#include "ui/RecordingWindow.h"
#include "sim/RecordingPlayer.h"
#include "tests/support/WindowTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

GameRecording golden()
{
    RecordingReading reading = readRecordingFile(QStringLiteral(PONDRAKE_TESTS_DIR "/sim/replays/bot-pack.replay"));
    EXPECT_TRUE(reading.recording) << reading.error.english().toStdString();
    return reading.recording.value_or(GameRecording{});
}

}  // namespace

TEST(RecordingWindow, SeeksToTheEndAndBackAndStepsOneTick)
{
    const GameRecording recording = golden();
    ASSERT_FALSE(recording.events.empty());
    const std::int32_t finalScore = recording.events.back().checkpoint.score;
    RecordingWindow window(recording, QStringLiteral(PONDRAKE_DATA_DIR "/levels"), QStringLiteral(PONDRAKE_DATA_DIR),
                           nullptr);
    EXPECT_EQ(window.length(), recording.events.back().at);
    EXPECT_EQ(window.status.score->text(), "0");

    window.timeSlider->setValue(window.timeSlider->maximum());  // as the player drags it
    EXPECT_TRUE(window.player().atEnd());
    EXPECT_EQ(window.status.score->text(), QLocale().toString(finalScore));
    EXPECT_EQ(window.status.level->text(), "24");
    EXPECT_EQ(window.happenedLabel->text(), QStringLiteral("Game over. Score: %1").arg(finalScore));
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(window.playing()) << "a game at its end does not play on";

    window.seek(0);
    EXPECT_EQ(window.status.score->text(), "0");
    EXPECT_EQ(window.status.level->text(), "1");
    EXPECT_EQ(window.position(), 0);

    // The countdown's first second: one tick takes the replay to that firing and holds it there.
    QTest::keyClick(&window, Qt::Key_Period);
    EXPECT_EQ(window.position(), 1000);
    EXPECT_FALSE(window.playing());
    EXPECT_EQ(window.countdownLabel->text(), "4");
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_TRUE(window.playing());
    QTest::mouseClick(window.startButton, Qt::LeftButton);
    EXPECT_FALSE(window.playing());
    EXPECT_EQ(window.position(), 0);

    // By keys alone: the slider's arrows move a second, a digit chooses a speed, Home goes back to
    // the start, and Space on a button with the focus presses that button.
    QTest::keyClick(window.timeSlider, Qt::Key_Right);
    EXPECT_EQ(window.position(), 1000);
    QTest::keyClick(window.timeSlider, Qt::Key_3);
    EXPECT_TRUE(window.speedButtons[2]->isChecked() && !window.speedButtons[0]->isChecked());
    QTest::keyClick(window.speedButtons[2], Qt::Key_Home);
    EXPECT_EQ(window.position(), 0);
    QTest::keyClick(window.speedButtons[1], Qt::Key_Space);
    EXPECT_TRUE(window.speedButtons[1]->isChecked() && !window.speedButtons[2]->isChecked());
    EXPECT_NE(window.timeSlider->focusPolicy() & Qt::TabFocus, 0);
}

TEST(RecordingWindow, AReplayOfAChangedLevelIsRefusedInItsLine)
{
    QTemporaryDir dir;
    for (int n = 1; n <= 24; ++n)
        ASSERT_TRUE(QFile::copy(QStringLiteral(PONDRAKE_DATA_DIR "/levels/level%1.txt").arg(n),
                                dir.filePath(QStringLiteral("level%1.txt").arg(n))));
    QFile level(dir.filePath("level4.txt"));
    ASSERT_TRUE(level.open(QIODevice::Append) && level.write("\r\n") == 2);
    level.close();
    RecordingWindow window(golden(), dir.path(), QStringLiteral(PONDRAKE_DATA_DIR), nullptr);
    EXPECT_EQ(window.happenedLabel->text(), "Level 4 has changed since this game was played");
    window.togglePlay();
    EXPECT_FALSE(window.playing());
}

// An earlier version stamped its timers a little late: the clock does not take them, so the game
// plays as recorded, and the window says so.
TEST(RecordingWindow, AnEarlierVersionsGameOffTheClockPlaysAsRecordedAndSaysSo)
{
    GameRecording recording = golden();
    recording.version = 1;
    const auto countdown = std::find_if(recording.events.begin(), recording.events.end(),
                                        [](const RecordedEvent& e) { return eventLine(e) == "1000 timer countdown"; });
    ASSERT_NE(countdown, recording.events.end());
    countdown->at += 1;
    RecordingWindow window(recording, QStringLiteral(PONDRAKE_DATA_DIR "/levels"), QStringLiteral(PONDRAKE_DATA_DIR),
                           nullptr);
    EXPECT_TRUE(window.happenedLabel->text().startsWith("An earlier version recorded this game"));
    window.seek(window.length());
    EXPECT_TRUE(window.player().atEnd() && window.player().endConfirmed() && !window.player().divergence());
}

TEST(RecordingWindow, SaveAsWritesTheGameWithItsLevels)
{
    const GameRecording recording = golden();
    RecordingWindow window(recording, QStringLiteral(PONDRAKE_DATA_DIR "/levels"), QStringLiteral(PONDRAKE_DATA_DIR),
                           nullptr);
    const QTemporaryDir dir;
    answerFileDialog(dir.filePath("game"));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    const RecordingReading saved = readRecordingFile(dir.filePath("game.replay"));
    ASSERT_TRUE(saved.recording) << saved.error.english().toStdString();
    ASSERT_TRUE(saved.recording->set);
    EXPECT_EQ(saved.recording->set->levels.size(), 24);
    EXPECT_TRUE(saved.recording->folder.isEmpty());
    EXPECT_EQ(saved.recording->events.size(), recording.events.size());
}
