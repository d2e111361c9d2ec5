#pragma once

#include "history/historytypes.h"

#include <cstdint>

// Where the rules report what a child did, for the history. None of the
// calls waits; the rules know no clock, so the sink times the judgements.
class JudgementSink
{
public:
    virtual ~JudgementSink() = default;

    virtual void gameStarted(std::int16_t grade, bool countingAloud) = 0;
    // A number appears: a judgement's seconds count from here.
    virtual void questionAsked() = 0;
    // Everything but the seconds, which the sink adds.
    virtual void judged(const History::Judgement &judgement) = 0;
    // The fifth miss, or a game left for help or the parents' corner.
    virtual void gameEnded(std::int32_t score) = 0;
};
