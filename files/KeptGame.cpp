#include "files/KeptGame.h"

#include "files/FileBytes.h"
#include "files/LevelFile.h"
#include "files/sets/SetPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QUrl>

namespace {

const char* const Context = "KeptGame";  // of its sentences for the translators

constexpr qint64 MaxKeptBytes = 64 * 1024;
const QByteArray Heading = "Pondrake kept game 1";

std::optional<Int16> number(const QByteArray& text, int low)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > 32767 || text != QByteArray::number(value))
        return std::nullopt;
    return Int16(value);
}

}  // namespace

QByteArray keptGameBytes(const KeptGame& game)
{
    const KeptLevel& l = game.level;
    return Heading + "\nset=" + QUrl::toPercentEncoding(game.setFolder, "/") +
           "\nlevel=" + QByteArray::number(l.levelNumber) + "\nscore=" + QByteArray::number(l.score) +
           "\nsaved=" + QByteArray::number(l.saved) + "\nlost=" + QByteArray::number(l.lost) +
           "\nreplay=" + (l.replay ? "1" : "0") + "\nsha256=" + game.levelDigest + "\n";
}

std::optional<KeptGame> readKeptGame(const QString& path)
{
    const std::optional<FileHead> head = readFileHead(path, MaxKeptBytes);
    if (!head || head->cut)
        return std::nullopt;
    QList<QByteArray> lines = head->bytes.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))  // edited by hand somewhere that ends lines with CR LF
            line.chop(1);
    if (lines.size() != 9 || lines[0] != Heading || !lines[8].isEmpty())
        return std::nullopt;
    QMap<QByteArray, QByteArray> values;
    for (qsizetype i = 1; i < 8; ++i) {
        const qsizetype equals = lines[i].indexOf('=');
        if (equals < 0)
            return std::nullopt;
        values[lines[i].left(equals)] = lines[i].mid(equals + 1);
    }
    KeptGame game;
    game.setFolder = QUrl::fromPercentEncoding(values.value("set"));
    const auto level = number(values.value("level"), 1), score = number(values.value("score"), -32768),
               saved = number(values.value("saved"), 0), lost = number(values.value("lost"), 0);
    const QByteArray replay = values.value("replay");
    game.levelDigest = values.value("sha256");
    const bool digestOk =
        game.levelDigest.size() == 64 && QByteArray::fromHex(game.levelDigest).toHex() == game.levelDigest;
    if (values.size() != 7 || game.setFolder.isEmpty() || !level || !score || !saved || !lost ||
        (replay != "0" && replay != "1") || !digestOk)
        return std::nullopt;
    game.level = {*level, *score, *saved, *lost, replay == "1"};
    return game;
}

bool saveKeptGame(const QString& path, const KeptGame& game)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && replaceFile(path, keptGameBytes(game));
}

QByteArray levelDigest(const QString& levelPath)
{
    return fileExists(levelPath) ? fileSha256(levelPath).toHex() : QByteArray();
}

std::optional<Phrase> keptGameProblem(const KeptGame& game)
{
    const QString level = levelPathInSet(game.setFolder, game.level.levelNumber);
    if (!QFileInfo(game.setFolder).isDir())
        return Phrase{Context,
                      QT_TRANSLATE_NOOP("KeptGame", "The level set of the kept game, %1, is not there any more."),
                      {QDir::toNativeSeparators(game.setFolder)}};
    const QByteArray digest = levelDigest(level);
    const QString number = QString::number(game.level.levelNumber);
    if (digest.isEmpty())
        return Phrase{
            Context, QT_TRANSLATE_NOOP("KeptGame", "Level %1 of the kept game is not there any more."), {number}};
    if (digest != game.levelDigest)
        return Phrase{
            Context, QT_TRANSLATE_NOOP("KeptGame", "Level %1 of the kept game has been changed since."), {number}};
    return std::nullopt;
}
