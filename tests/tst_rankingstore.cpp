#include "leaderboard/rankingstore.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(RankingStore::ReadResult)

namespace {

using Result = RankingStore::ReadResult;
enum Obstacle { Nothing, OldFile, DiskFull, ReadOnlyFolder, UnreadableFile, Folder, Pipe };
const QString FileName = QStringLiteral("kobu1.tmp");
const QByteArray OldBytes = QByteArray("old,50\r\n").repeated(12);
const RankingTable Sample = Ranking::inserted(Ranking::freshTable(), 0, QStringLiteral("张三, 大班"), 40000);
const QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner;
// Root ignores permission bits: such cases are skipped rather than faked.
const bool BitsBind = ::geteuid() != 0;

} // namespace

class tst_RankingStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // never the player's real data folder

    void resolvePath()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
        QTemporaryDir folder;
        const QString spath = folder.path() + u'/';
        QCOMPARE(RankingStore::resolvePath(spath, 1), spath + FileName);
        // A folder that even root cannot write to.
        QCOMPARE(RankingStore::resolvePath(QStringLiteral("/proc/"), 3), data + QStringLiteral("kobu3.tmp"));
        QFile::setPermissions(spath, ReadOnly);
        const QString inReadOnly = RankingStore::resolvePath(spath, 1);
        QFile::setPermissions(spath, ReadOnly | QFile::WriteOwner);
        if (BitsBind)
            QCOMPARE(inReadOnly, data + FileName);
    }

    void readThenWrite_data()
    {
        QTest::addColumn<int>("there");
        QTest::addColumn<Result>("result");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing, not even the folder") << int(Nothing) << Result::Missing << true;
        QTest::newRow("old file") << int(OldFile) << Result::Read << true;
        QTest::newRow("disk full") << int(DiskFull) << Result::Read << false;
        QTest::newRow("read-only folder") << int(ReadOnlyFolder) << Result::Read << false;
        // What we cannot read may hold scores: it is not ours to replace. A pipe must not block.
        QTest::newRow("unreadable file") << int(UnreadableFile) << Result::Unreadable << false;
        QTest::newRow("folder") << int(Folder) << Result::Unreadable << false;
        QTest::newRow("pipe") << int(Pipe) << Result::Unreadable << false;
    }

    // A write either replaces the whole file or leaves what stands there as it was.
    void readThenWrite()
    {
        QFETCH(int, there);
        QFETCH(Result, result);
        QFETCH(bool, written);
        const bool bits = there == ReadOnlyFolder || there == UnreadableFile;
        if (bits && !BitsBind)
            QSKIP("permission bits do not bind this user");
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("share"));
        const QString path = folder + u'/' + FileName;
        QFile old(there == Folder ? path + QStringLiteral("/inside") : path);
        if (there == Pipe)
            QVERIFY(QDir().mkpath(folder) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (there != Nothing)
            QVERIFY(QDir().mkpath(QFileInfo(old).path()) && old.open(QIODevice::WriteOnly) && old.write(OldBytes) > 0);
        old.close();
        const QString blocked = there == ReadOnlyFolder ? folder : path;
        QVERIFY(!bits || QFile::setPermissions(blocked, there == ReadOnlyFolder ? ReadOnly : QFile::WriteOwner));
        // A full disk, for root as well: writes beyond the limit fail with EFBIG.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{there == DiskFull ? 16 : limit.rlim_cur, limit.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        const RankingStore store(path);
        RankingTable table = Sample, reread;
        const Result got = store.read(table);
        const bool wrote = store.write(Sample);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        if (bits)
            QFile::setPermissions(blocked, ReadOnly | QFile::WriteOwner);
        QCOMPARE(got, result);
        if (result != Result::Read)
            QCOMPARE(table, Sample);
        QCOMPARE(wrote, written);
        QCOMPARE(QFileInfo(path).isFile(), there != Folder && there != Pipe);
        if (there != Pipe) {
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), written ? Ranking::render(Sample) : OldBytes);
        }
        QVERIFY(!written || (store.read(reread) == Result::Read && reread == Sample));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList{FileName});
    }
};

QTEST_GUILESS_MAIN(tst_RankingStore)
#include "tst_rankingstore.moc"
