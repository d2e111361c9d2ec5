#include "parents/knowerwording.h"

#include <cmath>
#include <cstdlib>

KnowerWording::KnowerWording(const KnowerProgress &progress)
    : m_level(progress.level())
{
    for (int n = progress.level() + 1; n <= KnowerProgress::LargestNumber && !m_learning; ++n) {
        const NumberStatus status = progress.number(n).status;
        if (status == NumberStatus::Learning || status == NumberStatus::NotYet)
            m_learning = n;
    }
    bool anyJudged = false;
    for (int n = 1; n <= KnowerProgress::LargestNumber; ++n)
        anyJudged = anyJudged || progress.number(n).status != NumberStatus::NotEnoughPlay;
    if (!anyJudged)
        m_stage = Stage::NotEnoughPlay;
    else if (progress.isCardinalPrincipleKnower())
        m_stage = Stage::Counting;
    else if (progress.level() == 0)
        m_stage = Stage::StartingWithOne;
    else
        m_stage = Stage::SmallNumbers;
}

QString KnowerWording::summary() const
{
    switch (m_stage) {
    case Stage::NotEnoughPlay:
        return tr("还要再玩几局，才看得出来。");
    case Stage::StartingWithOne:
        return tr("正在学“一”是多少。");
    case Stage::Counting:
        return tr("10 以内的数都会数了。");
    case Stage::SmallNumbers:
        break;
    }
    if (!m_learning)
        return m_level == 1 ? tr("确实认识 1。") : tr("确实认识 1 到 %1。").arg(m_level);
    return m_level == 1 ? tr("确实认识 1，正在学 %1。").arg(*m_learning)
                        : tr("确实认识 1 到 %1，正在学 %2。").arg(m_level).arg(*m_learning);
}

QString KnowerWording::meaning() const
{
    switch (m_stage) {
    case Stage::NotEnoughPlay:
        return tr("每个数要问过至少三次，才能说孩子会不会。");
    case Stage::StartingWithOne:
        return tr("这时候，孩子要一个常常会抓一把给你。这很正常：“一”是第一个要学会的数。");
    case Stage::SmallNumbers:
        return tr("这个阶段的孩子一个一个地学会小的数，每个数常常要几个月。数数的道理还在后面。");
    case Stage::Counting:
        return tr("孩子已经明白：数到的最后一个数，就是一共有多少。");
    }
    return {};
}

QString KnowerWording::practice() const
{
    switch (m_stage) {
    case Stage::NotEnoughPlay:
        return tr("陪孩子一起玩几局，看看哪些数已经会了。");
    case Stage::StartingWithOne:
        return tr("在家请孩子只给你一样东西：一个勺子、一只袜子；给对了就夸夸他。");
    case Stage::SmallNumbers:
        return tr("摆碗筷时请孩子拿 %1 个给你，一起边点边数，最后说：“一共 %1 个！”")
            .arg(m_learning.value_or(m_level + 1));
    case Stage::Counting:
        return tr("一起数更多的东西，数到 20；也可以玩“再多一个是几个？”");
    }
    return {};
}

QString KnowerWording::statusName(NumberStatus status)
{
    switch (status) {
    case NumberStatus::Known:
        return tr("会了");
    case NumberStatus::Learning:
        return tr("在学");
    case NumberStatus::NotYet:
        return tr("还没学会");
    case NumberStatus::NotEnoughPlay:
        return tr("玩得还不够");
    }
    return {};
}

QString KnowerWording::numberDetail(const NumberProgress &number)
{
    if (number.timesAsked == 0)
        return tr("%1：还没问过。").arg(number.number);
    const int percent = int(std::lround(number.accuracy() * 100));
    QString detail = tr("%1：%2。问过 %3 次，第一次就对了 %4 次（%5%）。")
                         .arg(number.number)
                         .arg(statusName(number.status))
                         .arg(number.timesAsked)
                         .arg(number.rightFirstTries)
                         .arg(percent);
    if (number.commonestWrongAnswer) {
        detail += tr("问 %1，常常给 %2：%3。")
                      .arg(number.number)
                      .arg(*number.commonestWrongAnswer)
                      .arg(wrongBy(number.number, *number.commonestWrongAnswer));
    }
    return detail;
}

QString KnowerWording::wrongBy(int asked, int given)
{
    const int difference = std::abs(given - asked);
    if (given < asked)
        return difference == 1 ? tr("少一个") : tr("少 %1 个").arg(difference);
    return difference == 1 ? tr("多一个") : tr("多 %1 个").arg(difference);
}
