#include "parents/adultdoor.h"

#include <utility>

AdultDoor::AdultDoor(std::uint32_t seed, Clock clock)
    : m_clock(std::move(clock))
    , m_generator(seed)
{
    askNewQuestion();
}

AdultDoor::Outcome AdultDoor::answer(int product)
{
    if (secondsLocked() > 0)
        return Outcome::Locked;
    const bool right = product == m_left * m_right;
    askNewQuestion();
    if (right) {
        m_wrongAnswers = 0;
        return Outcome::Opened;
    }
    if (++m_wrongAnswers < WrongAnswersAllowed)
        return Outcome::AskedAgain;
    m_wrongAnswers = 0;
    m_lockedUntil = m_clock() + LockoutTime;
    return Outcome::Locked;
}

int AdultDoor::secondsLocked() const
{
    const auto left = m_lockedUntil - m_clock();
    if (left <= left.zero())
        return 0;
    return int(std::chrono::ceil<std::chrono::seconds>(left).count());
}

void AdultDoor::askNewQuestion()
{
    // Never the same answer twice running: a wrong guess must not come right by trying again.
    std::uniform_int_distribution<int> factor(SmallestFactor, LargestFactor);
    const int previousProduct = m_left * m_right;
    do {
        m_left = factor(m_generator);
        m_right = factor(m_generator);
    } while (m_left * m_right == previousProduct);
}
