<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ChildReport</name>
    <message>
        <source>每周第一次就答对的比例（最近 12 周）</source>
        <translation>Right the first time, per week (last 12 weeks)</translation>
    </message>
    <message>
        <source>每天答的题数（最近 30 天）</source>
        <translation>Questions answered per day (last 30 days)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>打开家长园地（先回答一道大人的题）。</source>
        <translation>Open the parents&apos; corner (it asks an adult&apos;s question first).</translation>
    </message>
    <message>
        <source>打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。</source>
        <translation>Print each child&apos;s knower level from a CSV file of give-N trials done on paper (columns child, asked, given).</translation>
    </message>
    <message>
        <source>用法：%1 [选项]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>数数游戏：数字是几，就让几只小猴坐上火车。</source>
        <translation>A counting game: seat as many monkeys on the train as the number asks.</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>多余的参数“%1”。</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>未知的选项“%1”。</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>选项“%1”不带值。</source>
        <translation>The option &apos;%1&apos; takes no value.</translation>
    </message>
    <message>
        <source>选项“%1”后面少了%2。</source>
        <translation>The option &apos;%1&apos; needs a %2 after it.</translation>
    </message>
    <message>
        <source>显示这段说明后退出。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>显示版本后退出。</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>以全屏开始。</source>
        <translation>Start in full screen.</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>code</translation>
    </message>
    <message>
        <source>用这种语言说和写：%1。</source>
        <translation>Speak and write in this language: %1.</translation>
    </message>
    <message>
        <source>不认识的语言“%1”：请从 %2 中选一种。</source>
        <translation>Unknown language &apos;%1&apos;: choose one of %2.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>值</source>
        <translation>value</translation>
    </message>
    <message>
        <source>用“%1 --help”查看选项。</source>
        <translation>Try &apos;%1 --help&apos; for the options.</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>name</translation>
    </message>
    <message>
        <source>以这个玩家的身份玩，没有就新建；下次启动时也是这个玩家。</source>
        <translation>Play as this player, making them if there is none; the next start plays as them too.</translation>
    </message>
    <message>
        <source>玩家的名字要有 1 到 %1 个字。</source>
        <translation>A player&apos;s name has 1 to %1 characters.</translation>
    </message>
    <message>
        <source>把这个玩家的一页报告写进 PDF 文件，不用显示器。</source>
        <translation>Write this player&apos;s one-page report into a PDF file, with no display.</translation>
    </message>
    <message>
        <source>文件.pdf</source>
        <translation>file.pdf</translation>
    </message>
    <message>
        <source>打印每个玩家的进步：玩了几局、答了几题、数字认知水平和每个数第一次就答对的比例。</source>
        <translation>Print each player&apos;s progress: games played, questions, knower level and how often each number was right at the first try.</translation>
    </message>
    <message>
        <source>把全部历史写成 CSV 文件（“-”是标准输出）。</source>
        <translation>Write the whole history as a CSV file (&apos;-&apos; is standard output).</translation>
    </message>
    <message>
        <source>把 --export-csv 写的文件加入历史；已有的记录不会重复。</source>
        <translation>Add a file written by --export-csv to the history; records already there are not added twice.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>按这一级玩：%1。</source>
        <translation>Play this grade: %1.</translation>
    </message>
    <message>
        <source>没有“%1”这一级：请从 %2 到 %3 中选一个。</source>
        <translation>There is no grade &apos;%1&apos;: choose one from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>引号没有结束</source>
        <translation>A quoted field never ends.</translation>
    </message>
    <message>
        <source>引号结束后应该是逗号或换行</source>
        <translation>A closing quote must be followed by a comma or a line break.</translation>
    </message>
    <message>
        <source>没有用引号括起来的字段里有引号</source>
        <translation>A field that is not quoted holds a quote.</translation>
    </message>
    <message>
        <source>不是 UTF-8 文字</source>
        <translation>Not UTF-8 text.</translation>
    </message>
</context>
<context>
    <name>DoorDialog</name>
    <message>
        <source>家长园地</source>
        <translation>Parents&apos; corner</translation>
    </message>
    <message>
        <source>这里是给家长的。请回答：</source>
        <translation>This is for grown-ups. Please answer:</translation>
    </message>
    <message>
        <source>答案</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>不对。请回答这一题：</source>
        <translation>Not quite. Please answer this one:</translation>
    </message>
    <message>
        <source>%1 × %2 = ?</source>
        <translation>%1 × %2 = ?</translation>
    </message>
    <message>
        <source>答错了三次。请 %1 秒后再试。</source>
        <translation>Three wrong answers. Please try again in %1 s.</translation>
    </message>
</context>
<context>
    <name>FamilyPage</name>
    <message>
        <source>玩家</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>添加玩家</source>
        <translation>Add player</translation>
    </message>
    <message>
        <source>改名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>删除玩家…</source>
        <translation>Remove player…</translation>
    </message>
    <message>
        <source>图片：</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>名字要有 1 到 %1 个字。</source>
        <translation>A name has 1 to %1 characters.</translation>
    </message>
    <message>
        <source>已经有叫这个名字的玩家了。</source>
        <translation>There is already a player with this name.</translation>
    </message>
    <message>
        <source>没能改好，请再试一次。</source>
        <translation>That did not work. Please try again.</translation>
    </message>
    <message>
        <source>记录写不进去，改动没有保存。</source>
        <translation>The history cannot be written: the change was not saved.</translation>
    </message>
    <message>
        <source>删除玩家</source>
        <translation>Remove player</translation>
    </message>
    <message>
        <source>要删除“%1”吗？%1 玩过的全部记录也会一起删除。</source>
        <translation>Remove “%1”? Everything %1 has played is removed with them.</translation>
    </message>
    <message>
        <source>真的删除“%1”和 %1 的全部记录吗？删除后找不回来。</source>
        <translation>Really remove “%1” and all of %1&apos;s history? It cannot be brought back.</translation>
    </message>
    <message>
        <source>怎么玩</source>
        <translation>Way to play</translation>
    </message>
    <message>
        <source>怎么玩：</source>
        <translation>Way to play:</translation>
    </message>
    <message>
        <source>导出全部记录 (CSV)…</source>
        <translation>Export the whole history (CSV)…</translation>
    </message>
    <message>
        <source>数数记录</source>
        <translation>Counting history</translation>
    </message>
    <message>
        <source>导出全部记录</source>
        <translation>Export the whole history</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>记录已经导出。</source>
        <translation>The history has been exported.</translation>
    </message>
    <message>
        <source>没能导出记录：%1</source>
        <translation>The history could not be exported: %1</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>咕噜号</source>
        <translation>Kobu Counting Train</translation>
    </message>
    <message>
        <source>声音提示</source>
        <translation>Sound cues</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>听着数</source>
        <translation>Listen and count</translation>
    </message>
    <message>
        <source>看着数</source>
        <translation>Look and count</translation>
    </message>
    <message>
        <source>一步一步</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>看看听听</source>
        <translation>Look and listen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>游戏目的：帮助儿童学习数数。</source>
        <translation>Aim: to help children learn to count.</translation>
    </message>
    <message>
        <source>游戏方法：点击三角按钮开始游戏，根据给出的数字，用鼠标点击小猴上火车，小猴个数够了以后，点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。也可以敲空格键让小猴上火车，敲回车键让火车开。</source>
        <translation>How to play: click the triangle button to start a game. Then, as the number shown says, click the little monkeys with the mouse to put them on the train. When there are enough monkeys, click the engine and Kobu drives off. Click a carriage to make all the monkeys get off. You can also press the space bar to put a monkey on the train, and Enter to send the train off.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>小朋友</source>
        <translation>Child</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>还没有玩家。</source>
        <translation>No players yet.</translation>
    </message>
    <message>
        <source>写不了“%1”：%2</source>
        <translation>Cannot write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>读不了“%1”</source>
        <translation>Cannot read &apos;%1&apos;</translation>
    </message>
    <message>
        <source>加入了 %1 条记录，%2 条已经有了。</source>
        <translation>Added %1 records; %2 were there already.</translation>
    </message>
    <message>
        <source>历史文件坏了，已经移到一边，保存为 %1，新的历史从头开始。</source>
        <translation>The history file was damaged: it was set aside as %1, and a new history began.</translation>
    </message>
    <message>
        <source>历史无法保存：%1</source>
        <translation>The history cannot be kept: %1</translation>
    </message>
    <message>
        <source>玩了 %1 局，答了 %2 题</source>
        <translation>%1 games played, %2 questions</translation>
    </message>
    <message>
        <source>数字认知水平：%1</source>
        <translation>Knower level: %1</translation>
    </message>
    <message>
        <source>第一次就答对：</source>
        <translation>Right at the first try:</translation>
    </message>
    <message>
        <source>还没问过</source>
        <translation>not asked yet</translation>
    </message>
    <message>
        <source>%1/%2（%3%）</source>
        <translation>%1/%2 (%3%)</translation>
    </message>
</context>
<context>
    <name>HistoryCsv</name>
    <message>
        <source>标题行应该是：%1</source>
        <translation>The header row must be: %1</translation>
    </message>
    <message>
        <source>这一行有%1个字段，应该有%2个</source>
        <translation>This row has %1 fields, not %2</translation>
    </message>
    <message>
        <source>“%1”列的值“%2”不对</source>
        <translation>The value &apos;%2&apos; in the column &apos;%1&apos; is wrong</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>%1 不是普通文件</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>无法写入历史文件</source>
        <translation>Cannot write the history file</translation>
    </message>
    <message>
        <source>历史文件来自较新版本的游戏，只读不写</source>
        <translation>The history file comes from a newer version of the game: it is read, never written</translation>
    </message>
    <message>
        <source>无法把损坏的历史文件移到一边</source>
        <translation>Cannot set the damaged history file aside</translation>
    </message>
</context>
<context>
    <name>KnowerLevelsReader</name>
    <message>
        <source>缺少“%1”列</source>
        <translation>The column &apos;%1&apos; is missing.</translation>
    </message>
    <message>
        <source>“%1”列不止一个</source>
        <translation>There is more than one column &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>这一行有%1个字段，标题行有%2个</source>
        <translation>This row has %1 fields, the header row %2.</translation>
    </message>
    <message>
        <source>没有孩子的名字</source>
        <translation>The child&apos;s name is missing.</translation>
    </message>
    <message>
        <source>要的数应该是1或更大的整数，这里是“%1”</source>
        <translation>The number asked must be a whole number from 1 up, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>给的数应该是0或更大的整数，这里是“%1”</source>
        <translation>The number given must be a whole number from 0 up, not &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>KnowerWording</name>
    <message>
        <source>还要再玩几局，才看得出来。</source>
        <translation>A few more games, and we will know.</translation>
    </message>
    <message>
        <source>正在学“一”是多少。</source>
        <translation>Is learning how many “one” is.</translation>
    </message>
    <message>
        <source>10 以内的数都会数了。</source>
        <translation>Counts any number up to 10.</translation>
    </message>
    <message>
        <source>确实认识 1。</source>
        <translation>Knows 1 for sure.</translation>
    </message>
    <message>
        <source>确实认识 1 到 %1。</source>
        <translation>Knows 1 to %1 for sure.</translation>
    </message>
    <message>
        <source>确实认识 1，正在学 %1。</source>
        <translation>Knows 1 for sure and is learning %1.</translation>
    </message>
    <message>
        <source>确实认识 1 到 %1，正在学 %2。</source>
        <translation>Knows 1 to %1 for sure and is learning %2.</translation>
    </message>
    <message>
        <source>每个数要问过至少三次，才能说孩子会不会。</source>
        <translation>Each number has to be asked at least three times before we can tell.</translation>
    </message>
    <message>
        <source>这时候，孩子要一个常常会抓一把给你。这很正常：“一”是第一个要学会的数。</source>
        <translation>Asked for one, a child at this stage often hands over a fistful. That is normal: “one” is the first number to learn.</translation>
    </message>
    <message>
        <source>这个阶段的孩子一个一个地学会小的数，每个数常常要几个月。数数的道理还在后面。</source>
        <translation>At this stage children learn the small numbers one at a time, often a few months each. The idea behind counting comes later.</translation>
    </message>
    <message>
        <source>孩子已经明白：数到的最后一个数，就是一共有多少。</source>
        <translation>Your child has understood that the last number counted is how many there are.</translation>
    </message>
    <message>
        <source>陪孩子一起玩几局，看看哪些数已经会了。</source>
        <translation>Play a few games together and see which numbers your child already knows.</translation>
    </message>
    <message>
        <source>在家请孩子只给你一样东西：一个勺子、一只袜子；给对了就夸夸他。</source>
        <translation>At home, ask for just one thing: one spoon, one sock. When it is exactly one, cheer.</translation>
    </message>
    <message>
        <source>摆碗筷时请孩子拿 %1 个给你，一起边点边数，最后说：“一共 %1 个！”</source>
        <translation>When laying the table, ask for %1 spoons and count them together, touching each one; then say: “%1 in all!”</translation>
    </message>
    <message>
        <source>一起数更多的东西，数到 20；也可以玩“再多一个是几个？”</source>
        <translation>Count bigger sets together, up to 20, and play “one more makes how many?”</translation>
    </message>
    <message>
        <source>会了</source>
        <translation>knows it</translation>
    </message>
    <message>
        <source>在学</source>
        <translation>learning</translation>
    </message>
    <message>
        <source>还没学会</source>
        <translation>not yet</translation>
    </message>
    <message>
        <source>玩得还不够</source>
        <translation>not enough play yet</translation>
    </message>
    <message>
        <source>%1：还没问过。</source>
        <translation>%1: not asked yet.</translation>
    </message>
    <message>
        <source>%1：%2。问过 %3 次，第一次就对了 %4 次（%5%）。</source>
        <translation>%1: %2. Asked %3 times, right the first time %4 times (%5%).</translation>
    </message>
    <message>
        <source>问 %1，常常给 %2：%3。</source>
        <translation>Asked %1, usually gives %2: %3.</translation>
    </message>
    <message>
        <source>少一个</source>
        <translation>one short</translation>
    </message>
    <message>
        <source>少 %1 个</source>
        <translation>%1 short</translation>
    </message>
    <message>
        <source>多一个</source>
        <translation>one too many</translation>
    </message>
    <message>
        <source>多 %1 个</source>
        <translation>%1 too many</translation>
    </message>
</context>
<context>
    <name>LeaderboardWindow</name>
    <message>
        <source>排行榜</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>恭喜恭喜!您上榜了。您的大名:</source>
        <translation>Well done! Your name:</translation>
    </message>
    <message>
        <source>保存失败，请再试一次。</source>
        <translation>Not saved. Try again.</translation>
    </message>
    <message>
        <source>很遗憾，别的玩家刚刚把这个分数挤出了排行榜。</source>
        <translation>Sorry, other players just pushed this score off the table.</translation>
    </message>
    <message>
        <source>排行榜文件读不出来，这次没有保存。原来的分数都还在。</source>
        <translation>Cannot read the scores file. Not saved; the old scores are kept.</translation>
    </message>
    <message>
        <source>排行榜的锁文件不是普通文件，这次没有保存。原来的分数都还在。</source>
        <translation>The scores&apos; lock is not a plain file. Not saved; the old scores are kept.</translation>
    </message>
    <message>
        <source>排行榜所在的文件夹不能写入，这次没有保存。原来的分数都还在。</source>
        <translation>The scores&apos; folder is read-only. Not saved; the old scores are kept.</translation>
    </message>
    <message>
        <source>排行榜文件写不进去（也许磁盘满了），这次没有保存。原来的分数都还在。</source>
        <translation>Cannot write the scores file (disk full?). Not saved; the old scores are kept.</translation>
    </message>
    <message>
        <source>排行榜：%1</source>
        <translation>Best scores: %1</translation>
    </message>
</context>
<context>
    <name>NumberGrid</name>
    <message>
        <source>1 到 10 每个数的情况</source>
        <translation>How each number from 1 to 10 is going</translation>
    </message>
</context>
<context>
    <name>ParentsCorner</name>
    <message>
        <source>家长园地</source>
        <translation>Parents&apos; corner</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>家长园地的各页</source>
        <translation>Pages of the parents&apos; corner</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>记录文件坏了，已经放到一边保存（%1），并开始了新的记录。</source>
        <translation>The history file was damaged. It was kept aside (%1) and a new history was started.</translation>
    </message>
    <message>
        <source>记录写不进去：%1。游戏照常玩，但这次玩的不会记下来。</source>
        <translation>The history cannot be written: %1. The game plays as usual, but this time is not recorded.</translation>
    </message>
    <message>
        <source>录制数字</source>
        <translation>Record the numbers</translation>
    </message>
</context>
<context>
    <name>PlayerPage</name>
    <message>
        <source>把鼠标移到一个数上，或者点一下，就能看到详情。</source>
        <translation>Point at a number, or tap it, to see more.</translation>
    </message>
    <message>
        <source>最近 10 局</source>
        <translation>The last 10 games</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>When</translation>
    </message>
    <message>
        <source>年级</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>得分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>题数</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>在家可以练：%1</source>
        <translation>To practise at home: %1</translation>
    </message>
    <message>
        <source>没打完</source>
        <translation>not finished</translation>
    </message>
    <message>
        <source>导出 PDF 报告…</source>
        <translation>Export PDF report…</translation>
    </message>
    <message>
        <source>%1 的数数报告</source>
        <translation>Counting report for %1</translation>
    </message>
    <message>
        <source>导出 PDF 报告</source>
        <translation>Export PDF report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>没能保存 %1。</source>
        <translation>Could not save %1.</translation>
    </message>
</context>
<context>
    <name>PlayerPicker</name>
    <message>
        <source>谁在玩？</source>
        <translation>Who is playing?</translation>
    </message>
</context>
<context>
    <name>PlayerPictures</name>
    <message>
        <source>小猫</source>
        <translation>Cat</translation>
    </message>
    <message>
        <source>小狗</source>
        <translation>Dog</translation>
    </message>
    <message>
        <source>小兔</source>
        <translation>Rabbit</translation>
    </message>
    <message>
        <source>熊猫</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>小猪</source>
        <translation>Pig</translation>
    </message>
    <message>
        <source>青蛙</source>
        <translation>Frog</translation>
    </message>
    <message>
        <source>小鸡</source>
        <translation>Chick</translation>
    </message>
    <message>
        <source>狮子</source>
        <translation>Lion</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>跟随系统</source>
        <translation>The desktop&apos;s</translation>
    </message>
    <message>
        <source>开始时全屏</source>
        <translation>Start in full screen</translation>
    </message>
    <message>
        <source>开始时数出声来</source>
        <translation>Count aloud from the start</translation>
    </message>
    <message>
        <source>用家长录的声音念数</source>
        <translation>Say the numbers in the parent&apos;s recorded voice</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>没有叫“%1”的玩家。</source>
        <translation>There is no player called “%1”.</translation>
    </message>
    <message>
        <source>写不了“%1”。</source>
        <translation>Cannot write “%1”.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>%1 的数数报告</source>
        <translation>Counting report for %1</translation>
    </message>
    <message>
        <source>咕噜号 · 数数报告</source>
        <translation>Kobu Counting Train · Counting report</translation>
    </message>
    <message>
        <source>在家可以练：%1</source>
        <translation>To practise at home: %1</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>没有可以显示游戏的屏幕。</source>
        <translation>There is no screen to show the game on.</translation>
    </message>
</context>
<context>
    <name>VoiceRecordingPage</name>
    <message>
        <source>录制数字</source>
        <translation>Record the numbers</translation>
    </message>
    <message>
        <source>选一个数字，按住“录音”说出它，松开就停；也可以点一下“录音”，说完再点“停止”。</source>
        <translation>Choose a number, hold “Record” down and say it, and let go to stop; or click “Record” once and click “Stop” when you are done.</translation>
    </message>
    <message>
        <source>录音</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>保留</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>重录</source>
        <translation>Record again</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除这个数字的录音，游戏又用原来的声音。</source>
        <translation>Delete this number’s recording: the game goes back to its own voice.</translation>
    </message>
    <message>
        <source>找不到能用的麦克风，所以没法录音。</source>
        <translation>No working microphone was found, so nothing can be recorded.</translation>
    </message>
    <message>
        <source>什么也没听到。请靠近麦克风，再录一次。</source>
        <translation>Nothing was heard. Please come closer to the microphone and record again.</translation>
    </message>
    <message>
        <source>录音没能保存，这个数字的声音没有改变。</source>
        <translation>The recording could not be saved; this number sounds as it did.</translation>
    </message>
    <message>
        <source>录音没能删除，这个数字的声音没有改变。</source>
        <translation>The recording could not be deleted; this number sounds as it did.</translation>
    </message>
    <message>
        <source>录音已保留，游戏会用它说这个数字。</source>
        <translation>The recording is kept: the game will say this number with it.</translation>
    </message>
    <message>
        <source>录音已删除，游戏又用原来的声音。</source>
        <translation>The recording is deleted: the game uses its own voice again.</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
</TS>
