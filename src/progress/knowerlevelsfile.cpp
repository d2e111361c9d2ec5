#include "progress/knowerlevelsfile.h"

#include "appinfo.h"
#include "history/csv.h"
#include "progress/knowerprogress.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

enum Column { Child, Asked, Given, ColumnCount };
const std::array<QString, ColumnCount> ColumnNames{QStringLiteral("child"), QStringLiteral("asked"),
                                                   QStringLiteral("given")};

struct ChildTrials
{
    QString name;
    std::vector<GiveNTrial> trials;
};

// A whole number of at least `least`, or nothing.
std::optional<int> wholeNumber(const QString &field, int least)
{
    bool ok = false;
    const int value = QStringView(field).trimmed().toInt(&ok);
    return ok && value >= least ? std::optional<int>(value) : std::nullopt;
}

// Reads the table row by row; its complaints are translated under its name.
class KnowerLevelsReader
{
    Q_DECLARE_TR_FUNCTIONS(KnowerLevelsReader)

public:
    // Where each wanted column is in the header, or why it cannot be said.
    static std::optional<std::array<qsizetype, ColumnCount>> findColumns(const QStringList &header, QString &error)
    {
        std::array<qsizetype, ColumnCount> columns{};
        for (int column = 0; column < ColumnCount; ++column) {
            const QString &name = ColumnNames[column];
            const auto named = [&name](const QString &field) {
                return field.trimmed().compare(name, Qt::CaseInsensitive) == 0;
            };
            const auto found = std::find_if(header.begin(), header.end(), named);
            if (found == header.end()) {
                error = tr("缺少“%1”列").arg(name);
                return std::nullopt;
            }
            if (std::find_if(found + 1, header.end(), named) != header.end()) {
                error = tr("“%1”列不止一个").arg(name);
                return std::nullopt;
            }
            columns[column] = found - header.begin();
        }
        return columns;
    }

    // Every child's trials, in the order the children are first seen; nothing,
    // with the fault in `table`, at the first bad row.
    static std::optional<std::vector<ChildTrials>> readTrials(const QString &text, KnowerLevelsTable &table)
    {
        CsvReader csv(text);
        const auto fail = [&table](const QString &why, int line) {
            table.error = why;
            table.errorLine = line;
            return std::nullopt;
        };
        const std::optional<CsvRecord> header = csv.next();
        if (!header)
            return csv.failed() ? fail(csv.error(), csv.errorLine()) : fail(tr("文件是空的"), 1);
        QString columnError;
        const auto columns = findColumns(header->fields, columnError);
        if (!columns)
            return fail(columnError, header->line);

        std::vector<ChildTrials> children;
        QHash<QString, std::size_t> childIndex;
        while (const std::optional<CsvRecord> row = csv.next()) {
            const QStringList &fields = row->fields;
            if (fields.size() != header->fields.size())
                return fail(tr("这一行有%1个字段，标题行有%2个").arg(fields.size()).arg(header->fields.size()), row->line);
            const QString &name = fields[(*columns)[Child]];
            const std::optional<int> asked = wholeNumber(fields[(*columns)[Asked]], 1);
            const std::optional<int> given = wholeNumber(fields[(*columns)[Given]], 0);
            if (name.trimmed().isEmpty())
                return fail(tr("没有孩子的名字"), row->line);
            if (!asked)
                return fail(tr("要的数应该是1或更大的整数，这里是“%1”").arg(fields[(*columns)[Asked]]), row->line);
            if (!given)
                return fail(tr("给的数应该是0或更大的整数，这里是“%1”").arg(fields[(*columns)[Given]]), row->line);
            auto child = childIndex.constFind(name);
            if (child == childIndex.constEnd()) {
                child = childIndex.insert(name, children.size());
                children.push_back({name, {}});
            }
            children[*child].trials.push_back({*asked, *given});
        }
        if (csv.failed())
            return fail(csv.error(), csv.errorLine());
        return children;
    }

    static QString atLine(int line, const QString &why) { return tr("第%1行：%2").arg(line).arg(why); }
};

} // namespace

KnowerLevelsTable knowerLevelsOf(const QByteArray &csvFile)
{
    KnowerLevelsTable table;
    const CsvText text = decodeCsvText(csvFile);
    if (!text.error.isEmpty()) {
        table.error = text.error;
        table.errorLine = text.errorLine;
        return table;
    }
    const std::optional<std::vector<ChildTrials>> children = KnowerLevelsReader::readTrials(text.text, table);
    if (!children)
        return table;
    table.csv = csvRecord({QStringLiteral("child"), QStringLiteral("level")});
    for (const ChildTrials &child : *children)
        table.csv += csvRecord({child.name, KnowerProgress(child.trials, KnowerScoring::onPaper()).levelText()});
    return table;
}

int printKnowerLevels(const QString &fileName)
{
    const auto complain = [&fileName](const QString &why) {
        const QString text = QStringLiteral("%1: %2: %3\n").arg(QLatin1String(AppInfo::Name), fileName, why);
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return BadKnowerLevelsFile;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return complain(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return complain(file.errorString());
    const KnowerLevelsTable table = knowerLevelsOf(bytes);
    if (!table.error.isEmpty())
        return complain(KnowerLevelsReader::atLine(table.errorLine, table.error));
    const QByteArray output = table.csv.toUtf8();
    std::fwrite(output.constData(), 1, std::size_t(output.size()), stdout);
    return EXIT_SUCCESS;
}
