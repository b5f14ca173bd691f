#pragma once

#include "musicplayer.h"

#include <memory>
#include <optional>

/// Plays a MIDI file through FluidSynth with Debian's General MIDI SoundFont.
/// Without the library, the SoundFont, the file or an audio device it stays
/// silent.
class FluidSynthPlayer final : public MusicPlayer
{
public:
    FluidSynthPlayer();
    ~FluidSynthPlayer() override;
    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    void open(const QString& fileName) override;
    void play() override;
    void pause() override;
    void close() override;

    /// The SoundFonts looked for, in order; the first one present, or "".
    static QStringList soundFontCandidates();
    static QString soundFont();

    /// Renders `fileName` offline, without an audio device, and returns the
    /// peak sample level (0 to 1) and the length in seconds; no value when
    /// the file, the library or the SoundFont is missing.
    struct Rendering
    {
        double peak = 0;
        double seconds = 0;
    };
    static std::optional<Rendering> renderOffline(const QString& fileName, int maxSeconds);

private:
    struct Engine;
    std::unique_ptr<Engine> m_engine;
    QString m_fileName;
};

/// A player that never sounds, for tests and machines without audio.
class SilentPlayer final : public MusicPlayer
{
public:
    void open(const QString&) override {}
    void play() override {}
    void pause() override {}
    void close() override {}
};
