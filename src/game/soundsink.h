#pragma once

// Where the game sends its sound effects. The program has one real player;
// tests hand in a fake that records the ids.
class SoundSink
{
public:
    virtual ~SoundSink() = default;

    // Starts the embedded sound :/wav/<id> and returns at once; a sound
    // already playing is cut off.
    virtual void play(int id) = 0;
};
