<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
  <context>
    <name>InstallerLayer</name>
    <message>
      <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
      <translation>新用戶端已儲存為 %1。在此系統上，請透過套件管理員安裝更新。</translation>
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
    <name>TranslationsManager</name>
    <message>
      <source>English</source>
      <translation>繁體中文</translation>
    </message>
  </context>
</TS>
