#include "fluidsynthplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

#if QUOTARA_HAVE_FLUIDSYNTH
#include <fluidsynth.h>
#endif

#if QUOTARA_HAVE_FLUIDSYNTH
struct FluidSynthPlayer::Engine
{
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    ~Engine()
    {
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (driver)
            delete_fluid_audio_driver(driver);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

namespace {

void quietLog(int, const char*, void*) {}

// The desktop's sound server, when one runs: FluidSynth then talks to it
// rather than to the bare device.
QString soundServerDriver()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native")))
        return QStringLiteral("pulseaudio");
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return QStringLiteral("pulseaudio");
    return {};
}

// Without a sound server and without a card the audio library only prints
// errors; the program stays silent without asking it.
bool hasSoundCard()
{
#ifdef Q_OS_LINUX
    QFile cards(QStringLiteral("/proc/asound/cards"));
    if (!cards.open(QIODevice::ReadOnly))
        return false;
    return !cards.readAll().contains("no soundcards");
#else
    return true;
#endif
}

} // namespace
#else
struct FluidSynthPlayer::Engine
{
};
#endif

FluidSynthPlayer::FluidSynthPlayer() = default;

FluidSynthPlayer::~FluidSynthPlayer()
{
    close();
}

QStringList FluidSynthPlayer::soundFontCandidates()
{
    return {QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")};
}

QString FluidSynthPlayer::soundFont()
{
    for (const QString& candidate : soundFontCandidates()) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

std::optional<FluidSynthPlayer::Rendering> FluidSynthPlayer::renderOffline(const QString& fileName,
                                                                           int maxSeconds)
{
#if QUOTARA_HAVE_FLUIDSYNTH
    const QString font = soundFont();
    if (font.isEmpty() || !QFileInfo::exists(fileName))
        return std::nullopt;
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, quietLog, nullptr);
    Engine engine;
    engine.settings = new_fluid_settings();
    fluid_settings_setstr(engine.settings, "player.timing-source", "sample");
    fluid_settings_setint(engine.settings, "synth.lock-memory", 0);
    engine.synth = new_fluid_synth(engine.settings);
    if (!engine.synth ||
        fluid_synth_sfload(engine.synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        return std::nullopt;
    engine.player = new_fluid_player(engine.synth);
    if (fluid_player_add(engine.player, fileName.toLocal8Bit().constData()) != FLUID_OK)
        return std::nullopt;
    fluid_player_play(engine.player);
    double rate = 44100;
    fluid_settings_getnum(engine.settings, "synth.sample-rate", &rate);
    constexpr int block = 1024;
    std::vector<float> left(block), right(block);
    Rendering rendering;
    long frames = 0;
    const long maxFrames = static_cast<long>(rate * maxSeconds);
    while (fluid_player_get_status(engine.player) == FLUID_PLAYER_PLAYING && frames < maxFrames) {
        fluid_synth_write_float(engine.synth, block, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < block; ++i)
            rendering.peak =
                std::max({rendering.peak, double(std::abs(left[i])), double(std::abs(right[i]))});
        frames += block;
    }
    rendering.seconds = frames / rate;
    return rendering;
#else
    Q_UNUSED(fileName);
    Q_UNUSED(maxSeconds);
    return std::nullopt;
#endif
}

void FluidSynthPlayer::open(const QString& fileName)
{
    close();
    m_fileName = fileName;
#if QUOTARA_HAVE_FLUIDSYNTH
    if (!QFileInfo::exists(fileName))
        return;
    const QString font = soundFont();
    if (font.isEmpty())
        return;
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, quietLog, nullptr);
    auto engine = std::make_unique<Engine>();
    engine->settings = new_fluid_settings();
    if (!engine->settings)
        return;
    engine->synth = new_fluid_synth(engine->settings);
    if (!engine->synth)
        return;
    if (fluid_synth_sfload(engine->synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        return;
    const QString audioDriver = soundServerDriver();
    if (audioDriver.isEmpty() && !hasSoundCard())
        return;
    if (!audioDriver.isEmpty())
        fluid_settings_setstr(engine->settings, "audio.driver", audioDriver.toLatin1().constData());
    engine->driver = new_fluid_audio_driver(engine->settings, engine->synth);
    if (!engine->driver)
        return;
    engine->player = new_fluid_player(engine->synth);
    if (!engine->player)
        return;
    if (fluid_player_add(engine->player, fileName.toLocal8Bit().constData()) != FLUID_OK)
        return;
    m_engine = std::move(engine);
#endif
}

void FluidSynthPlayer::play()
{
#if QUOTARA_HAVE_FLUIDSYNTH
    if (!m_engine) {
        if (m_fileName.isEmpty())
            return;
        open(m_fileName);
        if (!m_engine)
            return;
    }
    if (fluid_player_get_status(m_engine->player) == FLUID_PLAYER_DONE) {
        // A finished piece starts again from the top, as the farewell screen wants.
        open(m_fileName);
        if (!m_engine)
            return;
    }
    fluid_player_play(m_engine->player);
#endif
}

void FluidSynthPlayer::pause()
{
#if QUOTARA_HAVE_FLUIDSYNTH
    if (m_engine)
        fluid_player_stop(m_engine->player);
#endif
}

void FluidSynthPlayer::close()
{
    m_engine.reset();
}
