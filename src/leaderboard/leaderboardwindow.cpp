#include "leaderboard/leaderboardwindow.h"

#include "widgets/chinesefont.h"
#include "sound/soundsink.h"
#include "grades/grade.h"
#include "leaderboard/rankingstore.h"

#include <QEvent>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtConcurrentRun>

#include <utility>

namespace {

const QSize ClientSize(358, 319);

const QRect HeadingRect(24, 16, 217, 25);
const QRect NameBoxRect(24, 40, 225, 25);
const QRect ConfirmRect(272, 40, 41, 25);
// A longer notice, in place of the heading, takes its row and the hidden
// name box's, up to the button's right edge.
const QRect NoticeRect(HeadingRect.topLeft(), QPoint(ConfirmRect.right(), NameBoxRect.bottom()));

constexpr int NameLeft = 24;
constexpr int NameWidth = 81;
constexpr int ScoreLeft = 152;
constexpr int ScoreWidth = 89;
constexpr int RowHeight = 25;
constexpr int FirstRowTop = 80;
constexpr int RowPitch = 24;

constexpr qreal HeadingPointSize = 9;
const QColor HeadingColour(255, 0, 0);

QLabel *rowLabel(QWidget *window, const QString &objectName, int left, int width, int row)
{
    auto *label = new QLabel(window);
    label->setObjectName(objectName);
    label->setGeometry(left, FirstRowTop + RowPitch * row, width, RowHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Names are typed by players: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *headingLabel(QWidget *window, const QString &objectName, const QRect &rect)
{
    auto *label = new QLabel(window);
    label->setObjectName(objectName);
    label->setGeometry(rect);
    label->setFont(songTiBold(HeadingPointSize));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, HeadingColour);
    label->setPalette(red);
    return label;
}

} // namespace

LeaderboardWindow::LeaderboardWindow(QWidget &gameWindow, SoundSink &sound, QString programFolder)
    : SecondaryWindow(gameWindow, QStringLiteral("leaderboardWindow"), tr("排行榜"), ClientSize)
    , m_sound(sound)
    , m_programFolder(std::move(programFolder))
{
    // Created in tab order: the name box takes the focus first.
    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setGeometry(NameBoxRect);
    // Not one character more than the file keeps, so what is typed is saved.
    m_nameBox->setMaxLength(Ranking::MaxNameLength);

    for (int i = 0; i < Ranking::Entries; ++i) {
        m_rows[i].score = rowLabel(this, QStringLiteral("rankScore%1").arg(i), ScoreLeft, ScoreWidth, i);
        m_rows[i].name = rowLabel(this, QStringLiteral("rankName%1").arg(i), NameLeft, NameWidth, i);
    }

    m_heading = headingLabel(this, QStringLiteral("heading"), HeadingRect);
    m_notice = headingLabel(this, QStringLiteral("notice"), NoticeRect);
    m_notice->setWordWrap(true);

    m_confirmButton = new QPushButton(this);
    m_confirmButton->setObjectName(QStringLiteral("confirmButton"));
    m_confirmButton->setGeometry(ConfirmRect);
    // Enter in the name box confirms once, by itself; as the dialog's
    // default button it would confirm a second time.
    m_confirmButton->setAutoDefault(false);

    m_fileWork.setMaxThreadCount(1);

    connect(m_nameBox, &QLineEdit::returnPressed, this, &LeaderboardWindow::confirm);
    connect(m_confirmButton, &QPushButton::clicked, this, &LeaderboardWindow::confirm);
    retranslate();
}

void LeaderboardWindow::changeEvent(QEvent *event)
{
    SecondaryWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// The heading and the table's name are said again at each showing.
void LeaderboardWindow::retranslate()
{
    setWindowTitle(tableName());
    m_confirmButton->setText(tr("确认"));
}

void LeaderboardWindow::setFinishedGame(std::int16_t grade, std::int32_t score, const QString &playerName)
{
    m_grade = grade;
    m_score = score;
    m_playerName = playerName;
}

void LeaderboardWindow::load()
{
    ++m_showings;
    setWindowTitle(tableName());
    setSaving(false);
    m_rankFile = RankingStore::resolvePath(m_programFolder, m_grade);
    readTable();
    showEntry(m_rankPos != Ranking::NotRanked);
    showTable();
    m_sound.play(Sound::Leaderboard);
}

void LeaderboardWindow::readTable()
{
    const RankingStore store(m_rankFile);
    m_firstGame = false;
    switch (store.read(m_table)) {
    case RankingStore::ReadResult::Missing:
        // A first game always ranks first, whatever its score; a fresh file
        // that cannot be written changes nothing for this game.
        m_table = Ranking::freshTable();
        m_fileWork.start([store] { store.createFresh(); });
        m_firstGame = true;
        m_rankPos = 0;
        return;
    case RankingStore::ReadResult::Unreadable:
        // The file may still hold scores: keep it, play on a fresh table.
        m_table = Ranking::freshTable();
        break;
    case RankingStore::ReadResult::Read:
        break;
    }
    m_rankPos = Ranking::rankOf(m_table, m_score);
}

void LeaderboardWindow::showEntry(bool ranked)
{
    m_heading->setText(ranked ? tr("恭喜恭喜!您上榜了。您的大名:") : tableName());
    m_heading->show();
    m_notice->hide();
    // Filled in and still editable: a child who cannot write gets on the board too.
    m_nameBox->setText(m_playerName);
    m_nameBox->selectAll();
    m_nameBox->setVisible(ranked);
    m_confirmButton->setVisible(ranked);
    if (ranked)
        m_nameBox->setFocus();
}

QString LeaderboardWindow::tableName() const
{
    // The first grade's table keeps its designed name.
    return m_grade > Grade::First ? tr("排行榜：%1").arg(Grade::name(m_grade)) : tr("排行榜");
}

void LeaderboardWindow::showTable()
{
    for (int i = 0; i < Ranking::Entries; ++i) {
        m_rows[i].name->setText(m_table[i].name);
        m_rows[i].score->setText(QString::number(m_table[i].score));
    }
}

void LeaderboardWindow::confirm()
{
    const QString name = m_nameBox->text();
    if (name.isEmpty() || m_rankPos == Ranking::NotRanked || m_saving)
        return;
    setSaving(true);
    // Another game may have written since this window read the file: the
    // score goes where it ranks in the file as it is now.
    auto *const saving = new QFutureWatcher<RankingStore::Save>(this);
    connect(saving, &QFutureWatcherBase::finished, this, [this, saving, showing = m_showings] {
        saving->deleteLater();
        if (showing == m_showings)
            showSaved(saving->result());
    });
    saving->setFuture(QtConcurrent::run(&m_fileWork, [store = RankingStore(m_rankFile), table = m_table, name,
                                                      score = m_score, firstGame = m_firstGame] {
        return store.insert(table, name, score, firstGame);
    }));
}

void LeaderboardWindow::showSaved(const RankingStore::Save &save)
{
    setSaving(false);
    QString notice;
    switch (save.result) {
    case RankingStore::SaveResult::Saved:
        m_table = save.table;
        close();
        return;
    case RankingStore::SaveResult::Busy:
        // The name stays in the box, so the player can simply try again.
        m_heading->setText(tr("保存失败，请再试一次。"));
        return;
    case RankingStore::SaveResult::NoLongerRanks:
        m_table = save.table;
        notice = tr("很遗憾，别的玩家刚刚把这个分数挤出了排行榜。");
        break;
    // Trying again cannot help with these: the player is told why.
    case RankingStore::SaveResult::Unreadable:
        notice = tr("排行榜文件读不出来，这次没有保存。原来的分数都还在。");
        break;
    case RankingStore::SaveResult::LockNotAFile:
        notice = tr("排行榜的锁文件不是普通文件，这次没有保存。原来的分数都还在。");
        break;
    case RankingStore::SaveResult::FolderReadOnly:
        notice = tr("排行榜所在的文件夹不能写入，这次没有保存。原来的分数都还在。");
        break;
    case RankingStore::SaveResult::WriteFailed:
        notice = tr("排行榜文件写不进去（也许磁盘满了），这次没有保存。原来的分数都还在。");
        break;
    }
    m_rankPos = Ranking::NotRanked;
    showEntry(false);
    m_heading->hide();
    m_notice->setText(notice);
    m_notice->show();
    showTable();
}

void LeaderboardWindow::setSaving(bool saving)
{
    m_saving = saving;
    m_confirmButton->setEnabled(!saving);
    m_nameBox->setReadOnly(saving);
}
