<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>EmbeddedBrowser</name>
    <message>
        <source>Insecure connection</source>
        <translation>安全でない接続</translation>
    </message>
    <message>
        <source>Secure connection</source>
        <translation>安全な接続</translation>
    </message>
</context>
<context>
    <name>InstallerLayer</name>
    <message>
        <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
        <translation>新しいクライアントを %1 に保存しました。このシステムでは、パッケージマネージャーで更新をインストールしてください。</translation>
    </message>
</context>
<context>
    <name>LocalizationDb</name>
    <message>
        <source>Table(%1)</source>
        <translation>テーブル(%1)</translation>
    </message>
</context>
<context>
    <name>Mahjong</name>
    <message>
        <source>1 of Bamboos</source>
        <translation>一索</translation>
    </message>
    <message>
        <source>2 of Bamboos</source>
        <translation>二索</translation>
    </message>
    <message>
        <source>3 of Bamboos</source>
        <translation>三索</translation>
    </message>
    <message>
        <source>4 of Bamboos</source>
        <translation>四索</translation>
    </message>
    <message>
        <source>5 of Bamboos</source>
        <translation>五索</translation>
    </message>
    <message>
        <source>6 of Bamboos</source>
        <translation>六索</translation>
    </message>
    <message>
        <source>7 of Bamboos</source>
        <translation>七索</translation>
    </message>
    <message>
        <source>8 of Bamboos</source>
        <translation>八索</translation>
    </message>
    <message>
        <source>9 of Bamboos</source>
        <translation>九索</translation>
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
        <translation>東</translation>
    </message>
    <message>
        <source>South Wind</source>
        <translation>南</translation>
    </message>
    <message>
        <source>West Wind</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North Wind</source>
        <translation>北</translation>
    </message>
    <message>
        <source>Green Dragon</source>
        <translation>發</translation>
    </message>
    <message>
        <source>Red Dragon</source>
        <translation>中</translation>
    </message>
    <message>
        <source>White Dragon</source>
        <translation>白</translation>
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
        <translation>不明な牌</translation>
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
        <translation>場風: 東</translation>
    </message>
    <message>
        <source>Prevalent wind: South</source>
        <translation>場風: 南</translation>
    </message>
    <message>
        <source>Prevalent wind: West</source>
        <translation>場風: 西</translation>
    </message>
    <message>
        <source>Prevalent wind: North</source>
        <translation>場風: 北</translation>
    </message>
</context>
<context>
    <name>MahjongApplication</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The program has to end because of an error:
%1

Please send the log file %2 to our support so that we can fix it.</source>
        <translation>エラーのためプログラムを終了します:
%1

修正のため、ログファイル %2 をサポートまでお送りください。</translation>
    </message>
    <message>
        <source>The application is already started in another window!</source>
        <translation>アプリケーションは既に別のウィンドウで起動しています！</translation>
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
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New version available</source>
        <translation>新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Version %1 of the client is available; you have version %2.
Please update the client to go on playing.</source>
        <translation>クライアントのバージョン %1 が利用可能です（現在のバージョンは %2）。
プレイを続けるにはクライアントを更新してください。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Checking the server...</source>
        <translation>サーバーを確認しています...</translation>
    </message>
    <message>
        <source>The service is down for maintenance. Please try again later.</source>
        <translation>サービスはメンテナンス中です。しばらくしてから再度お試しください。</translation>
    </message>
    <message>
        <source>Downtime</source>
        <translation>メンテナンス中</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>更新を確認しています...</translation>
    </message>
    <message>
        <source>The new client could not be downloaded.</source>
        <translation>新しいクライアントをダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>起動しています...</translation>
    </message>
</context>
<context>
    <name>TableCapacity</name>
    <message>
        <source>%L2 of %L3 players seated</source>
        <translation>%L2/%L3 人着席</translation>
    </message>
    <message>
        <source>%1 (+%2 reserved)</source>
        <translation>%1 (+%2 予約)</translation>
    </message>
</context>
<context>
    <name>TableInfo</name>
    <message>
        <source>Single hand</source>
        <translation>一局戦</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>トーナメント</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>半荘戦</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>東風戦</translation>
    </message>
    <message>
        <source> single hand</source>
        <translation> 一局戦</translation>
    </message>
    <message>
        <source> tournament</source>
        <translation> トーナメント</translation>
    </message>
    <message>
        <source> full game</source>
        <translation> 半荘戦</translation>
    </message>
    <message>
        <source> east only</source>
        <translation> 東風戦</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>MCR</translation>
    </message>
    <message>
        <source>EMA Riichi</source>
        <translation>EMAリーチ</translation>
    </message>
    <message>
        <source>Japanese Riichi</source>
        <translation>日本式リーチ</translation>
    </message>
    <message>
        <source>Kansai Riichi</source>
        <translation>関西リーチ</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>無料</translation>
    </message>
    <message numerus="yes">
        <source>%1-%n fan(s)</source>
        <translation>
            <numerusform>%1-%n 翻</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1/Chinese Official/International</source>
        <translation>%1/中国公式/国際</translation>
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
ベット: %5</translation>
    </message>
    <message>
        <source>Max win: %1</source>
        <translation>最大獲得: %1</translation>
    </message>
    <message>
        <source>Place bonus: %1</source>
        <translation>順位ボーナス: %1</translation>
    </message>
    <message>
        <source>Feeding penalty: %1</source>
        <translation>放銃ペナルティ: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>対局形式</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>ベット</translation>
    </message>
    <message>
        <source>Max win</source>
        <translation>最大獲得</translation>
    </message>
</context>
<context>
    <name>TableSelector</name>
    <message>
        <source>Lobby</source>
        <translation>ロビー</translation>
    </message>
</context>
<context>
    <name>TableValue</name>
    <message>
        <source>1st %1</source>
        <translation>1位 %1</translation>
    </message>
    <message>
        <source>2nd %1</source>
        <translation>2位 %1</translation>
    </message>
    <message>
        <source>3rd %1</source>
        <translation>3位 %1</translation>
    </message>
    <message>
        <source>4th %1</source>
        <translation>4位 %1</translation>
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
        <translation>%1 (レーキ前 %2)</translation>
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
        <translation>緑 1</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green 2</source>
        <translation>緑 2</translation>
    </message>
    <message>
        <source>Dark wood</source>
        <translation>ダークウッド</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>数字入り</translation>
    </message>
    <message>
        <source>Mixed numbered</source>
        <translation>一部数字入り</translation>
    </message>
    <message>
        <source>Without numbers</source>
        <translation>数字なし</translation>
    </message>
    <message>
        <source>Rustic numbered</source>
        <translation>素朴な数字入り</translation>
    </message>
    <message>
        <source>Simple tiles</source>
        <translation>シンプル</translation>
    </message>
</context>
<context>
    <name>TournamentInfo</name>
    <message>
        <source>Open</source>
        <translation>受付中</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>締切</translation>
    </message>
    <message>
        <source>Seating</source>
        <translation>着席中</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>対局中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>打ち切り</translation>
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
        <translation>日本語</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>%1 (+%2 reserved)</source>
        <translation>%1 (+%2 予約)</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分</numerusform>
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
