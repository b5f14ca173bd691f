#pragma once

#include <QString>

/// The start-up music device: open, play, pause, close. A player that cannot
/// sound stays silent; none of these calls ever fails the caller.
class MusicPlayer
{
public:
    virtual ~MusicPlayer() = default;
    virtual void open(const QString& fileName) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void close() = 0;
};
