<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>ChildReport</name>
    <message>
        <source>每周第一次就答对的比例（最近 12 周）</source>
        <translation>每週第一次就答對的比例（最近 12 週）</translation>
    </message>
    <message>
        <source>每天答的题数（最近 30 天）</source>
        <translation>每天答的題數（最近 30 天）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>打开家长园地（先回答一道大人的题）。</source>
        <translation>打開家長園地（先回答一道大人的題）。</translation>
    </message>
    <message>
        <source>打印纸上给N测验的 CSV 文件（child、asked、given 列）中每个孩子的数字认知水平。</source>
        <translation>印出紙本給N測驗 CSV 檔案（child、asked、given 欄）中每個孩子的數字認知程度。</translation>
    </message>
    <message>
        <source>用法：%1 [选项]</source>
        <translation>用法：%1 [選項]</translation>
    </message>
    <message>
        <source>数数游戏：数字是几，就让几只小猴坐上火车。</source>
        <translation>數數遊戲：數字是幾，就讓幾隻小猴坐上火車。</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>多余的参数“%1”。</source>
        <translation>多餘的參數「%1」。</translation>
    </message>
    <message>
        <source>未知的选项“%1”。</source>
        <translation>不認得的選項「%1」。</translation>
    </message>
    <message>
        <source>选项“%1”不带值。</source>
        <translation>選項「%1」不帶值。</translation>
    </message>
    <message>
        <source>选项“%1”后面少了%2。</source>
        <translation>選項「%1」後面少了%2。</translation>
    </message>
    <message>
        <source>显示这段说明后退出。</source>
        <translation>顯示這段說明後結束。</translation>
    </message>
    <message>
        <source>显示版本后退出。</source>
        <translation>顯示版本後結束。</translation>
    </message>
    <message>
        <source>以全屏开始。</source>
        <translation>以全螢幕開始。</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>用这种语言说和写：%1。</source>
        <translation>用這種語言說和寫：%1。</translation>
    </message>
    <message>
        <source>不认识的语言“%1”：请从 %2 中选一种。</source>
        <translation>不認得的語言「%1」：請從 %2 中選一種。</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>值</source>
        <translation>值</translation>
    </message>
    <message>
        <source>用“%1 --help”查看选项。</source>
        <translation>用「%1 --help」查看選項。</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>以这个玩家的身份玩，没有就新建；下次启动时也是这个玩家。</source>
        <translation>以這位玩家的身分玩，沒有就新增；下次啟動時也是這位玩家。</translation>
    </message>
    <message>
        <source>玩家的名字要有 1 到 %1 个字。</source>
        <translation>玩家的名字要有 1 到 %1 個字。</translation>
    </message>
    <message>
        <source>把这个玩家的一页报告写进 PDF 文件，不用显示器。</source>
        <translation>把這個玩家的一頁報告寫進 PDF 檔案，不用顯示器。</translation>
    </message>
    <message>
        <source>文件.pdf</source>
        <translation>檔案.pdf</translation>
    </message>
    <message>
        <source>打印每个玩家的进步：玩了几局、答了几题、数字认知水平和每个数第一次就答对的比例。</source>
        <translation>列出每位玩家的進步：玩了幾局、答了幾題、數字認知程度和每個數第一次就答對的比例。</translation>
    </message>
    <message>
        <source>把全部历史写成 CSV 文件（“-”是标准输出）。</source>
        <translation>把全部歷史寫成 CSV 檔案（「-」是標準輸出）。</translation>
    </message>
    <message>
        <source>把 --export-csv 写的文件加入历史；已有的记录不会重复。</source>
        <translation>把 --export-csv 寫的檔案加入歷史；已有的紀錄不會重複。</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>按这一级玩：%1。</source>
        <translation>按這一級玩：%1。</translation>
    </message>
    <message>
        <source>没有“%1”这一级：请从 %2 到 %3 中选一个。</source>
        <translation>沒有「%1」這一級：請從 %2 到 %3 中選一個。</translation>
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
    <name>FamilyPage</name>
    <message>
        <source>玩家</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>添加玩家</source>
        <translation>新增玩家</translation>
    </message>
    <message>
        <source>改名</source>
        <translation>改名</translation>
    </message>
    <message>
        <source>删除玩家…</source>
        <translation>刪除玩家…</translation>
    </message>
    <message>
        <source>图片：</source>
        <translation>圖片：</translation>
    </message>
    <message>
        <source>名字要有 1 到 %1 个字。</source>
        <translation>名字要有 1 到 %1 個字。</translation>
    </message>
    <message>
        <source>已经有叫这个名字的玩家了。</source>
        <translation>已經有叫這個名字的玩家了。</translation>
    </message>
    <message>
        <source>没能改好，请再试一次。</source>
        <translation>沒能改好，請再試一次。</translation>
    </message>
    <message>
        <source>记录写不进去，改动没有保存。</source>
        <translation>記錄寫不進去，改動沒有儲存。</translation>
    </message>
    <message>
        <source>删除玩家</source>
        <translation>刪除玩家</translation>
    </message>
    <message>
        <source>要删除“%1”吗？%1 玩过的全部记录也会一起删除。</source>
        <translation>要刪除「%1」嗎？%1 玩過的全部記錄也會一起刪除。</translation>
    </message>
    <message>
        <source>真的删除“%1”和 %1 的全部记录吗？删除后找不回来。</source>
        <translation>真的刪除「%1」和 %1 的全部記錄嗎？刪除後找不回來。</translation>
    </message>
    <message>
        <source>怎么玩</source>
        <translation>怎麼玩</translation>
    </message>
    <message>
        <source>怎么玩：</source>
        <translation>怎麼玩：</translation>
    </message>
    <message>
        <source>导出全部记录 (CSV)…</source>
        <translation>匯出全部紀錄 (CSV)…</translation>
    </message>
    <message>
        <source>数数记录</source>
        <translation>數數紀錄</translation>
    </message>
    <message>
        <source>导出全部记录</source>
        <translation>匯出全部紀錄</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>记录已经导出。</source>
        <translation>紀錄已經匯出。</translation>
    </message>
    <message>
        <source>没能导出记录：%1</source>
        <translation>沒能匯出紀錄：%1</translation>
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
    <name>Grade</name>
    <message>
        <source>听着数</source>
        <translation>聽著數</translation>
    </message>
    <message>
        <source>看着数</source>
        <translation>看著數</translation>
    </message>
    <message>
        <source>一步一步</source>
        <translation>一步一步</translation>
    </message>
    <message>
        <source>看看听听</source>
        <translation>看看聽聽</translation>
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
    <name>History</name>
    <message>
        <source>小朋友</source>
        <translation>小朋友</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>还没有玩家。</source>
        <translation>還沒有玩家。</translation>
    </message>
    <message>
        <source>写不了“%1”：%2</source>
        <translation>無法寫入「%1」：%2</translation>
    </message>
    <message>
        <source>读不了“%1”</source>
        <translation>無法讀取「%1」</translation>
    </message>
    <message>
        <source>加入了 %1 条记录，%2 条已经有了。</source>
        <translation>加入了 %1 筆紀錄，%2 筆已經有了。</translation>
    </message>
    <message>
        <source>历史文件坏了，已经移到一边，保存为 %1，新的历史从头开始。</source>
        <translation>歷史檔案壞了，已經移到一旁，存為 %1，新的歷史從頭開始。</translation>
    </message>
    <message>
        <source>历史无法保存：%1</source>
        <translation>歷史無法保存：%1</translation>
    </message>
    <message>
        <source>玩了 %1 局，答了 %2 题</source>
        <translation>玩了 %1 局，答了 %2 題</translation>
    </message>
    <message>
        <source>数字认知水平：%1</source>
        <translation>數字認知程度：%1</translation>
    </message>
    <message>
        <source>第一次就答对：</source>
        <translation>第一次就答對：</translation>
    </message>
    <message>
        <source>还没问过</source>
        <translation>還沒問過</translation>
    </message>
    <message>
        <source>%1/%2（%3%）</source>
        <translation>%1/%2（%3%）</translation>
    </message>
</context>
<context>
    <name>HistoryCsv</name>
    <message>
        <source>标题行应该是：%1</source>
        <translation>標題列應該是：%1</translation>
    </message>
    <message>
        <source>这一行有%1个字段，应该有%2个</source>
        <translation>這一列有 %1 個欄位，應該有 %2 個</translation>
    </message>
    <message>
        <source>“%1”列的值“%2”不对</source>
        <translation>「%1」欄的值「%2」不對</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>第 %1 列：%2</translation>
    </message>
</context>
<context>
    <name>HistoryDatabase</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>無法建立資料夾 %1</translation>
    </message>
    <message>
        <source>%1 不是普通文件</source>
        <translation>%1 不是一般檔案</translation>
    </message>
    <message>
        <source>无法写入历史文件</source>
        <translation>無法寫入歷史檔案</translation>
    </message>
    <message>
        <source>历史文件来自较新版本的游戏，只读不写</source>
        <translation>歷史檔案來自較新版本的遊戲，只讀不寫</translation>
    </message>
    <message>
        <source>无法把损坏的历史文件移到一边</source>
        <translation>無法把損壞的歷史檔案移到一旁</translation>
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
    <name>KnowerWording</name>
    <message>
        <source>还要再玩几局，才看得出来。</source>
        <translation>還要再玩幾局，才看得出來。</translation>
    </message>
    <message>
        <source>正在学“一”是多少。</source>
        <translation>正在學「一」是多少。</translation>
    </message>
    <message>
        <source>10 以内的数都会数了。</source>
        <translation>10 以內的數都會數了。</translation>
    </message>
    <message>
        <source>确实认识 1。</source>
        <translation>確實認識 1。</translation>
    </message>
    <message>
        <source>确实认识 1 到 %1。</source>
        <translation>確實認識 1 到 %1。</translation>
    </message>
    <message>
        <source>确实认识 1，正在学 %1。</source>
        <translation>確實認識 1，正在學 %1。</translation>
    </message>
    <message>
        <source>确实认识 1 到 %1，正在学 %2。</source>
        <translation>確實認識 1 到 %1，正在學 %2。</translation>
    </message>
    <message>
        <source>每个数要问过至少三次，才能说孩子会不会。</source>
        <translation>每個數要問過至少三次，才能說孩子會不會。</translation>
    </message>
    <message>
        <source>这时候，孩子要一个常常会抓一把给你。这很正常：“一”是第一个要学会的数。</source>
        <translation>這時候，孩子要一個常常會抓一把給你。這很正常：「一」是第一個要學會的數。</translation>
    </message>
    <message>
        <source>这个阶段的孩子一个一个地学会小的数，每个数常常要几个月。数数的道理还在后面。</source>
        <translation>這個階段的孩子一個一個地學會小的數，每個數常常要幾個月。數數的道理還在後面。</translation>
    </message>
    <message>
        <source>孩子已经明白：数到的最后一个数，就是一共有多少。</source>
        <translation>孩子已經明白：數到的最後一個數，就是一共有多少。</translation>
    </message>
    <message>
        <source>陪孩子一起玩几局，看看哪些数已经会了。</source>
        <translation>陪孩子一起玩幾局，看看哪些數已經會了。</translation>
    </message>
    <message>
        <source>在家请孩子只给你一样东西：一个勺子、一只袜子；给对了就夸夸他。</source>
        <translation>在家請孩子只給你一樣東西：一個湯匙、一隻襪子；給對了就誇誇他。</translation>
    </message>
    <message>
        <source>摆碗筷时请孩子拿 %1 个给你，一起边点边数，最后说：“一共 %1 个！”</source>
        <translation>擺碗筷時請孩子拿 %1 個給你，一起邊點邊數，最後說：「一共 %1 個！」</translation>
    </message>
    <message>
        <source>一起数更多的东西，数到 20；也可以玩“再多一个是几个？”</source>
        <translation>一起數更多的東西，數到 20；也可以玩「再多一個是幾個？」</translation>
    </message>
    <message>
        <source>会了</source>
        <translation>會了</translation>
    </message>
    <message>
        <source>在学</source>
        <translation>在學</translation>
    </message>
    <message>
        <source>还没学会</source>
        <translation>還沒學會</translation>
    </message>
    <message>
        <source>玩得还不够</source>
        <translation>玩得還不夠</translation>
    </message>
    <message>
        <source>%1：还没问过。</source>
        <translation>%1：還沒問過。</translation>
    </message>
    <message>
        <source>%1：%2。问过 %3 次，第一次就对了 %4 次（%5%）。</source>
        <translation>%1：%2。問過 %3 次，第一次就對了 %4 次（%5%）。</translation>
    </message>
    <message>
        <source>问 %1，常常给 %2：%3。</source>
        <translation>問 %1，常常給 %2：%3。</translation>
    </message>
    <message>
        <source>少一个</source>
        <translation>少一個</translation>
    </message>
    <message>
        <source>少 %1 个</source>
        <translation>少 %1 個</translation>
    </message>
    <message>
        <source>多一个</source>
        <translation>多一個</translation>
    </message>
    <message>
        <source>多 %1 个</source>
        <translation>多 %1 個</translation>
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
    <message>
        <source>排行榜文件读不出来，这次没有保存。原来的分数都还在。</source>
        <translation>排行榜檔案讀不出來，這次沒有儲存。原來的分數都還在。</translation>
    </message>
    <message>
        <source>排行榜的锁文件不是普通文件，这次没有保存。原来的分数都还在。</source>
        <translation>排行榜的鎖定檔不是一般檔案，這次沒有儲存。原來的分數都還在。</translation>
    </message>
    <message>
        <source>排行榜所在的文件夹不能写入，这次没有保存。原来的分数都还在。</source>
        <translation>排行榜所在的資料夾不能寫入，這次沒有儲存。原來的分數都還在。</translation>
    </message>
    <message>
        <source>排行榜文件写不进去（也许磁盘满了），这次没有保存。原来的分数都还在。</source>
        <translation>排行榜檔案寫不進去（也許磁碟滿了），這次沒有儲存。原來的分數都還在。</translation>
    </message>
    <message>
        <source>排行榜：%1</source>
        <translation>排行榜：%1</translation>
    </message>
</context>
<context>
    <name>NumberGrid</name>
    <message>
        <source>1 到 10 每个数的情况</source>
        <translation>1 到 10 每個數的情況</translation>
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
    <message>
        <source>家长园地的各页</source>
        <translation>家長園地的各頁</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>记录文件坏了，已经放到一边保存（%1），并开始了新的记录。</source>
        <translation>記錄檔案壞了，已經放到一邊保存（%1），並開始了新的記錄。</translation>
    </message>
    <message>
        <source>记录写不进去：%1。游戏照常玩，但这次玩的不会记下来。</source>
        <translation>記錄寫不進去：%1。遊戲照常玩，但這次玩的不會記下來。</translation>
    </message>
    <message>
        <source>录制数字</source>
        <translation>錄製數字</translation>
    </message>
</context>
<context>
    <name>PlayerPage</name>
    <message>
        <source>把鼠标移到一个数上，或者点一下，就能看到详情。</source>
        <translation>把滑鼠移到一個數上，或者點一下，就能看到詳情。</translation>
    </message>
    <message>
        <source>最近 10 局</source>
        <translation>最近 10 局</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>年级</source>
        <translation>年級</translation>
    </message>
    <message>
        <source>得分</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>题数</source>
        <translation>題數</translation>
    </message>
    <message>
        <source>在家可以练：%1</source>
        <translation>在家可以練：%1</translation>
    </message>
    <message>
        <source>没打完</source>
        <translation>沒打完</translation>
    </message>
    <message>
        <source>导出 PDF 报告…</source>
        <translation>匯出 PDF 報告…</translation>
    </message>
    <message>
        <source>%1 的数数报告</source>
        <translation>%1 的數數報告</translation>
    </message>
    <message>
        <source>导出 PDF 报告</source>
        <translation>匯出 PDF 報告</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>已儲存：%1</translation>
    </message>
    <message>
        <source>没能保存 %1。</source>
        <translation>沒能儲存 %1。</translation>
    </message>
</context>
<context>
    <name>PlayerPicker</name>
    <message>
        <source>谁在玩？</source>
        <translation>誰在玩？</translation>
    </message>
</context>
<context>
    <name>PlayerPictures</name>
    <message>
        <source>小猫</source>
        <translation>小貓</translation>
    </message>
    <message>
        <source>小狗</source>
        <translation>小狗</translation>
    </message>
    <message>
        <source>小兔</source>
        <translation>小兔</translation>
    </message>
    <message>
        <source>熊猫</source>
        <translation>熊貓</translation>
    </message>
    <message>
        <source>小猪</source>
        <translation>小豬</translation>
    </message>
    <message>
        <source>青蛙</source>
        <translation>青蛙</translation>
    </message>
    <message>
        <source>小鸡</source>
        <translation>小雞</translation>
    </message>
    <message>
        <source>狮子</source>
        <translation>獅子</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>跟随系统</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>开始时全屏</source>
        <translation>開始時全螢幕</translation>
    </message>
    <message>
        <source>开始时数出声来</source>
        <translation>開始時數出聲來</translation>
    </message>
    <message>
        <source>用家长录的声音念数</source>
        <translation>用家長錄的聲音念數</translation>
    </message>
    <message>
        <source>语言：</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>没有叫“%1”的玩家。</source>
        <translation>沒有叫「%1」的玩家。</translation>
    </message>
    <message>
        <source>写不了“%1”。</source>
        <translation>寫不了「%1」。</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>%1 的数数报告</source>
        <translation>%1 的數數報告</translation>
    </message>
    <message>
        <source>咕噜号 · 数数报告</source>
        <translation>咕嚕號 · 數數報告</translation>
    </message>
    <message>
        <source>在家可以练：%1</source>
        <translation>在家可以練：%1</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>没有可以显示游戏的屏幕。</source>
        <translation>沒有可以顯示遊戲的螢幕。</translation>
    </message>
</context>
<context>
    <name>VoiceRecordingPage</name>
    <message>
        <source>录制数字</source>
        <translation>錄製數字</translation>
    </message>
    <message>
        <source>选一个数字，按住“录音”说出它，松开就停；也可以点一下“录音”，说完再点“停止”。</source>
        <translation>選一個數字，按住「錄音」說出它，放開就停；也可以點一下「錄音」，說完再點「停止」。</translation>
    </message>
    <message>
        <source>录音</source>
        <translation>錄音</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>保留</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>重录</source>
        <translation>重錄</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>删除这个数字的录音，游戏又用原来的声音。</source>
        <translation>刪除這個數字的錄音，遊戲又用原來的聲音。</translation>
    </message>
    <message>
        <source>找不到能用的麦克风，所以没法录音。</source>
        <translation>找不到能用的麥克風，所以沒辦法錄音。</translation>
    </message>
    <message>
        <source>什么也没听到。请靠近麦克风，再录一次。</source>
        <translation>什麼也沒聽到。請靠近麥克風，再錄一次。</translation>
    </message>
    <message>
        <source>录音没能保存，这个数字的声音没有改变。</source>
        <translation>錄音沒能儲存，這個數字的聲音沒有改變。</translation>
    </message>
    <message>
        <source>录音没能删除，这个数字的声音没有改变。</source>
        <translation>錄音沒能刪除，這個數字的聲音沒有改變。</translation>
    </message>
    <message>
        <source>录音已保留，游戏会用它说这个数字。</source>
        <translation>錄音已保留，遊戲會用它說這個數字。</translation>
    </message>
    <message>
        <source>录音已删除，游戏又用原来的声音。</source>
        <translation>錄音已刪除，遊戲又用原來的聲音。</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
</context>
</TS>
