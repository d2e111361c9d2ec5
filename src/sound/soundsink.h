#pragma once

#include "sound/sound.h"

// Where the game sends its sound effects. The program has one real player;
// tests hand in a fake that records the sounds.
class SoundSink
{
public:
    virtual ~SoundSink() = default;

    // Starts the sound (a number is spoken in the game's language or a
    // parent's voice) and returns at once; a sound already playing is cut off.
    virtual void play(Sound sound) = 0;
};
