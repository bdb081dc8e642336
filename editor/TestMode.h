#pragma once

#include "core/Board.h"
#include "core/HeadlessWindow.h"
#include "core/PlayField.h"
#include "files/LevelFile.h"
#include "ui/WallClock.h"

#include <QObject>
#include <QString>

class AudioControl;
class Random;

// The editor's test of the level being edited: the board is played on the spot with the game's
// beat, scoring rule for tests, mouse commands and music, and comes back as it was placed when
// the test ends. A test has no end of level: it runs until "End Test", Open Level, Save Level or
// the editor closing.
class TestMode : public QObject, private HeadlessWindow {
    Q_OBJECT

public:
    TestMode(Level& level, Random& random, AudioControl& audio, QObject* parent = nullptr);

    // False while a test runs.
    bool editMode() const { return m_editMode; }
    PlayField& field() { return m_field; }
    // The turtles', the bonus's and the dogs' timers.
    WallClock& clock() { return m_clock; }
    // The board as it was placed before the test that runs or ran last.
    const Board& placedBoard() const { return m_savedBoard; }

    // Starts a test with the level's settings as typed, or ends the running one.
    void toggle();
    // The twin of the game's level start: music from the box, no countdown, the bonus as typed.
    void startTest();
    // "End Test": everything stops and the placed board comes back.
    void endTest();
    // Open Level and Save Level end a running test without bringing the placed board back; music
    // already playing runs on to its end.
    void stopKeepingBoard();

    // The turtle and dog sliders change a running test's beat at once.
    void setTurtlePeriod(Int16 milliseconds);
    void setDogPeriod(Int16 milliseconds);

    // Every input of a test enters by the game's door: the timers, the mouse and the keys.
    void apply(const GameInput& input) { m_flow.apply(input); }
    // The mouse on the board during a test, as in the game, and the let-go of Escape.
    void pressBoard(float x, float y) { apply({.kind = GameInput::Kind::MouseDown, .x = x, .y = y}); }
    void dragBoard(float x, float y) { apply({.kind = GameInput::Kind::MouseMove, .x = x, .y = y}); }
    void releaseBoard() { apply({GameInput::Kind::MouseUp}); }
    void letGo() { apply({GameInput::Kind::LetGo}); }

signals:
    void modeChanged(bool editMode);
    void boardChanged();
    // The score or the turtles saved or lost changed.
    void totalsChanged();
    // What the bonus label shows: the bonus as typed at the start, then the seconds left.
    void bonusShown(const QString& text);

private:
    void playEffect(std::string_view alias) override;
    void drawGrid() override { emit boardChanged(); }
    void showTotals() override { emit totalsChanged(); }
    void showBonus() override { emit bonusShown(QString::number(m_field.time)); }

    Level& m_level;
    Random& m_random;
    AudioControl& m_audio;
    PlayField m_field;
    WallClock m_clock;
    LevelFlow m_flow{*this, m_field, m_clock};
    Board m_savedBoard;
    bool m_editMode = true;
};
