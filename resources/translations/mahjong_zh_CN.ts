<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>EmbeddedBrowser</name>
    <message>
        <source>Insecure connection</source>
        <translation>不安全的连接</translation>
    </message>
    <message>
        <source>Secure connection</source>
        <translation>安全连接</translation>
    </message>
</context>
<context>
    <name>InstallerLayer</name>
    <message>
        <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
        <translation>新客户端已保存为 %1。在此系统上，请通过软件包管理器安装更新。</translation>
    </message>
</context>
<context>
    <name>LocalizationDb</name>
    <message>
        <source>Table(%1)</source>
        <translation>牌桌(%1)</translation>
    </message>
</context>
<context>
    <name>Mahjong</name>
    <message>
        <source>1 of Bamboos</source>
        <translation>一条</translation>
    </message>
    <message>
        <source>2 of Bamboos</source>
        <translation>二条</translation>
    </message>
    <message>
        <source>3 of Bamboos</source>
        <translation>三条</translation>
    </message>
    <message>
        <source>4 of Bamboos</source>
        <translation>四条</translation>
    </message>
    <message>
        <source>5 of Bamboos</source>
        <translation>五条</translation>
    </message>
    <message>
        <source>6 of Bamboos</source>
        <translation>六条</translation>
    </message>
    <message>
        <source>7 of Bamboos</source>
        <translation>七条</translation>
    </message>
    <message>
        <source>8 of Bamboos</source>
        <translation>八条</translation>
    </message>
    <message>
        <source>9 of Bamboos</source>
        <translation>九条</translation>
    </message>
    <message>
        <source>1 of Characters</source>
        <translation>一万</translation>
    </message>
    <message>
        <source>2 of Characters</source>
        <translation>二万</translation>
    </message>
    <message>
        <source>3 of Characters</source>
        <translation>三万</translation>
    </message>
    <message>
        <source>4 of Characters</source>
        <translation>四万</translation>
    </message>
    <message>
        <source>5 of Characters</source>
        <translation>五万</translation>
    </message>
    <message>
        <source>6 of Characters</source>
        <translation>六万</translation>
    </message>
    <message>
        <source>7 of Characters</source>
        <translation>七万</translation>
    </message>
    <message>
        <source>8 of Characters</source>
        <translation>八万</translation>
    </message>
    <message>
        <source>9 of Characters</source>
        <translation>九万</translation>
    </message>
    <message>
        <source>1 of Circles</source>
        <translation>一筒</translation>
    </message>
    <message>
        <source>2 of Circles</source>
        <translation>二筒</translation>
    </message>
    <message>
        <source>3 of Circles</source>
        <translation>三筒</translation>
    </message>
    <message>
        <source>4 of Circles</source>
        <translation>四筒</translation>
    </message>
    <message>
        <source>5 of Circles</source>
        <translation>五筒</translation>
    </message>
    <message>
        <source>6 of Circles</source>
        <translation>六筒</translation>
    </message>
    <message>
        <source>7 of Circles</source>
        <translation>七筒</translation>
    </message>
    <message>
        <source>8 of Circles</source>
        <translation>八筒</translation>
    </message>
    <message>
        <source>9 of Circles</source>
        <translation>九筒</translation>
    </message>
    <message>
        <source>East Wind</source>
        <translation>东风</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>南风</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>西风</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>北风</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>发财</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>红中</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白板</translation>
    </message>
    <message>
        <source>Plum Blossom</source>
        <translation>梅</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>兰</translation>
    </message>
    <message>
        <source>Chrysanthemum</source>
        <translation>菊</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>竹</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>春</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>秋</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬</translation>
    </message>
    <message>
        <source>Unknown tile</source>
        <translation>未知的牌</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>Prevalent wind: East</source>
        <translation>圈风：东</translation>
    </message>
    <message>
        <source>Prevalent wind: South</source>
        <translation>圈风：南</translation>
    </message>
    <message>
        <source>Prevalent wind: West</source>
        <translation>圈风：西</translation>
    </message>
    <message>
        <source>Prevalent wind: North</source>
        <translation>圈风：北</translation>
    </message>
</context>
<context>
    <name>MahjongApplication</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The program has to end because of an error:
%1

Please send the log file %2 to our support so that we can fix it.</source>
        <translation>由于出现错误，程序必须结束：
%1

请将日志文件 %2 发送给我们的客服，以便我们修复此问题。</translation>
    </message>
    <message>
        <source>The application is already started in another window!</source>
        <translation>应用程序已在另一个窗口中启动！</translation>
    </message>
</context>
<context>
    <name>MahjongDialog</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MahjongSplash</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New version available</source>
        <translation>有新版本可用</translation>
    </message>
    <message>
        <source>Version %1 of the client is available; you have version %2.
Please update the client to go on playing.</source>
        <translation>客户端版本 %1 已发布；您的版本是 %2。
请更新客户端以继续游戏。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Checking the server...</source>
        <translation>正在检查服务器...</translation>
    </message>
    <message>
        <source>The service is down for maintenance. Please try again later.</source>
        <translation>服务正在维护中，请稍后再试。</translation>
    </message>
    <message>
        <source>Downtime</source>
        <translation>停机维护</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在检查更新...</translation>
    </message>
    <message>
        <source>The new client could not be downloaded.</source>
        <translation>无法下载新客户端。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
</context>
<context>
    <name>TableCapacity</name>
    <message>
        <source>%L2 of %L3 players seated</source>
        <translation>%L2/%L3 名玩家已就座</translation>
    </message>
    <message>
        <source>%1 (+%2 reserved)</source>
        <translation>%1 (+%2 预留)</translation>
    </message>
</context>
<context>
    <name>TableInfo</name>
    <message>
        <source>Single hand</source>
        <translation>单局</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>锦标赛</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>完整对局</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>东风战</translation>
    </message>
    <message>
        <source> single hand</source>
        <translation> 单局</translation>
    </message>
    <message>
        <source> tournament</source>
        <translation> 锦标赛</translation>
    </message>
    <message>
        <source> full game</source>
        <translation> 完整对局</translation>
    </message>
    <message>
        <source> east only</source>
        <translation> 东风战</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>MCR</translation>
    </message>
    <message>
        <source>EMA Riichi</source>
        <translation>EMA立直</translation>
    </message>
    <message>
        <source>Japanese Riichi</source>
        <translation>日本立直</translation>
    </message>
    <message>
        <source>Kansai Riichi</source>
        <translation>关西立直</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>免费</translation>
    </message>
    <message numerus="yes">
        <source>%1-%n fan(s)</source>
        <translation>
            <numerusform>%1-%n 番</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1/Chinese Official/International</source>
        <translation>%1/中国官方/国际</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1
%2
%3 - %4
Bet: %5</source>
        <translation>%1
%2
%3 - %4
下注：%5</translation>
    </message>
    <message>
        <source>Max win: %1</source>
        <translation>最高赢取：%1</translation>
    </message>
    <message>
        <source>Place bonus: %1</source>
        <translation>名次奖励：%1</translation>
    </message>
    <message>
        <source>Feeding penalty: %1</source>
        <translation>点炮罚分：%1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>下注</translation>
    </message>
    <message>
        <source>Max win</source>
        <translation>最高赢取</translation>
    </message>
</context>
<context>
    <name>TableSelector</name>
    <message>
        <source>Lobby</source>
        <translation>大厅</translation>
    </message>
</context>
<context>
    <name>TableValue</name>
    <message>
        <source>1st %1</source>
        <translation>第1名 %1</translation>
    </message>
    <message>
        <source>2nd %1</source>
        <translation>第2名 %1</translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>第3名 %1</translation>
    </message>
    <message>
        <source>4th %1</source>
        <translation>第4名 %1</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 (%2) + %3</source>
        <translation>%1 (%2) + %3</translation>
    </message>
    <message>
        <source>%1 (%2 before rake)</source>
        <translation>%1 (抽水前 %2)</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>-</source>
        <comment>no optional amount</comment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>TileGraphics</name>
    <message>
        <source>Bamboo</source>
        <translation>竹</translation>
    </message>
    <message>
        <source>Green 1</source>
        <translation>绿 1</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green 2</source>
        <translation>绿 2</translation>
    </message>
    <message>
        <source>Dark wood</source>
        <translation>深色木纹</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>带数字</translation>
    </message>
    <message>
        <source>Mixed numbered</source>
        <translation>部分带数字</translation>
    </message>
    <message>
        <source>Without numbers</source>
        <translation>无数字</translation>
    </message>
    <message>
        <source>Rustic numbered</source>
        <translation>古朴数字</translation>
    </message>
    <message>
        <source>Simple tiles</source>
        <translation>简洁牌面</translation>
    </message>
</context>
<context>
    <name>TournamentInfo</name>
    <message>
        <source>Open</source>
        <translation>开放报名</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>已截止</translation>
    </message>
    <message>
        <source>Seating</source>
        <translation>入座中</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已结束</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>已中止</translation>
    </message>
    <message>
        <source>%1x%2</source>
        <translation>%1x%2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>TranslationsManager</name>
    <message>
        <source>English</source>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>%1 (+%2 reserved)</source>
        <translation>%1 (+%2 预留)</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a duration: the larger unit, then the smaller</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
</TS>
