#include "grades/grade.h"

#include "grades/stepbystep.h"

#include <QCoreApplication>

namespace {

// The three grades that draw every number alike and differ in what the
// child is told: shown and spoken, only spoken, only shown.
class UniformGrade : public Grade
{
public:
    UniformGrade(std::int16_t number, bool shown, bool spoken)
        : m_number(number)
        , m_shown(shown)
        , m_spoken(spoken)
    {
    }

    std::int16_t number() const override { return m_number; }
    int nextNumber(std::mt19937 &random) override
    {
        // A distribution, not a modulo, so that no number comes up more often.
        return std::uniform_int_distribution<int>(1, 10)(random);
    }
    bool showsNumberWhenAsked() const override { return m_shown; }
    bool speaksNumberWhenAsked() const override { return m_spoken; }

private:
    std::int16_t m_number;
    bool m_shown;
    bool m_spoken;
};

} // namespace

QString Grade::name(int number)
{
    switch (number) {
    case 2:
        return QCoreApplication::translate("Grade", "听着数");
    case 3:
        return QCoreApplication::translate("Grade", "看着数");
    case 4:
        return QCoreApplication::translate("Grade", "一步一步");
    default:
        return QCoreApplication::translate("Grade", "看看听听");
    }
}

std::unique_ptr<Grade> Grade::make(int number, const std::vector<History::FirstTry> &history)
{
    switch (number) {
    case 2: // the give-N task itself
        return std::make_unique<UniformGrade>(2, false, true);
    case 3: // counting aloud while boarding stays as the player set it
        return std::make_unique<UniformGrade>(3, true, false);
    case 4:
        return std::make_unique<StepByStep>(history);
    default:
        return std::make_unique<UniformGrade>(1, true, true);
    }
}
