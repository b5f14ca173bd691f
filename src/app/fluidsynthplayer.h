#pragma once

#include "musicplayer.h"

#include <memory>

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

    /// The SoundFonts looked for, in order.
    static QStringList soundFontCandidates();

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
