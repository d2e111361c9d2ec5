#include "history/csv.h"

#include <QtTest>

class tst_Csv : public QObject
{
    Q_OBJECT

private slots:
    // Records as "line:field|field", joined by "; ".
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("records");
        QTest::addColumn<int>("errorLine"); // 0: none
        QTest::newRow("LF, no last break") << "a,b\nc,d" << "1:a|b; 2:c|d" << 0;
        QTest::newRow("lone CR") << "a\rb" << "1:a; 2:b" << 0;
        QTest::newRow("byte order mark") << QStringLiteral("\ufeffchild,x\n") << "1:child|x" << 0;
        QTest::newRow("empty fields") << ",a,\n" << "1:|a|" << 0;
        QTest::newRow("blank lines") << "a\n\n\r\nb\n" << "1:a; 4:b" << 0;
        QTest::newRow("quoted CR LF") << "\"a\r\nb\",c\r\nd\r\n" << "1:a\r\nb|c; 3:d" << 0;
        QTest::newRow("quoted LF and CR") << "\"a\nb\rc\"\nd" << "1:a\nb\rc; 4:d" << 0;
        QTest::newRow("text after a closing quote") << "a\n\"b\nc\"d,e" << "1:a" << 3;
        QTest::newRow("quote in a plain field") << "a\r\nb\"c\r\n" << "1:a" << 2;
    }

    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, records);
        QFETCH(int, errorLine);
        CsvReader reader(text);
        QStringList read;
        while (const std::optional<CsvRecord> record = reader.next())
            read.append(QString::number(record->line) + QLatin1Char(':') + record->fields.join(QLatin1Char('|')));
        QCOMPARE(read.join(QStringLiteral("; ")), records);
        QCOMPARE(reader.errorLine(), errorLine);
        QVERIFY(!reader.next());
    }

    void writing_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("comma") << "Li, Ming" << "\"Li, Ming\"";
        QTest::newRow("quote") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
        QTest::newRow("CR") << "a\rb" << "\"a\rb\"";
        QTest::newRow("byte order mark first") << QStringLiteral("\ufeffa") << QStringLiteral("\"\ufeffa\"");
    }

    // Each field comes back as it was written.
    void writing()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        const QString text = csvRecord({value, QStringLiteral("x")}) + csvRecord({value});
        QCOMPARE(text.section(QStringLiteral("\r\n"), 0, 0), field + QStringLiteral(",x"));
        // Alone in its record, the value still makes a record.
        CsvReader reader(text);
        QCOMPARE(reader.next()->fields, QStringList({value, QStringLiteral("x")}));
        QCOMPARE(reader.next()->fields, QStringList{value});
    }

    // A character cut short at the very end is a fault on its line.
    void decodingCutShort()
    {
        const CsvText decoded = decodeCsvText("a\n\xe5\xb0");
        QCOMPARE(std::pair(decoded.text, decoded.errorLine), std::pair(QString(), 2));
    }
};

QTEST_APPLESS_MAIN(tst_Csv)
#include "tst_csv.moc"
