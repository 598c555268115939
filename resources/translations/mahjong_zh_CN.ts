<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>InstallerLayer</name>
    <message>
      <source>The new client was saved as %1. On this system, please install updates through your package manager.</source>
      <translation>新客户端已保存为 %1。在此系统上，请通过软件包管理器安装更新。</translation>
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
    <name>TranslationsManager</name>
    <message>
      <source>English</source>
      <translation>简体中文</translation>
    </message>
  </context>
</TS>
