#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Comma-separated values as RFC 4180 has them: fields holding a comma, a
// quote or a line break are quoted, and a quote inside is doubled. Records
// are written ending in CR LF; reading takes CR LF, LF or CR alike.

struct CsvRecord
{
    QStringList fields;
    int line = 0; // the physical line the record starts on, from 1
};

// Reads records one by one from a whole text. A blank line holds no record.
class CsvReader
{
public:
    // A byte order mark at the start is skipped. The text is shared, not copied.
    explicit CsvReader(const QString &text);

    // The next record; nothing at the end or at an error.
    std::optional<CsvRecord> next();

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }       // translated, empty without one
    int errorLine() const { return m_errorLine; }

private:
    std::optional<QString> quotedField();
    QString plainField();
    bool atLineEnd() const;
    void skipLineEnd();
    void fail(const QString &why, int line);

    const QString m_text;
    qsizetype m_position = 0;
    int m_line = 1;
    QString m_error;
    int m_errorLine = 0;
};

// UTF-8 bytes as text, with or without a byte order mark. Bytes that are
// not UTF-8 give an error on the first line holding them.
struct CsvText
{
    QString text;
    QString error; // translated, empty without one
    int errorLine = 0;
};
CsvText decodeCsvText(const QByteArray &bytes);

QString csvField(const QString &value);
QString csvRecord(const QStringList &fields); // with its CR LF
