<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>A counting game: seat as many monkeys on the train as the number asks.</source>
        <translation>A counting game: seat as many monkeys on the train as the number asks.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Start in full screen.</source>
        <translation>Start in full screen.</translation>
    </message>
    <message>
        <source>Speak and write in this language: %1.</source>
        <translation>Speak and write in this language: %1.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Try &apos;%1 --help&apos; for the options.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: choose one of %2.</source>
        <translation>Unknown language &apos;%1&apos;: choose one of %2.</translation>
    </message>
    <message>
        <source>打开家长园地（先回答一道大人的题）。</source>
        <translation>Open the parents&apos; corner (it asks an adult&apos;s question first).</translation>
    </message>
    <message>
        <source>打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。</source>
        <translation>Print each child&apos;s knower level from a CSV file of give-N trials done on paper (columns child, asked, given).</translation>
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
</context>
</TS>
