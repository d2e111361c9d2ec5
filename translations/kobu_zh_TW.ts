<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>A counting game: seat as many monkeys on the train as the number asks.</source>
        <translation>數數遊戲：數字是幾，就讓幾隻小猴坐上火車。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>顯示這段說明後結束。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>顯示版本後結束。</translation>
    </message>
    <message>
        <source>Start in full screen.</source>
        <translation>以全螢幕開始。</translation>
    </message>
    <message>
        <source>Speak and write in this language: %1.</source>
        <translation>用這種語言說和寫：%1。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>用「%1 --help」查看選項。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多餘的參數「%1」。</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: choose one of %2.</source>
        <translation>不認得的語言「%1」：請從 %2 中選一種。</translation>
    </message>
    <message>
        <source>打开家长园地（先回答一道大人的题）。</source>
        <translation>打開家長園地（先回答一道大人的題）。</translation>
    </message>
    <message>
        <source>打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。</source>
        <translation>印出紙本給N測驗 CSV 檔案（child、asked、given 欄）中每個孩子的數字認知程度。</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>引号没有结束</source>
        <translation>引號沒有結束</translation>
    </message>
    <message>
        <source>引号结束后应该是逗号或换行</source>
        <translation>引號結束後應該是逗號或換行</translation>
    </message>
    <message>
        <source>没有用引号括起来的字段里有引号</source>
        <translation>沒有用引號括起來的欄位裡有引號</translation>
    </message>
    <message>
        <source>不是 UTF-8 文字</source>
        <translation>不是 UTF-8 文字</translation>
    </message>
</context>
<context>
    <name>DoorDialog</name>
    <message>
        <source>家长园地</source>
        <translation>家長園地</translation>
    </message>
    <message>
        <source>这里是给家长的。请回答：</source>
        <translation>這裡是給家長的。請回答：</translation>
    </message>
    <message>
        <source>答案</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打開</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>不对。请回答这一题：</source>
        <translation>不對。請回答這一題：</translation>
    </message>
    <message>
        <source>%1 × %2 = ?</source>
        <translation>%1 × %2 = ?</translation>
    </message>
    <message>
        <source>答错了三次。请 %1 秒后再试。</source>
        <translation>答錯了三次。請 %1 秒後再試。</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>咕噜号</source>
        <translation>咕嚕號</translation>
    </message>
    <message>
        <source>声音提示</source>
        <translation>聲音提示</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>開始</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>游戏目的：帮助儿童学习数数。</source>
        <translation>遊戲目的：幫助兒童學習數數。</translation>
    </message>
    <message>
        <source>游戏方法：点击三角按钮开始游戏，根据给出的数字，用鼠标点击小猴上火车，小猴个数够了以后，点击火车头，咕噜号就会开走了。点击火车车厢可以让小猴都下火车。也可以敲空格键让小猴上火车，敲回车键让火车开。</source>
        <translation>遊戲方法：點擊三角按鈕開始遊戲，根據給出的數字，用滑鼠點擊小猴上火車，小猴個數夠了以後，點擊火車頭，咕嚕號就會開走了。點擊火車車廂可以讓小猴都下火車。也可以按空白鍵讓小猴上火車，按 Enter 鍵讓火車開。</translation>
    </message>
</context>
<context>
    <name>KnowerLevelsReader</name>
    <message>
        <source>缺少“%1”列</source>
        <translation>缺少「%1」欄</translation>
    </message>
    <message>
        <source>“%1”列不止一个</source>
        <translation>「%1」欄不只一個</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>檔案是空的</translation>
    </message>
    <message>
        <source>这一行有%1个字段，标题行有%2个</source>
        <translation>這一列有%1個欄位，標題列有%2個</translation>
    </message>
    <message>
        <source>没有孩子的名字</source>
        <translation>沒有孩子的名字</translation>
    </message>
    <message>
        <source>要的数应该是1或更大的整数，这里是“%1”</source>
        <translation>要的數應該是1或更大的整數，這裡是「%1」</translation>
    </message>
    <message>
        <source>给的数应该是0或更大的整数，这里是“%1”</source>
        <translation>給的數應該是0或更大的整數，這裡是「%1」</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>第%1行：%2</translation>
    </message>
</context>
<context>
    <name>LeaderboardWindow</name>
    <message>
        <source>排行榜</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>恭喜恭喜!您上榜了。您的大名:</source>
        <translation>恭喜恭喜!您上榜了。您的大名:</translation>
    </message>
    <message>
        <source>保存失败，请再试一次。</source>
        <translation>儲存失敗，請再試一次。</translation>
    </message>
    <message>
        <source>很遗憾，别的玩家刚刚把这个分数挤出了排行榜。</source>
        <translation>很遺憾，別的玩家剛剛把這個分數擠出了排行榜。</translation>
    </message>
</context>
<context>
    <name>ParentsCorner</name>
    <message>
        <source>家长园地</source>
        <translation>家長園地</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
