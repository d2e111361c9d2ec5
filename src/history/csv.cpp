#include "history/csv.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

constexpr QChar Quote = QLatin1Char('"');
constexpr QChar Comma = QLatin1Char(',');
constexpr QChar LineFeed = QLatin1Char('\n');
constexpr QChar CarriageReturn = QLatin1Char('\r');
constexpr QChar ByteOrderMark = QChar(0xfeff);

QString tr(const char *text)
{
    return QCoreApplication::translate("CsvReader", text);
}

bool isLineBreak(QChar c)
{
    return c == LineFeed || c == CarriageReturn;
}

} // namespace

CsvReader::CsvReader(const QString &text)
    : m_text(text)
{
    if (m_text.startsWith(ByteOrderMark))
        m_position = 1;
}

std::optional<CsvRecord> CsvReader::next()
{
    while (!failed() && m_position < m_text.size() && atLineEnd())
        skipLineEnd();
    if (failed() || m_position >= m_text.size())
        return std::nullopt;

    CsvRecord record;
    record.line = m_line;
    for (;;) {
        // A comma at the very end leaves an empty last field.
        if (m_position < m_text.size() && m_text[m_position] == Quote) {
            std::optional<QString> field = quotedField();
            if (!field) {
                fail(tr("引号没有结束"), record.line);
                return std::nullopt;
            }
            if (m_position < m_text.size() && m_text[m_position] != Comma && !atLineEnd()) {
                fail(tr("引号结束后应该是逗号或换行"), m_line);
                return std::nullopt;
            }
            record.fields.append(*field);
        } else {
            record.fields.append(plainField());
            if (failed())
                return std::nullopt;
        }
        if (m_position >= m_text.size() || atLineEnd())
            break;
        ++m_position; // the comma
    }
    if (m_position < m_text.size())
        skipLineEnd();
    return record;
}

std::optional<QString> CsvReader::quotedField()
{
    QString field;
    ++m_position;
    while (m_position < m_text.size()) {
        const QChar c = m_text[m_position];
        if (c == Quote) {
            if (m_position + 1 < m_text.size() && m_text[m_position + 1] == Quote) {
                field.append(Quote);
                m_position += 2;
                continue;
            }
            ++m_position;
            return field;
        }
        // CR LF is one line break; a lone CR is one too.
        const bool crBeforeLf = c == CarriageReturn && m_position + 1 < m_text.size() && m_text[m_position + 1] == LineFeed;
        if (isLineBreak(c) && !crBeforeLf)
            ++m_line;
        field.append(c);
        ++m_position;
    }
    return std::nullopt;
}

QString CsvReader::plainField()
{
    const qsizetype start = m_position;
    while (m_position < m_text.size() && m_text[m_position] != Comma && !isLineBreak(m_text[m_position])) {
        // A comma at the very end leaves an empty last field.
        if (m_position < m_text.size() && m_text[m_position] == Quote) {
            fail(tr("没有用引号括起来的字段里有引号"), m_line);
            return {};
        }
        ++m_position;
    }
    return m_text.sliced(start, m_position - start);
}

bool CsvReader::atLineEnd() const
{
    return isLineBreak(m_text[m_position]);
}

void CsvReader::skipLineEnd()
{
    if (m_text[m_position] == CarriageReturn)
        ++m_position;
    if (m_position < m_text.size() && m_text[m_position] == LineFeed)
        ++m_position;
    ++m_line;
}

void CsvReader::fail(const QString &why, int line)
{
    m_error = why;
    m_errorLine = line;
}

CsvText decodeCsvText(const QByteArray &bytes)
{
    CsvText decoded;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    decoded.text = decoder.decode(bytes);
    if (!decoder.hasError())
        return decoded;
    // The slow way only for a bad file: no UTF-8 sequence holds a line feed,
    // so each line can be checked on its own.
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = lineDecoder.decode(lines[line]);
        if (lineDecoder.hasError()) {
            decoded.errorLine = int(line) + 1;
            break;
        }
    }
    decoded.text.clear();
    decoded.error = QCoreApplication::translate("CsvReader", "不是 UTF-8 文字");
    return decoded;
}

QString csvField(const QString &value)
{
    // A byte order mark in front would be taken for the file's own.
    const bool needsQuotes = value.contains(Comma) || value.contains(Quote) || value.contains(LineFeed)
                             || value.contains(CarriageReturn) || value.startsWith(ByteOrderMark);
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(Quote, QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

QString csvRecord(const QStringList &fields)
{
    // Bare, a lone empty field would be a blank line, which holds no record.
    if (fields.size() == 1 && fields.front().isEmpty())
        return QStringLiteral("\"\"\r\n");
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(Comma) + QStringLiteral("\r\n");
}
