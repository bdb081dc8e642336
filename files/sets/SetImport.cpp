#include "files/sets/SetImport.h"

#include "files/FileBytes.h"
#include "files/sets/SetLevelSection.h"
#include "files/sets/SetPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

constexpr qint64 MaxKeptHeaderBytes = 128 << 10;  // past the longest header a set file may have
constexpr qsizetype MaxFolderNameBytes = 200;     // file systems take 255
constexpr int MaxNameTwins = 1000;
// The context in which lupdate files this module's sentences for the translators.
const char* const Context = "SetImport";

QString setsFolder(const QString& playerDataFolder) { return playerDataFolder + QStringLiteral("/sets"); }

// The identity of the set a folder holds, from its level files as they lie.
QByteArray folderIdentity(const QString& folder)
{
    QCryptographicHash identity(QCryptographicHash::Sha256);
    for (int n = 1, count = countSetLevels(folder); n <= count; ++n)
        identity.addData(fileSha256(levelPathInSet(folder, Int16(n))));
    return identity.result().toHex();
}

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// The name "NAME (N)" within a name's length, and its folder.
QString twinName(const QString& name, int twin)
{
    if (twin < 2)
        return name;
    const QString suffix = QStringLiteral(" (%1)").arg(twin);
    return name.left(MaxSetNameLength - suffix.size()).trimmed() + suffix;
}

}  // namespace

QStringList importedSets(const QString& playerDataFolder)
{
    if (playerDataFolder.isEmpty())
        return {};
    QDir sets(setsFolder(playerDataFolder));
    QStringList folders;
    for (const QString& name : sets.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))  // hidden ones left out
        folders += sets.filePath(name);
    return folders;
}

QString keptSetFilePath(const QString& setFolder) { return setFolder + QStringLiteral("/set.pondrake"); }

std::optional<SetFile> keptSetHeader(const QString& setFolder)
{
    const std::optional<FileHead> head = readFileHead(keptSetFilePath(setFolder), MaxKeptHeaderBytes);
    if (!head)
        return std::nullopt;
    return readSetHeader(head->bytes).set;
}

QString safeSetFolderName(const QString& name)
{
    static const QRegularExpression reserved(QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString safe;
    for (const QChar c : name)
        safe +=
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c) ? QChar(u'_') : c;
    safe = safe.trimmed();
    while (safe.toUtf8().size() > MaxFolderNameBytes || (!safe.isEmpty() && safe.back().isHighSurrogate()))
        safe.chop(1);
    if (safe.startsWith(u'.') || reserved.match(safe).hasMatch())
        safe.prepend(u'_');
    return safe.isEmpty() ? QStringLiteral("set") : safe;
}

SetGathering gatherSet(const QString& folder, SetFile header)
{
    const int count = countSetLevels(folder);
    if (count == 0)
        return {std::nullopt, levelSetProblemText(folder, SetProblem::NoFirstLevel)};
    SetLevelSection levels;
    for (int n = 1; n <= count; ++n) {
        // A byte past the bound is enough for the section to tell a level too large.
        const std::optional<FileHead> level = readFileHead(levelPathInSet(folder, Int16(n)), MaxSetLevelBytes + 1);
        if (!level)
            return {std::nullopt,
                    {Context, QT_TRANSLATE_NOOP("SetImport", "level %1 cannot be read"), {QString::number(n)}}};
        const Phrase wrong = levels.add(SetLevelSection::text(level->bytes));
        if (!wrong.isEmpty())
            return {std::nullopt, wrong};
    }
    header.levels = std::move(levels.levels());
    return {std::move(header), {}};
}

SetImport importSet(const SetFile& set, const QString& playerDataFolder, const QStringList& known)
{
    const QString sets = setsFolder(playerDataFolder);
    if (playerDataFolder.isEmpty() || !QDir().mkpath(sets))
        return {SetImport::Outcome::Failed,
                {},
                {},
                {Context, QT_TRANSLATE_NOOP("SetImport", "There is no folder to keep level sets in."), {}}};
    // What a killed import left behind is no set: hidden, and gone at the next import.
    for (const QString& left : QDir(sets).entryList({QStringLiteral(".import-*")}, QDir::Dirs | QDir::Hidden))
        QDir(sets + u'/' + left).removeRecursively();

    const QByteArray identity = setIdentity(set.levels);
    for (const QString& folder : known + importedSets(playerDataFolder))
        if (folderIdentity(folder) == identity)
            return {SetImport::Outcome::Known, folder, keptSetHeader(folder).value_or(set).name, {}};

    int twin = 1;
    while (twin <= MaxNameTwins && QFileInfo::exists(sets + u'/' + safeSetFolderName(twinName(set.name, twin))))
        ++twin;
    SetFile imported = set;
    imported.name = twinName(set.name, twin);
    const QString folder = sets + u'/' + safeSetFolderName(imported.name);

    QTemporaryDir temporary(sets + QStringLiteral("/.import-XXXXXX"));
    bool written = temporary.isValid() && twin <= MaxNameTwins;
    for (std::size_t i = 0; written && i < set.levels.size(); ++i)
        written = writeWhole(levelPathInSet(temporary.path(), Int16(i + 1)), set.levels[i]);
    written = written && writeWhole(keptSetFilePath(temporary.path()), setFileBytes(imported));
    if (!written || !QDir().rename(temporary.path(), folder))
        return {SetImport::Outcome::Failed,
                {},
                {},
                {Context,
                 QT_TRANSLATE_NOOP("SetImport", "The set could not be written into %1."),
                 {QDir::toNativeSeparators(sets)}}};
    temporary.setAutoRemove(false);  // it is the set's folder now
    return {SetImport::Outcome::Added, folder, imported.name, {}};
}
