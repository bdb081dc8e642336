#include "editor/TestMode.h"

#include "core/Random.h"
#include "files/NumberText.h"
#include "ui/audio/AudioControl.h"

#include <algorithm>

namespace {

// The numeric value of a box's text as the test reads it: rounded half to even and kept within
// 16 bits; text that is no number counts as 0.
Int16 numberOf(const std::string& text)
{
    const double value = roundHalfEven(leadingNumber(QString::fromStdString(text)));
    return saturate16(static_cast<long long>(std::clamp(value, -1.0e6, 1.0e6)));
}

}  // namespace

TestMode::TestMode(Level& level, Random& random, AudioControl& audio, QObject* parent)
    : QObject(parent), m_level(level), m_random(random), m_audio(audio), m_field(level, random, TestScoring)
{
    // playMusic plays only during a test, so nothing restarts the music once a test has ended.
    m_audio.setPlayCondition([this] { return !m_editMode; });
}

void TestMode::toggle()
{
    if (!m_editMode) {
        endTest();
        return;
    }
    m_editMode = false;
    emit modeChanged(false);
    // The copy is taken before the turtles get their directions, so the board that comes back
    // has them as they were placed.
    m_savedBoard = m_level.board;
    // The test's own order of ways, column by column. The tick (PlayField::newTurtleDirection) and
    // placing a level (placeLevel) draw from tables in other orders, on purpose: each rule keeps
    // the draws it has always made.
    static constexpr TileCode ways[] = {Tile::TurtleLeft, Tile::TurtleRight, Tile::TurtleUp, Tile::TurtleDown};
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (isTurtle(m_level.board(col, row)))
                m_level.board(col, row) = ways[m_random.below(4)];
    startTest();
    emit boardChanged();
}

void TestMode::startTest()
{
    const LevelTexts& texts = m_level.texts;
    m_audio.prepareMusic(QString::fromStdString(texts.music));
    if (m_audio.musicAutoPlay())
        m_audio.playMusic();  // at once: a test has no countdown
    // The label shows the box's text as typed; the clock and the scoring read it as a number.
    m_flow.startTest(numberOf(texts.bonus), numberOf(texts.turtleInterval), numberOf(texts.dogInterval));
    emit bonusShown(QString::fromStdString(texts.bonus));
    emit totalsChanged();
    emit boardChanged();
}

void TestMode::endTest()
{
    stopKeepingBoard();
    m_audio.stopMusic();
    m_level.board = m_savedBoard;
    emit boardChanged();
}

void TestMode::stopKeepingBoard()
{
    m_flow.endTest();  // the selection goes with the test's board
    m_editMode = true;
    emit modeChanged(true);
}

// A change of the test's clock counts from the moment the designer made it.
void TestMode::setTurtlePeriod(Int16 milliseconds)
{
    m_clock.catchUp();
    m_clock.setPeriod(GameTimer::Turtle, milliseconds);
}

void TestMode::setDogPeriod(Int16 milliseconds)
{
    m_clock.catchUp();
    m_clock.setPeriod(GameTimer::Dog, milliseconds);
}

void TestMode::playEffect(std::string_view alias) { m_audio.playEffect(alias); }
