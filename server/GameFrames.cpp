#include "server/GameFrames.h"

#include "core/TileCodes.h"
#include "sim/RecordingPlayer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <string_view>

namespace {

// A cell's code as the page draws it: one of the pictures' codes, or a space for a cell that
// shows none (an empty cell, or a character only a hand-edited file holds).
char shownCode(TileCode code)
{
    constexpr std::u32string_view drawn = U"brh$awdxjilmk@12";
    return drawn.find(code) == std::u32string_view::npos ? ' ' : char(code);
}

std::string boardText(const Board& board)
{
    std::string text;
    text.reserve(std::size_t(BoardSize) * BoardSize);
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col)
            text += shownCode(board(col, row));
    return text;
}

// Follows the game event by event and keeps a frame for each that changed what a window shows.
class FrameWriter {
public:
    void watch(const RecordingPlayer& player)
    {
        const RecordedEvent& event = player.recording().events[player.position() - 1];
        m_time = std::max(m_time, event.at);
        const std::string board = boardText(player.level().board);
        const PlayField& field = player.field();
        const QJsonArray status{player.levelNumber(), field.score, field.time,
                                field.saved,          field.lost,  QString::fromStdString(player.countdown())};
        const Phrase& happened = player.happened();
        const bool newLevel = player.levelsStarted() != m_levelsStarted;
        std::string cells;  // for each changed cell its column, row and code: "dkx"
        for (std::size_t i = 0; !newLevel && i < board.size(); ++i)
            if (board[i] != m_board[i])
                cells += {char('a' + i % BoardSize), char('a' + i / BoardSize), board[i]};
        const bool newLine = std::string_view(happened.text) != m_happened.text || happened.args != m_happened.args;
        if (!newLevel && cells.empty() && status == m_status && !newLine)
            return;
        if (newLevel) {
            closeLevel();
            m_levelsStarted = player.levelsStarted();
            m_levelBoard = QString::fromStdString(board);
        }
        QJsonArray frame{qint64(m_time), QString::fromLatin1(cells), status};
        if (newLine)
            frame.append(QJsonObject{{QStringLiteral("text"), QString::fromUtf8(happened.text)},
                                     {QStringLiteral("args"), QJsonArray::fromStringList(happened.args)}});
        m_frames.append(frame);
        m_board = board;
        m_status = status;
        m_happened = happened;
    }

    QByteArray finish(std::int32_t score)
    {
        closeLevel();
        return QJsonDocument(QJsonObject{{QStringLiteral("score"), score}, {QStringLiteral("levels"), m_levels}})
            .toJson(QJsonDocument::Compact);
    }

private:
    void closeLevel()
    {
        if (!m_frames.isEmpty())
            m_levels.append(QJsonObject{{QStringLiteral("board"), m_levelBoard}, {QStringLiteral("frames"), m_frames}});
        m_frames = {};
    }

    Millis m_time = 0;
    std::size_t m_levelsStarted = 0;
    std::string m_board = std::string(std::size_t(BoardSize) * BoardSize, ' ');
    QJsonArray m_status;
    Phrase m_happened;
    QString m_levelBoard;
    QJsonArray m_frames;
    QJsonArray m_levels;
};

}  // namespace

GameFrames gameFrames(const QByteArray& replayText, const std::atomic<bool>& stop)
{
    FrameWriter writer;
    GameFrames frames{verifyGame(replayText, stop, [&writer](const RecordingPlayer& p) { writer.watch(p); }), {}};
    if (frames.verdict.accepted)
        frames.json = writer.finish(frames.verdict.score);
    return frames;
}
