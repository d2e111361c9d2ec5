#include "leaderboard/rankingstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <utility>

#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(RankingTable)
Q_DECLARE_METATYPE(RankingStore::ReadResult)

namespace {

const QString FileName = QStringLiteral("kobu1.tmp");

QString withSeparator(const QString &folder)
{
    return folder + QLatin1Char('/');
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Root ignores permission bits; such cases are skipped rather than faked.
bool canCreateFileIn(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

bool canOpenForReading(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// Gives a folder its permissions back so QTemporaryDir can remove it.
class PermissionsChange
{
public:
    PermissionsChange(QString path, QFileDevice::Permissions permissions)
        : m_path(std::move(path))
        , m_old(QFile::permissions(m_path))
    {
        QFile::setPermissions(m_path, permissions);
    }
    ~PermissionsChange() { QFile::setPermissions(m_path, m_old); }
    PermissionsChange(const PermissionsChange &) = delete;
    PermissionsChange &operator=(const PermissionsChange &) = delete;

private:
    const QString m_path;
    const QFileDevice::Permissions m_old;
};

// A full disk, for root as well: writes beyond the limit fail with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

RankingTable sampleTable()
{
    RankingTable table = Ranking::freshTable();
    table[0] = RankingEntry{QStringLiteral("张三, 大班"), 40000};
    table[1] = RankingEntry{QString::fromUtf8("\xF0\x9F\x98\x80"), 30};
    return table;
}

const QByteArray OldFile = QByteArray("old,50\r\n").repeated(12);

} // namespace

class tst_RankingStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void resolvePath_data();
    void resolvePath();
    void resolvePathInSystemFolder();

    void read_data();
    void read();

    void writeThenRead();
    void writeCreatesFolder();

    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void somethingElseStandsThere_data();
    void somethingElseStandsThere();
};

void tst_RankingStore::initTestCase()
{
    // Never the real player's data folder.
    QStandardPaths::setTestModeEnabled(true);
}

void tst_RankingStore::resolvePath_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("besideExecutable");

    QTest::newRow("writable folder") << false << true << true;
    QTest::newRow("writable folder with a file") << true << true << true;
    QTest::newRow("read-only folder with a file") << true << false << true;
    QTest::newRow("read-only folder") << false << false << false;
}

void tst_RankingStore::resolvePath()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, folderWritable);
    QFETCH(bool, besideExecutable);

    QTemporaryDir executableFolder;
    QVERIFY(executableFolder.isValid());
    if (fileThere)
        QVERIFY(writeFile(executableFolder.filePath(FileName), OldFile));
    const PermissionsChange permissions(executableFolder.path(),
                                        folderWritable ? QFile::permissions(executableFolder.path())
                                                       : QFile::ReadOwner | QFile::ExeOwner);
    if (!besideExecutable && canCreateFileIn(executableFolder.path()))
        QSKIP("permission bits do not stop this user from writing");

    const QString path = RankingStore::resolvePath(withSeparator(executableFolder.path()), 1);

    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(path, besideExecutable ? executableFolder.filePath(FileName) : dataFolder + '/' + FileName);
    QVERIFY(QDir(executableFolder.path()).entryList(QDir::Files) == (fileThere ? QStringList{FileName} : QStringList{}));
}

// A folder that even root cannot write to.
void tst_RankingStore::resolvePathInSystemFolder()
{
    const QString systemFolder = QStringLiteral("/proc/");
    if (!QDir(systemFolder).exists() || canCreateFileIn(systemFolder))
        QSKIP("no folder here that nobody can write to");

    QCOMPARE(RankingStore::resolvePath(systemFolder, 3),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/kobu3.tmp"));
}

void tst_RankingStore::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<RankingStore::ReadResult>("result");
    QTest::addColumn<RankingTable>("expected");

    const RankingTable table = sampleTable();
    RankingTable firstTwo;
    std::copy_n(table.begin(), 2, firstTwo.begin());

    QTest::newRow("missing") << QByteArray() << true << RankingStore::ReadResult::Missing << RankingTable{};
    QTest::newRow("ten lines") << Ranking::render(table) << true << RankingStore::ReadResult::Read << table;
    QTest::newRow("two lines then a huge tail")
        << Ranking::render(table).first(Ranking::render(table).indexOf("0,0")) + QByteArray(8 << 20, ',') << true
        << RankingStore::ReadResult::Read << firstTwo;
    QTest::newRow("no permission to read") << Ranking::render(table) << false
                                           << RankingStore::ReadResult::Unreadable << RankingTable{};
}

void tst_RankingStore::read()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, readable);
    QFETCH(RankingStore::ReadResult, result);
    QFETCH(RankingTable, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(FileName);
    if (!file.isEmpty())
        QVERIFY(writeFile(path, file));
    const PermissionsChange permissions(path, readable ? QFile::permissions(path) : QFile::WriteOwner);
    if (!readable && canOpenForReading(path))
        QSKIP("permission bits do not stop this user from reading");

    RankingTable table;
    QCOMPARE(RankingStore(path).read(table), result);
    QCOMPARE(table, expected);
}

void tst_RankingStore::writeThenRead()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(FileName);
    QVERIFY(writeFile(path, OldFile));
    const RankingStore store(path);

    QVERIFY(store.write(sampleTable()));

    QCOMPARE(fileBytes(path), Ranking::render(sampleTable()));
    RankingTable table = Ranking::freshTable();
    QCOMPARE(store.read(table), RankingStore::ReadResult::Read);
    QCOMPARE(table, sampleTable());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{FileName});
}

// The player's data folder may not exist yet.
void tst_RankingStore::writeCreatesFolder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("share/kobu/") + FileName);

    QVERIFY(RankingStore(path).write(Ranking::freshTable()));

    QCOMPARE(fileBytes(path), Ranking::freshFile());
}

void tst_RankingStore::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("failure");

    QTest::newRow("disk full") << QStringLiteral("disk full");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder");
    QTest::newRow("unreadable file") << QStringLiteral("unreadable file");
}

void tst_RankingStore::failedWriteKeepsOldFile()
{
    QFETCH(QString, failure);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(FileName);
    QVERIFY(writeFile(path, OldFile));

    bool written = true;
    if (failure == QLatin1String("disk full")) {
        const FileSizeLimit limit(16);
        written = RankingStore(path).write(sampleTable());
    } else if (failure == QLatin1String("read-only folder")) {
        const PermissionsChange permissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (canCreateFileIn(folder.path()))
            QSKIP("permission bits do not stop this user from writing");
        written = RankingStore(path).write(sampleTable());
    } else {
        // A file we cannot read may hold scores: it is not ours to replace.
        const PermissionsChange permissions(path, QFile::WriteOwner);
        if (canOpenForReading(path))
            QSKIP("permission bits do not stop this user from reading");
        written = RankingStore(path).write(sampleTable());
    }

    QVERIFY(!written);
    QCOMPARE(fileBytes(path), OldFile);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{FileName});
}

void tst_RankingStore::somethingElseStandsThere_data()
{
    QTest::addColumn<bool>("folder");

    QTest::newRow("folder") << true;
    QTest::newRow("pipe") << false;
}

// Unreadable and never replaced, even for root; a pipe must not block.
void tst_RankingStore::somethingElseStandsThere()
{
    QFETCH(bool, folder);

    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    const QString path = parent.filePath(FileName);
    if (folder) {
        QVERIFY(QDir().mkdir(path));
        QVERIFY(writeFile(path + QStringLiteral("/inside"), OldFile));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const RankingStore store(path);

    RankingTable table = sampleTable();
    QCOMPARE(store.read(table), RankingStore::ReadResult::Unreadable);
    QCOMPARE(table, sampleTable());
    QVERIFY(!store.write(Ranking::freshTable()));

    QCOMPARE(QFileInfo(path).isDir(), folder);
    QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    if (folder)
        QCOMPARE(fileBytes(path + QStringLiteral("/inside")), OldFile);
}

QTEST_GUILESS_MAIN(tst_RankingStore)
#include "tst_rankingstore.moc"
