#include "game/gamerules.h"

#include "game/gamehost.h"
#include "game/judgementsink.h"
#include "sound/soundsink.h"

GameRules::GameRules(SoundSink &sound, GameHost &host, JudgementSink &judgements, std::uint32_t seed)
    : m_sound(sound)
    , m_host(host)
    , m_judgements(judgements)
    , m_generator(seed)
{
}

void GameRules::setGradeChooser(std::function<std::unique_ptr<Grade>()> chooser)
{
    m_chooseGrade = std::move(chooser);
}

void GameRules::start()
{
    if (playing())
        return;
    m_score = 0;
    m_scoreShown = true;
    unloadTrain();
    m_trainLeft = TrainHome;
    m_livesLeft = Lives;
    enterState(State::Asking);
    m_lifeMarkers.fill(true);
    m_monkeyGroupVisible = true;
    m_question = 0;
    if (m_chooseGrade)
        m_grade = m_chooseGrade();
    m_judgements.gameStarted(m_grade->number(), m_countingAloud);
    askNewQuestion();
}

void GameRules::askNewQuestion()
{
    m_trainVisible = true;
    m_boarded = 0;
    // One generator for the whole run: reseeding from the clock before each
    // draw would repeat the number whenever two questions share a tick.
    m_askedNumber = m_grade->nextNumber(m_generator);
    if (m_grade->speaksNumberWhenAsked())
        m_sound.play(Sounds::spokenNumber(m_askedNumber));
    m_monkeyGroupEnabled = true;
    m_numberShown = m_grade->showsNumberWhenAsked() ? m_askedNumber : 0;
    ++m_question;
    m_attempt = 1;
    m_unloads = 0;
    m_judgements.questionAsked();
}

void GameRules::judge(int given)
{
    History::Judgement judgement;
    judgement.question = m_question;
    judgement.attempt = m_attempt++;
    judgement.asked = m_askedNumber;
    judgement.given = given;
    judgement.correct = given == m_askedNumber;
    judgement.unloads = m_unloads;
    m_judgements.judged(judgement);
    if (judgement.attempt == 1)
        m_grade->firstTryJudged(judgement.correct);
    m_numberShown = m_askedNumber;
}

void GameRules::loseLife()
{
    unloadTrain();
    // The rightmost marker goes first.
    --m_livesLeft;
    m_lifeMarkers.at(m_livesLeft) = false;
    m_sound.play(Sound::Miss);
    if (m_livesLeft == 0)
        endGame();
}

void GameRules::endGame()
{
    leaveGame();
    m_host.showLeaderboard(m_grade->number(), m_score);
}

// The history keeps the score of a game left unfinished too.
void GameRules::leaveGame()
{
    if (playing())
        m_judgements.gameEnded(m_score);
    enterState(State::Waiting);
}

void GameRules::toggleCountingAloud()
{
    m_countingAloud = !m_countingAloud;
}

void GameRules::openHelp()
{
    // Abandons the game where it stands; a departure freezes mid-way.
    leaveGame();
    m_host.showHelp();
}

void GameRules::openParentsCorner()
{
    // As help does: what a parent changes there belongs to the next game.
    leaveGame();
    m_host.showParentsCorner();
}

void GameRules::boardMonkey()
{
    // Space reaches here even while the train is away: nobody boards then.
    if (m_state != State::Asking)
        return;
    if (m_boarded >= Seats) {
        judge(History::Overload);
        loseLife();
        return;
    }
    m_paintedSeats = m_boarded + 1;
    ++m_boarded;
    if (m_countingAloud)
        m_sound.play(Sounds::spokenNumber(m_boarded));
}

void GameRules::pressTrain(double x)
{
    if (x >= LocomotiveThreshold)
        depart();
    else if (trainAtHome()) { // nobody gets off a train that is away
        unloadTrain();
        ++m_unloads;
    }
}

void GameRules::pressKey(Key key)
{
    if (!playing())
        return;
    switch (key) {
    case Key::Space:
        boardMonkey();
        break;
    case Key::Enter:
        depart();
        break;
    }
}

void GameRules::depart()
{
    // A train already on its way is not judged (and paid) a second time.
    if (m_state != State::Asking)
        return;
    judge(m_boarded);
    if (m_boarded != m_askedNumber) {
        loseLife();
        return;
    }
    enterState(State::Departing);
    m_smokeLeft = SmokeStart;
    m_smokeVisible = true;
    m_score += Bonus;
    m_sound.play(Sound::Departure);
    m_monkeyGroupEnabled = false;
}

void GameRules::tick()
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
    askNewQuestion();
}

bool GameRules::trainAtHome() const
{
    return m_state != State::Departing && m_trainLeft == TrainHome;
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
