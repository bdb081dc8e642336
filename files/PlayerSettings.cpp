#include "files/PlayerSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr int MaxOtherSets = 10;

std::optional<bool> switchValue(const QVariant& value)
{
    const QString text = value.toString();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return std::nullopt;
}

QString textValue(const QVariant& value) { return value.typeId() == QMetaType::QString ? value.toString() : QString(); }

}  // namespace

QString playerSettingsPath(const QString& configFolder) { return configFolder + QStringLiteral("/settings.ini"); }

PlayerSettings readPlayerSettings(const QString& path)
{
    PlayerSettings settings;
    // Opening a pipe would wait for a writer; a folder is no file at all.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return settings;
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return settings;
    settings.soundEffects = switchValue(file.value("sound/effects")).value_or(true);
    settings.musicAutoPlay = switchValue(file.value("sound/musicAutoPlay")).value_or(true);
    settings.levelSet = textValue(file.value("game/levelSet"));
    settings.editorFile = textValue(file.value("editor/lastFile"));
    settings.language = textValue(file.value("game/language"));
    const QVariant sets = file.value("game/otherSets");
    if (sets.typeId() == QMetaType::QStringList || sets.typeId() == QMetaType::QString)
        settings.otherSets = sets.toStringList().mid(0, MaxOtherSets);
    settings.otherSets.removeAll(QString());
    settings.worldAddress = textValue(file.value("world/address")).trimmed();
    settings.sendTopTenGames = switchValue(file.value("world/sendTopTenGames")).value_or(false);
    settings.worldAsked = switchValue(file.value("world/asked")).value_or(false);
    const QVariant pos = file.value("window/pos");
    if (pos.typeId() == QMetaType::QPoint)
        settings.windowPos = pos.toPoint();
    return settings;
}

bool writePlayerSettings(const QString& path, const PlayerSettings& settings)
{
    if (path.isEmpty())
        return false;
    QSettings file(path, QSettings::IniFormat);
    file.clear();
    file.setValue("sound/effects", settings.soundEffects);
    file.setValue("sound/musicAutoPlay", settings.musicAutoPlay);
    file.setValue("game/levelSet", settings.levelSet);
    if (!settings.otherSets.isEmpty())
        file.setValue("game/otherSets", settings.otherSets.mid(0, MaxOtherSets));
    file.setValue("editor/lastFile", settings.editorFile);
    file.setValue("world/address", settings.worldAddress);
    file.setValue("world/sendTopTenGames", settings.sendTopTenGames);
    file.setValue("world/asked", settings.worldAsked);
    if (!settings.language.isEmpty())
        file.setValue("game/language", settings.language);
    if (settings.windowPos)
        file.setValue("window/pos", *settings.windowPos);
    file.sync();
    return file.status() == QSettings::NoError;
}
