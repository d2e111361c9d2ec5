#include "game/gamerules.h"

#include "game/gamehost.h"
#include "game/soundsink.h"

GameRules::GameRules(SoundSink &sound, GameHost &host, std::uint32_t seed)
    : m_sound(sound)
    , m_host(host)
    , m_generator(seed)
{
}

int GameRules::drawNumIdx(std::mt19937 &generator)
{
    // A distribution, not a modulo, so that no number comes up more often.
    std::uniform_int_distribution<int> index(0, Seats - 1);
    return index(generator);
}

void GameRules::Picbeg_Click()
{
    if (playing())
        return;
    m_score = 0;
    m_scoreShown = true;
    unloadTrain();
    m_trainLeft = TrainHome;
    m_lifeIdx = Lives - 1;
    enterState(State::Asking);
    m_lifeMarkers.fill(true);
    m_monkeyGroupVisible = true;
    NewQuestion();
}

void GameRules::NewQuestion()
{
    m_trainVisible = true;
    m_boarded = 0;
    // One generator for the whole run: reseeding from the clock before each
    // draw would repeat the number whenever two questions share a tick.
    m_numIdx = drawNumIdx(m_generator);
    m_sound.PlayWav(NumberSoundBase + 1 + m_numIdx);
    m_monkeyGroupEnabled = true;
    m_numberShown = m_numIdx + 1;
}

void GameRules::LoseLife()
{
    unloadTrain();
    m_lifeMarkers.at(m_lifeIdx) = false;
    --m_lifeIdx;
    m_sound.PlayWav(MissSound);
    if (m_lifeIdx < 0)
        GameOver();
}

void GameRules::GameOver()
{
    enterState(State::Waiting);
    m_host.showLeaderboard(Grade, m_score);
}

void GameRules::PicV_Click()
{
    m_soundOn = !m_soundOn;
}

void GameRules::Pichp_Click()
{
    // Abandons the game where it stands; a departure freezes mid-way.
    enterState(State::Waiting);
    m_host.showHelp();
}

void GameRules::Picboy_Click()
{
    // Space reaches here even while the train is away: nobody boards then.
    if (m_state != State::Asking)
        return;
    if (m_boarded >= Seats) {
        LoseLife();
        return;
    }
    m_paintedSeats = m_boarded + 1;
    ++m_boarded;
    if (m_soundOn)
        m_sound.PlayWav(NumberSoundBase + m_boarded);
}

void GameRules::Pictrain_MouseDown(double x)
{
    if (x < LocomotiveThreshold)
        unloadTrain();
    else
        Depart();
}

void GameRules::Form_KeyDown(int keyCode)
{
    if (!playing())
        return;
    if (keyCode == KeySpace)
        Picboy_Click();
    else if (keyCode == KeyEnter)
        Depart();
}

void GameRules::Depart()
{
    // A train already on its way is not judged (and paid) a second time.
    if (m_state != State::Asking)
        return;
    if (m_boarded != m_numIdx + 1) {
        LoseLife();
        return;
    }
    enterState(State::Departing);
    m_smokeLeft = SmokeStart;
    m_smokeVisible = true;
    m_score += Bonus;
    m_sound.PlayWav(DepartureSound);
    m_monkeyGroupEnabled = false;
}

void GameRules::Timer1_Timer()
{
    if (m_state != State::Departing)
        return;
    if (m_trainLeft < StopLimit) {
        m_trainLeft += Step;
        m_smokeLeft += Step;
        return;
    }
    enterState(State::Asking);
    m_trainLeft = TrainHome;
    // The train comes back empty, as the new question's count starts at 0.
    unloadTrain();
    NewQuestion();
}

void GameRules::unloadTrain()
{
    m_paintedSeats = 0;
    m_boarded = 0;
}

void GameRules::enterState(State next)
{
    const bool wasDeparting = m_state == State::Departing;
    m_state = next;
    if (wasDeparting != (next == State::Departing))
        m_host.setDepartureTimer(next == State::Departing);
}
