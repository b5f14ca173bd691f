#pragma once

#include "app/musicplayer.h"

#include <QStringList>

/// Records the commands sent to the music device.
class FakeMusic final : public MusicPlayer
{
public:
    void open(const QString& fileName) override { commands << QStringLiteral("open ") + fileName; }
    void play() override { commands << QStringLiteral("play"); }
    void pause() override { commands << QStringLiteral("pause"); }
    void close() override { commands << QStringLiteral("close"); }

    QStringList commands;
};
