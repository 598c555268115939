<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
  <context>
    <name>InstallerLayer</name>
    <message>
      <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
      <translation>新しいクライアントを %1 に保存しました。このシステムでは、パッケージマネージャーで更新をインストールしてください。</translation>
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
    <name>TranslationsManager</name>
    <message>
      <source>English</source>
      <translation>日本語</translation>
    </message>
  </context>
</TS>
