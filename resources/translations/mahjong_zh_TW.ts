<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>EmbeddedBrowser</name>
    <message>
        <source>Insecure connection</source>
        <translation>不安全的連線</translation>
    </message>
    <message>
        <source>Secure connection</source>
        <translation>安全連線</translation>
    </message>
</context>
<context>
    <name>InstallerLayer</name>
    <message>
        <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
        <translation>新用戶端已儲存為 %1。在此系統上，請透過套件管理員安裝更新。</translation>
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
        <translation>一條</translation>
    </message>
    <message>
        <source>2 of Bamboos</source>
        <translation>二條</translation>
    </message>
    <message>
        <source>3 of Bamboos</source>
        <translation>三條</translation>
    </message>
    <message>
        <source>4 of Bamboos</source>
        <translation>四條</translation>
    </message>
    <message>
        <source>5 of Bamboos</source>
        <translation>五條</translation>
    </message>
    <message>
        <source>6 of Bamboos</source>
        <translation>六條</translation>
    </message>
    <message>
        <source>7 of Bamboos</source>
        <translation>七條</translation>
    </message>
    <message>
        <source>8 of Bamboos</source>
        <translation>八條</translation>
    </message>
    <message>
        <source>9 of Bamboos</source>
        <translation>九條</translation>
    </message>
    <message>
        <source>1 of Characters</source>
        <translation>一萬</translation>
    </message>
    <message>
        <source>2 of Characters</source>
        <translation>二萬</translation>
    </message>
    <message>
        <source>3 of Characters</source>
        <translation>三萬</translation>
    </message>
    <message>
        <source>4 of Characters</source>
        <translation>四萬</translation>
    </message>
    <message>
        <source>5 of Characters</source>
        <translation>五萬</translation>
    </message>
    <message>
        <source>6 of Characters</source>
        <translation>六萬</translation>
    </message>
    <message>
        <source>7 of Characters</source>
        <translation>七萬</translation>
    </message>
    <message>
        <source>8 of Characters</source>
        <translation>八萬</translation>
    </message>
    <message>
        <source>9 of Characters</source>
        <translation>九萬</translation>
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
        <translation>東風</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>南風</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>西風</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>北風</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>青發</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>紅中</translation>
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
        <translation>蘭</translation>
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
        <translation>東</translation>
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
        <translation>圈風：東</translation>
    </message>
    <message>
        <source>Prevalent wind: South</source>
        <translation>圈風：南</translation>
    </message>
    <message>
        <source>Prevalent wind: West</source>
        <translation>圈風：西</translation>
    </message>
    <message>
        <source>Prevalent wind: North</source>
        <translation>圈風：北</translation>
    </message>
</context>
<context>
    <name>MahjongApplication</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The program has to end because of an error:
%1

Please send the log file %2 to our support so that we can fix it.</source>
        <translation>由於發生錯誤，程式必須結束：
%1

請將記錄檔 %2 寄給我們的客服，以便我們修正此問題。</translation>
    </message>
    <message>
        <source>The application is already started in another window!</source>
        <translation>應用程式已在另一個視窗中啟動！</translation>
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
        <translation>用戶端版本 %1 已發布；您的版本是 %2。
請更新用戶端以繼續遊戲。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Checking the server...</source>
        <translation>正在檢查伺服器...</translation>
    </message>
    <message>
        <source>The service is down for maintenance. Please try again later.</source>
        <translation>服務正在維護中，請稍後再試。</translation>
    </message>
    <message>
        <source>Downtime</source>
        <translation>停機維護</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在檢查更新...</translation>
    </message>
    <message>
        <source>The new client could not be downloaded.</source>
        <translation>無法下載新用戶端。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在啟動...</translation>
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
        <translation>%1 (+%2 預留)</translation>
    </message>
</context>
<context>
    <name>TableInfo</name>
    <message>
        <source>Single hand</source>
        <translation>單局</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>錦標賽</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>完整對局</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>東風戰</translation>
    </message>
    <message>
        <source> single hand</source>
        <translation> 單局</translation>
    </message>
    <message>
        <source> tournament</source>
        <translation> 錦標賽</translation>
    </message>
    <message>
        <source> full game</source>
        <translation> 完整對局</translation>
    </message>
    <message>
        <source> east only</source>
        <translation> 東風戰</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
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
        <translation>關西立直</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>免費</translation>
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
        <translation>%1/中國官方/國際</translation>
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
        <translation>最高贏取：%1</translation>
    </message>
    <message>
        <source>Place bonus: %1</source>
        <translation>名次獎勵：%1</translation>
    </message>
    <message>
        <source>Feeding penalty: %1</source>
        <translation>放槍罰分：%1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>遊戲類型</translation>
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
        <translation>最高贏取</translation>
    </message>
</context>
<context>
    <name>TableSelector</name>
    <message>
        <source>Lobby</source>
        <translation>大廳</translation>
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
        <translation>綠 1</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Green 2</source>
        <translation>綠 2</translation>
    </message>
    <message>
        <source>Dark wood</source>
        <translation>深色木紋</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>帶數字</translation>
    </message>
    <message>
        <source>Mixed numbered</source>
        <translation>部分帶數字</translation>
    </message>
    <message>
        <source>Without numbers</source>
        <translation>無數字</translation>
    </message>
    <message>
        <source>Rustic numbered</source>
        <translation>古樸數字</translation>
    </message>
    <message>
        <source>Simple tiles</source>
        <translation>簡潔牌面</translation>
    </message>
</context>
<context>
    <name>TournamentInfo</name>
    <message>
        <source>Open</source>
        <translation>開放報名</translation>
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
        <translation>進行中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已結束</translation>
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
        <translation>繁體中文</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>%1 (+%2 reserved)</source>
        <translation>%1 (+%2 預留)</translation>
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
            <numerusform>%n小時</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分鐘</numerusform>
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
