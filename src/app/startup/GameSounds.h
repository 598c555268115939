#pragma once

#include "app/meld.h"

#include <QString>

#include <memory>

// What plays the sounds; GameSounds decides what to play.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    virtual void play(int id, bool loop) = 0;
    virtual void stop(int id) = 0;
};

// The game's 14 sounds by id. Playing never fails: a sound that cannot be
// loaded or played stays silent.
class GameSounds
{
public:
    enum Flag {
        LOOP = 1,      // play endlessly, replacing the sound looping now
        EXCLUSIVE = 2, // stop every other sound first
    };
    static constexpr int soundCount = 14;

    // The process-wide player, built on first use.
    static GameSounds &instance();

    explicit GameSounds(std::unique_ptr<SoundBackend> backend);
    ~GameSounds();

    // Does nothing for the sound looping now, or when "game/sound" is off.
    void play(int id, int flags);
    void stop(int id);
    // The sound of a declared meld: chow, pong, kong or mahjong.
    void playMeldSound(meld kind);

    // -1 when none loops.
    int loopingSound() const { return m_looping; }

    // "sounds:/hover" .. "sounds:/lobby_1min"; empty for an unknown id.
    static QString soundName(int id);

private:
    std::unique_ptr<SoundBackend> m_backend;
    int m_looping = -1;
};
