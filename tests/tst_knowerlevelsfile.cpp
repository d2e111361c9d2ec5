#include "progress/knowerlevelsfile.h"
#include "testfiles.h"

#include <QtTest>

class tst_KnowerLevelsFile : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("levels");
        QTest::addColumn<int>("line");      // of the fault; 0: none
        QTest::addColumn<QString>("named"); // a part of the complaint
        QTest::newRow("header only") << QByteArray("child,asked,given\r\n") << "child,level\r\n" << 0 << "";
        QTest::newRow("BOM, columns reordered among others")
            << QByteArray("\xef\xbb\xbfgiven,session,Asked,child\r\n2,a,2,Ann\r\n1,b,1,Ann\r\n") << "child,level\r\nAnn,2\r\n" << 0 << "";
        QTest::newRow("names quoted with commas, quotes and line breaks")
            << QByteArray("child,asked,given\n\"Li, \"\"Ming\"\"\",1,1\n\"two\nlines\",1,3\n")
            << "child,level\r\n\"Li, \"\"Ming\"\"\",1\r\n\"two\nlines\",0\r\n" << 0 << "";
        QTest::newRow("order first seen") << QByteArray("child,asked,given\n小明,1,1\n小红,1,1\n小明,2,2\n")
                                          << "child,level\r\n小明,2\r\n小红,1\r\n" << 0 << "";
        QTest::newRow("every row counts, CP")
            << QByteArray("child,asked,given\nA,1,1\nA,2,2\nA,3,3\nA,4,4\nA,5,5\nA,6,6\nA,6,7\nA,6,6\n") << "child,level\r\nA,CP\r\n"
            << 0 << "";
        QTest::newRow("spaces round numbers, large given") << QByteArray("child,asked,given\nA, 1 ,1\nA,2,1000\n")
                                                           << "child,level\r\nA,1\r\n" << 0 << "";
        const QByteArray header("child,asked,given\nA,1,1\n");
        QTest::newRow("empty file") << QByteArray() << "" << 1 << "";
        QTest::newRow("missing column") << QByteArray("\n\nchild,asked\nA,1\n") << "" << 3 << "given";
        QTest::newRow("column twice") << QByteArray("child,asked,given,asked\n") << "" << 1 << "asked";
        QTest::newRow("asked 0") << header + "A,0,0\n" << "" << 3 << "0";
        QTest::newRow("given negative") << header + "A,1,-1\n" << "" << 3 << "-1";
        QTest::newRow("too few fields") << header + "A,1\n" << "" << 3 << "";
        QTest::newRow("no name") << header + " ,1,1\n" << "" << 3 << "";
        QTest::newRow("unterminated quote") << header + "\"B,1,1\nC,1,1\n" << "" << 3 << "";
        QTest::newRow("after a quoted line break") << header + "\"B\nC\",1,1\nD,1,x\n" << "" << 5 << "x";
        QTest::newRow("not UTF-8") << header + "\xff,1,1\n" << "" << 3 << "";
    }

    void tables()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, levels);
        QFETCH(int, line);
        QFETCH(QString, named);
        const KnowerLevelsTable table = knowerLevelsOf(file);
        QCOMPARE(table.csv, levels);
        QCOMPARE(table.errorLine, line);
        QVERIFY2(table.error.isEmpty() == (line == 0) && table.error.contains(named), qPrintable(table.error));
    }

    // The program itself: levels on standard output, a fault on standard error with the line and status 2.
    void program_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("good") << QByteArray("child,asked,given\n小明,1,1\n") << 0 << QByteArray("child,level\r\n小明,1\r\n") << "";
        QTest::newRow("bad row") << QByteArray("child,asked,given\n小明,1,1\n小明,1,x\n") << 2 << QByteArray() << "line 3";
        QTest::newRow("no file") << QByteArray() << 2 << QByteArray() << "missing.csv";
    }

    void program()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QString, complaint);
        const QTemporaryDir folder;
        const QString fileName = folder.filePath(file.isEmpty() ? QStringLiteral("missing.csv") : QStringLiteral("trials.csv"));
        QVERIFY(file.isEmpty() || writeFile(fileName, file));
        QProcess kobu;
        kobu.start(QStringLiteral(KOBU_PROGRAM), {"--language", "en", "--knower-levels", fileName});
        QVERIFY(kobu.waitForFinished(60000));
        QCOMPARE(kobu.exitCode(), status);
        QCOMPARE(kobu.readAllStandardOutput(), output);
        const QString complained = QString::fromUtf8(kobu.readAllStandardError());
        QVERIFY2(complained.contains(complaint) && complained.isEmpty() == complaint.isEmpty(), qPrintable(complained));
    }
};

QTEST_APPLESS_MAIN(tst_KnowerLevelsFile)
#include "tst_knowerlevelsfile.moc"
