// Plays one game into a history as fast as asked, once the history is open
// as a child's game begins long after: prints "playing", then each judgement
// as it is handed over, "<game start> <question>". Killed at any moment, the
// history must still hold what was printed a moment before.
#include "history/historystore.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString folder = arguments[1];
    HistoryStore store;
    store.open([&] { return HistoryWriter::Options{folder, arguments[2], folder + QStringLiteral("kobu.ini"), {}}; });
    store.health().waitForFinished();
    std::puts("playing");
    const QDateTime started = QDateTime::currentDateTimeUtc();
    store.beginGame(started, History::GameSettings{1, QStringLiteral("zh_CN"), History::Voice::BuiltIn, true});
    int question = 0;
    QTimer judge;
    QObject::connect(&judge, &QTimer::timeout, &app, [&] {
        const int asked = ++question % 10 + 1;
        store.recordJudgement(History::Judgement{question, 1, asked, asked, true, 1.5, 0});
        std::printf("%s %d\n", qPrintable(HistoryDatabase::timeText(started)), question);
        std::fflush(stdout);
        if (question == arguments[3].toInt()) {
            store.endGame(question * 10, QDateTime::currentDateTimeUtc());
            app.quit();
        }
    });
    judge.start(arguments[4].toInt());
    return QCoreApplication::exec();
}
