#pragma once

#include "history/historytypes.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The history as a spreadsheet: one judgement a row, UTF-8 with a byte
// order mark so that spreadsheet programs in Chinese open it right.
namespace HistoryCsv {

inline constexpr auto Header = "player,game_started,question,try,asked,given,correct,seconds,unloads,grade,language,voice";

QByteArray write(const std::vector<History::PlayedJudgement> &judgements);
// Whole or not at all; says why not, or nothing once written.
QString writeFile(const QString &fileName, const std::vector<History::PlayedJudgement> &judgements);

struct Reading
{
    std::vector<History::PlayedJudgement> judgements;
    QString error; // translated, with its line; empty when every row was read
};

// All or nothing: the first bad row makes the whole file bad.
Reading read(const QByteArray &bytes);

} // namespace HistoryCsv
