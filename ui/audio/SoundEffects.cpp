#include "ui/audio/SoundEffects.h"

#include "ui/audio/AudioOutput.h"

#include <QFile>

#include <SDL_mixer.h>

#include <cctype>

SoundEffects::SoundEffects(AudioOutput& output) : m_output(output) {}

SoundEffects::~SoundEffects() { closeAllEffects(); }

std::string SoundEffects::keyOf(std::string_view alias)
{
    std::string key(alias);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

const SoundEffects::Effect* SoundEffects::find(std::string_view alias) const
{
    const auto it = m_effects.find(keyOf(alias));
    return it != m_effects.end() && it->second.chunk ? &it->second : nullptr;
}

bool SoundEffects::loadEffect(const QString& path, std::string_view alias)
{
    const std::string key = keyOf(alias);
    auto it = m_effects.find(key);
    if (it != m_effects.end() && it->second.chunk) {
        Mix_FreeChunk(it->second.chunk);  // halts its channel first
        it->second.chunk = nullptr;
    }
    if (!m_output.isOpen())
        return true;
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk)
        return false;
    if (it == m_effects.end()) {
        // An alias keeps its channel for the run, so reloading it needs no new one.
        const int channel = m_nextChannel++;
        if (channel >= Mix_AllocateChannels(-1))
            Mix_AllocateChannels(channel + 1);
        it = m_effects.emplace(key, Effect{nullptr, channel}).first;
    }
    it->second.chunk = chunk;
    return true;
}

void SoundEffects::playEffect(std::string_view alias, bool enabled)
{
    if (!enabled)
        return;
    if (const Effect* effect = find(alias))
        Mix_PlayChannel(effect->channel, effect->chunk, 0);  // a busy channel starts over
}

void SoundEffects::closeAllEffects()
{
    for (auto& [key, effect] : m_effects) {
        if (effect.chunk)
            Mix_FreeChunk(effect.chunk);
        effect.chunk = nullptr;
    }
}

QStringList SoundEffects::loadEffects(const QString& programFolder)
{
    QStringList missing;
    for (const EffectFile& entry : EffectTable) {
        const QString path = programFolder + QStringLiteral("/audio/") + QLatin1String(entry.file);
        if (!loadEffect(path, entry.alias))
            missing << path;
    }
    return missing;
}

bool SoundEffects::isSounding(std::string_view alias) const
{
    const Effect* effect = find(alias);
    return effect && Mix_Playing(effect->channel) && Mix_GetChunk(effect->channel) == effect->chunk;
}

bool SoundEffects::isLoaded(std::string_view alias) const { return find(alias) != nullptr; }
