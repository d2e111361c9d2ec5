#include "history/historycsv.h"

#include "history/csv.h"
#include "history/historydatabase.h"
#include "language/language.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>
#include <QSaveFile>

using namespace History;

namespace {

// The texts' translation context.
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCsv)
};

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
constexpr int Columns = 12;
constexpr int SecondsDecimals = 3;
constexpr int LargestAsked = 10;

QString secondsText(double seconds)
{
    return QString::number(seconds, 'f', SecondsDecimals);
}

std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// One row's fields, or the name of the first column that does not read.
class RowReader
{
public:
    explicit RowReader(const QStringList &fields)
        : m_fields(fields)
    {
    }

    std::optional<PlayedJudgement> read()
    {
        PlayedJudgement row;
        row.player = m_fields[0];
        if (!isValidName(row.player))
            return failAt(0);
        row.started = HistoryDatabase::timeFromText(m_fields[1]);
        if (!row.started.isValid())
            return failAt(1);
        Judgement &judgement = row.judgement;
        if (!number(2, 1, INT_MAX, judgement.question) || !number(3, 1, INT_MAX, judgement.attempt)
            || !number(4, 1, LargestAsked, judgement.asked) || !number(5, 0, Overload, judgement.given))
            return std::nullopt;
        int correct = 0;
        if (!number(6, 0, 1, correct))
            return std::nullopt;
        judgement.correct = correct == 1;
        bool ok = false;
        const double seconds = m_fields[7].toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds < 0)
            return failAt(7);
        judgement.seconds = secondsText(seconds).toDouble();
        if (!number(8, 0, INT_MAX, judgement.unloads) || !number(9, MinGrade, MaxGrade, row.game.grade))
            return std::nullopt;
        row.game.language = m_fields[10];
        if (!Languages::fromCode(row.game.language))
            return failAt(10);
        const auto voice = voiceFromCode(m_fields[11]);
        if (!voice)
            return failAt(11);
        row.game.voice = *voice;
        return row;
    }

    QString error() const
    {
        const QString column = QString::fromLatin1(columnNames().at(m_badColumn));
        return Words::tr("“%1”列的值“%2”不对").arg(column, m_fields[m_badColumn]);
    }

private:
    static QList<QByteArray> columnNames() { return QByteArray(HistoryCsv::Header).split(','); }

    std::nullopt_t failAt(int column)
    {
        m_badColumn = column;
        return std::nullopt;
    }

    bool number(int column, int lowest, int highest, int &value)
    {
        const auto read = wholeNumber(m_fields[column], lowest, highest);
        if (!read)
            failAt(column);
        value = read.value_or(0);
        return read.has_value();
    }

    const QStringList &m_fields;
    int m_badColumn = 0;
};

QString atLine(int line, const QString &why)
{
    return Words::tr("第%1行：%2").arg(line).arg(why);
}

} // namespace

namespace HistoryCsv {

QByteArray write(const std::vector<PlayedJudgement> &judgements)
{
    QString text = csvRecord(QString::fromLatin1(Header).split(QLatin1Char(',')));
    for (const PlayedJudgement &row : judgements) {
        const Judgement &judgement = row.judgement;
        text += csvRecord({row.player, HistoryDatabase::timeText(row.started), QString::number(judgement.question),
                           QString::number(judgement.attempt), QString::number(judgement.asked),
                           QString::number(judgement.given), QString::number(int(judgement.correct)),
                           secondsText(judgement.seconds), QString::number(judgement.unloads),
                           QString::number(row.game.grade), row.game.language, voiceCode(row.game.voice)});
    }
    return ByteOrderMark + text.toUtf8();
}

Reading read(const QByteArray &bytes)
{
    Reading reading;
    const CsvText text = decodeCsvText(bytes);
    if (!text.error.isEmpty()) {
        reading.error = atLine(text.errorLine, text.error);
        return reading;
    }
    CsvReader reader(text.text);
    const std::optional<CsvRecord> header = reader.next();
    if (!header || header->fields.join(QLatin1Char(',')) != QLatin1String(Header)) {
        reading.error = atLine(header ? header->line : 1, Words::tr("标题行应该是：%1").arg(QLatin1String(Header)));
        return reading;
    }
    while (const std::optional<CsvRecord> record = reader.next()) {
        if (record->fields.size() != Columns) {
            reading.error = atLine(record->line, Words::tr("这一行有%1个字段，应该有%2个").arg(record->fields.size()).arg(Columns));
            break;
        }
        RowReader row(record->fields);
        const std::optional<PlayedJudgement> judgement = row.read();
        if (!judgement) {
            reading.error = atLine(record->line, row.error());
            break;
        }
        reading.judgements.push_back(*judgement);
    }
    if (reader.failed())
        reading.error = atLine(reader.errorLine(), reader.error());
    if (!reading.error.isEmpty())
        reading.judgements.clear();
    return reading;
}

QString writeFile(const QString &fileName, const std::vector<History::PlayedJudgement> &judgements)
{
    const QByteArray bytes = write(judgements);
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return file.errorString();
}

} // namespace HistoryCsv
