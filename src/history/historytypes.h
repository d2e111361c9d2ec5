#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class KnowerProgress;

// The values that go into the history and come out of it. Times are UTC.
namespace History {

inline constexpr int MaxNameLength = 24; // characters, whatever the script
inline constexpr int Pictures = 8;       // a player's picture is 0..7
inline constexpr int MinGrade = 1;
inline constexpr int MaxGrade = 4;
// The monkeys "given" when the child tried to seat an eleventh.
inline constexpr int Overload = 11;

enum class Voice {
    BuiltIn, // the game's own spoken numbers
    Parent,  // a recording of the player's own
};

QString voiceCode(Voice voice); // "built-in" or "parent", as stored and exported
std::optional<Voice> voiceFromCode(QStringView code);

// 1 to 24 characters, not only blanks.
bool isValidName(const QString &name);

struct Player
{
    std::int64_t id = 0;
    QString name;
    int picture = 0;
    int grade = MinGrade;
    QDateTime created;

    friend bool operator==(const Player &, const Player &) = default;
};

// How a game was played, fixed when it starts.
struct GameSettings
{
    int grade = MinGrade;
    QString language; // a --language code
    Voice voice = Voice::BuiltIn;
    bool countingAloud = true;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};

// One press of the locomotive or Enter, or an eleventh monkey.
struct Judgement
{
    int question = 1; // 1 for a game's first question
    int attempt = 1;  // 1 for a question's first judgement, 2, 3… for retries after a miss
    int asked = 1;
    int given = 0;    // the monkeys on the train; Overload for an eleventh
    bool correct = false;
    double seconds = 0; // from the number appearing to this judgement
    int unloads = 0;    // times the child emptied the train since the number appeared

    friend bool operator==(const Judgement &, const Judgement &) = default;
};

// A first try, what the knower level is computed from.
struct FirstTry
{
    int asked = 1;
    int given = 0;

    friend bool operator==(const FirstTry &, const FirstTry &) = default;
};

// What a child's first tries say, weighed as the game weighs its own play.
KnowerProgress inGameProgress(const std::vector<FirstTry> &firstTries);

// A judgement with its player and game, as exported and imported.
struct PlayedJudgement
{
    QString player;
    QDateTime started;
    GameSettings game; // counting aloud is not exchanged
    Judgement judgement;

    friend bool operator==(const PlayedJudgement &, const PlayedJudgement &) = default;
};

struct GameSummary
{
    QDateTime started;
    GameSettings settings;
    std::optional<int> score;  // none for a game still running, cut off or imported
    QDateTime ended;           // invalid then too
    int questions = 0;         // first tries
    int rightFirstTime = 0;
};

struct DayCount
{
    QDate day; // the player's local day
    int questions = 0;

    friend bool operator==(const DayCount &, const DayCount &) = default;
};

struct WeekAccuracy
{
    QDate monday; // the local week that starts on this day
    int questions = 0;
    int rightFirstTime = 0;

    friend bool operator==(const WeekAccuracy &, const WeekAccuracy &) = default;
};

struct Health
{
    bool canWrite = true;
    QString whyNot;               // said to the parent when the history cannot be written
    QStringList damagedSetAside;  // file names of damaged histories found beside, newest last

    bool fine() const { return canWrite && damagedSetAside.isEmpty(); }
    friend bool operator==(const Health &, const Health &) = default;
};

enum class EditResult {
    Done,
    InvalidName, // empty, blank or longer than MaxNameLength
    NameTaken,
    InvalidValue, // a picture or grade out of range
    NoSuchPlayer,
    CannotWrite,
};

} // namespace History
