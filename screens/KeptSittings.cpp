#include "screens/KeptSittings.h"

#include "files/FileBytes.h"
#include "files/PlayerFiles.h"
#include "sim/EarlierSittings.h"
#include "sim/GameRecorder.h"

#include <QFile>
#include <QFileInfo>

KeptSittings::KeptSittings(PlayerFiles& files, const GameRecorder& recorder) : m_files(files), m_recorder(recorder) {}

QString KeptSittings::path() const
{
    const QString kept = m_files.keptGamePath();
    return kept.isEmpty() ? QString() : QFileInfo(kept).absolutePath() + QStringLiteral("/keptgame.replay");
}

void KeptSittings::keep(const KeptLevel& level)
{
    m_files.keep(level);
    if (path().isEmpty())
        return;
    // A recording that cannot be kept leaves none: the continued game is then recorded from its level.
    const std::optional<GameRecording> soFar = m_recorder.soFar();
    if (!soFar || !replaceFile(path(), recordingBytes(*soFar)))
        QFile::remove(path());
}

void KeptSittings::forget()
{
    m_files.forget();
    if (!path().isEmpty())
        QFile::remove(path());
}

std::optional<GameRecording> KeptSittings::earlierSittings(const KeptGame& kept) const
{
    const std::optional<FileHead> head = path().isEmpty() ? std::nullopt : readFileHead(path(), MaxRecordingBytes);
    if (!head || head->cut)
        return std::nullopt;
    return ::earlierSittings(head->bytes, kept.level, kept.setFolder);
}
