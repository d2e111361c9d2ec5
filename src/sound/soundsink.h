#pragma once

// Where the game sends its sound effects. The program has one real player;
// tests hand in a fake that records the ids.
class SoundSink
{
public:
    virtual ~SoundSink() = default;

    // Starts sound <id> (100 + n is the number n, spoken in the game's
    // language or a parent's voice) and returns at once; a sound already
    // playing is cut off.
    virtual void play(int id) = 0;
};
