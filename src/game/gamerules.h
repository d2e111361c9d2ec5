#pragma once

#include "grades/grade.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

class GameHost;
class JudgementSink;
class SoundSink;

// The whole of play, with no widget in it: the window forwards clicks, keys
// and timer ticks here and afterwards shows what the getters say.
class GameRules
{
public:
    // Tuning of play, in pixels of the scene and of the train picture.
    static constexpr int Seats = 10;
    static constexpr int Lives = 5;
    static constexpr int Bonus = 10;
    static constexpr double LocomotiveThreshold = 400.0;
    static constexpr int TrainHome = 30;
    // The smoke waits, hidden, at its designed place; each departure puts it at the chimney.
    static constexpr int SmokeDesignLeft = 416;
    static constexpr int SmokeStart = 420;
    static constexpr int Step = 5;
    static constexpr int StopLimit = 650;
    static constexpr int TickMs = 100;

    // Top-left corner of each seat's monkey in the train picture; the first
    // monkey sits in the locomotive's window, the tenth at the left end.
    // Index 10 exists but is never used.
    static constexpr std::array<int, Seats + 1> seatX{414, 358, 316, 275, 225, 183, 140, 90, 48, 7, 0};
    static constexpr std::array<std::int16_t, Seats + 1> seatY{24, 23, 26, 26, 23, 26, 26, 23, 26, 26, 0};

    // The keys of play: space boards a monkey, Enter sends the train.
    enum class Key {
        Space,
        Enter,
    };

    enum class State {
        Waiting,   // no game runs
        Asking,    // a number is shown, monkeys board
        Departing, // a correct train drives off; the departure timer runs
    };

    GameRules(SoundSink &sound, GameHost &host, JudgementSink &judgements, std::uint32_t seed);

    // Where each game gets its grade; without it every game plays the first.
    void setGradeChooser(std::function<std::unique_ptr<Grade>()> chooser);
    std::int16_t grade() const { return m_grade->number(); }

    // What the player does, and the departure timer's tick.
    void start();
    void toggleCountingAloud();
    void openHelp();
    void openParentsCorner();
    void boardMonkey();
    void pressTrain(double x); // x in the train picture's pixels
    void pressKey(Key key);
    void tick();

    // Game state.
    State state() const { return m_state; }
    bool playing() const { return m_state != State::Waiting; }
    int boarded() const { return m_boarded; }
    int askedNumber() const { return m_askedNumber; } // 1..10
    int livesLeft() const { return m_livesLeft; }     // 0..Lives
    std::int32_t score() const { return m_score; }
    bool countingAloud() const { return m_countingAloud; }

    // What the window shows.
    bool timerEnabled() const { return m_state == State::Departing; }
    int numberShown() const { return m_numberShown; } // 0 until the first question, and while kept back
    bool scoreShown() const { return m_scoreShown; }  // false until the first game
    bool lifeMarkerVisible(int index) const { return m_lifeMarkers.at(index); }
    bool trainVisible() const { return m_trainVisible; }
    int trainLeft() const { return m_trainLeft; }
    int paintedSeats() const { return m_paintedSeats; } // seats 0..n-1 carry a monkey
    bool smokeVisible() const { return m_smokeVisible; }
    int smokeLeft() const { return m_smokeLeft; }
    bool monkeyGroupVisible() const { return m_monkeyGroupVisible; }
    bool monkeyGroupEnabled() const { return m_monkeyGroupEnabled; }

private:
    void askNewQuestion();
    void loseLife();
    void endGame();
    void depart();
    void judge(int given);
    void leaveGame();
    void unloadTrain();
    bool trainAtHome() const;
    void enterState(State next);

    SoundSink &m_sound;
    GameHost &m_host;
    JudgementSink &m_judgements;
    std::mt19937 m_generator;
    std::function<std::unique_ptr<Grade>()> m_chooseGrade;
    std::unique_ptr<Grade> m_grade = Grade::make(Grade::First, {});

    State m_state = State::Waiting;
    int m_boarded = 0;
    int m_askedNumber = 1;
    int m_livesLeft = 0;
    std::int32_t m_score = 0;
    bool m_countingAloud = true;
    // What the history learns of each judgement.
    int m_question = 0;   // of this game, from 1
    int m_attempt = 1;    // at this question, from 1
    int m_unloads = 0;    // by the child, since the number appeared

    int m_numberShown = 0;
    bool m_scoreShown = false;
    std::array<bool, Lives> m_lifeMarkers{};
    bool m_trainVisible = false;
    int m_trainLeft = TrainHome;
    int m_paintedSeats = 0;
    bool m_smokeVisible = false;
    int m_smokeLeft = SmokeDesignLeft;
    bool m_monkeyGroupVisible = false;
    bool m_monkeyGroupEnabled = true;
};
