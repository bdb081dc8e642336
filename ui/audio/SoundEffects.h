#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <string>
#include <string_view>

class AudioOutput;
struct Mix_Chunk;

struct EffectFile {
    const char* alias;
    const char* file;  // under the program folder's audio/
};

// The thirteen effects in the order the windows load them.
inline constexpr std::array<EffectFile, 13> EffectTable{{
    {"DogSelect", "DogSelect.wav"},
    {"dog", "dog.wav"},
    {"TurtSelect", "TurtSelect.wav"},
    {"TurtExecute", "TurtExecute.wav"},
    {"alien", "alien.wav"},
    {"fall", "fall.wav"},
    {"step", "scream.wav"},
    {"water", "oceanlap.wav"},
    {"boing", "bop.wav"},
    {"boo", "boo.wav"},
    {"cheer", "cheer.wav"},
    {"go", "go.wav"},
    {"oops", "oops.wav"},
}};

// The sound effects of the process, by alias. Made once by main and handed to both
// windows, so the editor plays what the main window loaded. Each alias has a channel of its own:
// effects sound together, and playing an alias that is still sounding starts it again. Aliases
// match without regard to case ("Go" plays what was loaded as "go"). An effect that did not load
// just stays silent.
class SoundEffects {
public:
    explicit SoundEffects(AudioOutput& output);
    ~SoundEffects();  // closeAllEffects
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;

    // Closes the alias, then opens the wave file under it. False when the file did not load
    // while the mixer was open (without a mixer nothing loads, and nothing is missing).
    bool loadEffect(const QString& path, std::string_view alias);
    // Starts the alias from its beginning when enabled is true; otherwise does nothing.
    void playEffect(std::string_view alias, bool enabled);
    // Closes every effect.
    void closeAllEffects();

    // The thirteen effects of the table from programFolder/audio/, in its order. Returns the
    // paths of those that did not load.
    QStringList loadEffects(const QString& programFolder);

    // Whether the alias is sounding now (on the dummy driver it still takes its playing time).
    bool isSounding(std::string_view alias) const;
    bool isLoaded(std::string_view alias) const;

    AudioOutput& output() { return m_output; }

private:
    struct Effect {
        Mix_Chunk* chunk = nullptr;
        int channel = -1;
    };
    static std::string keyOf(std::string_view alias);
    const Effect* find(std::string_view alias) const;

    AudioOutput& m_output;
    std::map<std::string, Effect> m_effects;  // by lower-case alias
    int m_nextChannel = 0;
};
