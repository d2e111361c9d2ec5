#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>

// What keeps the parents' corner shut to a child: the product of two
// numbers from 6 to 9, which an adult works out in two seconds. Too many
// wrong answers shut the door for a while. No widget in it.
class AdultDoor
{
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr int SmallestFactor = 6;
    static constexpr int LargestFactor = 9;
    static constexpr int WrongAnswersAllowed = 3;
    static constexpr std::chrono::seconds LockoutTime{30};

    enum class Outcome {
        Opened,     // right: the next visit gets a fresh question
        AskedAgain, // wrong: a new question
        Locked,     // shut: too many wrong answers, or still shut
    };

    explicit AdultDoor(std::uint32_t seed, Clock clock = std::chrono::steady_clock::now);

    int leftFactor() const { return m_left; }
    int rightFactor() const { return m_right; }

    Outcome answer(int product);
    // Whole seconds, rounded up, until answers are taken again; 0 when they are.
    int secondsLocked() const;

private:
    void askNewQuestion();

    Clock m_clock;
    std::mt19937 m_generator;
    int m_left = 0;
    int m_right = 0;
    int m_wrongAnswers = 0;
    std::chrono::steady_clock::time_point m_lockedUntil{};
};
