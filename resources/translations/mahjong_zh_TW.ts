<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AvatarDialog</name>
    <message>
        <source>Choose avatar</source>
        <translation>選擇頭像</translation>
    </message>
    <message>
        <source>Avatar images can only be 64x64 pixels (will be scaled down if larger)</source>
        <translation>頭像圖片只能是 64x64 像素（較大的圖片會被縮小）</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自訂...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Failed to change avatar</source>
        <translation>無法變更頭像</translation>
    </message>
    <message>
        <source>Locate Avatar Image</source>
        <translation>選擇頭像圖片</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>圖片檔</translation>
    </message>
    <message>
        <source>The file %1 is unreadable</source>
        <translation>無法讀取檔案 %1</translation>
    </message>
    <message>
        <source>The file %1 is an invalid image</source>
        <translation>檔案 %1 不是有效的圖片</translation>
    </message>
</context>
<context>
    <name>ChatNotices</name>
    <message>
        <source>The chat is disconnected: your account has logged in to the chat elsewhere. It does not reconnect by itself.</source>
        <translation>聊天已中斷：您的帳號已在別處登入聊天。不會自動重新連線。</translation>
    </message>
    <message>
        <source>The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.</source>
        <translation>聊天已中斷：聊天伺服器拒絕了您的帳號。不會自動重新連線。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected. Your line stays in the input.</source>
        <translation>未傳送：聊天已中斷。您輸入的內容仍保留在輸入框中。</translation>
    </message>
    <message>
        <source>Not sent: the room refused your line (%1). Your line stays in the input.</source>
        <translation>未傳送：聊天室拒絕了您的發言（%1）。您輸入的內容仍保留在輸入框中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost: it is no longer in the input.</source>
        <translation>「%1」在連線中斷前已送達聊天室，已從輸入框中移除。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected.</source>
        <translation>未傳送：聊天已中斷。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; reached nobody: the chat server refused it (%2). It is back in the input.</source>
        <translation>「%1」未送達任何人：聊天伺服器拒絕了這則訊息（%2）。已放回輸入框中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: the room refused it (%2).</source>
        <translation>「%1」未傳送：聊天室拒絕了這則發言（%2）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: you are no longer in this room.</source>
        <translation>「%1」未傳送：您已不在此聊天室。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost. Your edited text stays in the input.</source>
        <translation>「%1」在連線中斷前已送達聊天室。您編輯的內容仍保留在輸入框中。</translation>
    </message>
    <message>
        <source>the room is gone or takes no lines</source>
        <translation>聊天室已不存在或不接受發言</translation>
    </message>
    <message>
        <source>no such user, or one who cannot receive it</source>
        <translation>沒有該使用者，或該使用者無法接收</translation>
    </message>
    <message>
        <source>the room&apos;s chat server could not be reached</source>
        <translation>無法連線到聊天室的聊天伺服器</translation>
    </message>
    <message>
        <source>the user&apos;s chat server could not be reached</source>
        <translation>無法連線到對方的聊天伺服器</translation>
    </message>
    <message>
        <source>you may not speak there</source>
        <translation>您不能在該聊天室發言</translation>
    </message>
    <message>
        <source>you may not write to this user</source>
        <translation>您不能傳送訊息給該使用者</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>位址無效</translation>
    </message>
    <message>
        <source>for a reason the client does not know</source>
        <translation>原因不明</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a refused line&apos;s reason, then the chat server&apos;s own words on it</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>it cannot be handled at the moment</source>
        <translation>暫時無法處理</translation>
    </message>
    <message>
        <source>the room&apos;s rules do not allow it</source>
        <translation>聊天室規則不允許這則發言</translation>
    </message>
    <message>
        <source>the chat server&apos;s rules do not allow it</source>
        <translation>聊天伺服器的規則不允許這則訊息</translation>
    </message>
    <message>
        <source>Perhaps not sent: the chat was disconnected before the chat server confirmed your line. Your line stays in the input.</source>
        <translation>可能未傳送：聊天在聊天伺服器確認之前已中斷。您輸入的內容仍保留在輸入框中。</translation>
    </message>
</context>
<context>
    <name>ChatOutputWidget</name>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2: %3 (sending…)</source>
        <translation>%1 %2: %3（傳送中…）</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Manager chat</source>
        <translation>管理員聊天</translation>
    </message>
    <message>
        <source>The chat is back.</source>
        <translation>聊天已恢復。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It tries to reconnect by itself.</source>
        <translation>聊天已中斷，將嘗試自動重新連線。</translation>
    </message>
</context>
<context>
    <name>ComingEventPopup</name>
    <message>
        <source>Server will go down for maintenance in %1</source>
        <translation>伺服器將在 %1 後停機維護</translation>
    </message>
    <message>
        <source>You are registered for tournament starting in %1</source>
        <translation>您報名的錦標賽將在 %1 後開始</translation>
    </message>
    <message>
        <source>Next tournament round starts in %1</source>
        <translation>錦標賽下一輪將在 %1 後開始</translation>
    </message>
    <message>
        <source>Current tournament round ends in %1</source>
        <translation>錦標賽本輪將在 %1 後結束</translation>
    </message>
</context>
<context>
    <name>ComingTournamentsWidget</name>
    <message>
        <source>Upcoming tournaments</source>
        <translation>即將舉行的錦標賽</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消報名</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>報名</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>詳情</translation>
    </message>
</context>
<context>
    <name>CompactCityView</name>
    <message>
        <source>Remaining tiles</source>
        <translation>剩餘牌數</translation>
    </message>
</context>
<context>
    <name>CompactTableItem</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>規則：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Buy-in:</source>
        <translation>買入：</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高贏取：</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>玩家：</translation>
    </message>
</context>
<context>
    <name>ConcealedActionDialog</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>立直</translation>
    </message>
    <message>
        <source>Kong</source>
        <translation>槓</translation>
    </message>
    <message>
        <source>Pong to kong</source>
        <translation>加槓</translation>
    </message>
    <message>
        <source>Replace flower</source>
        <translation>補花</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ConferenceView</name>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
</context>
<context>
    <name>ConferenceWidget</name>
    <message>
        <source>No error</source>
        <translation>沒有錯誤</translation>
    </message>
    <message>
        <source>Undefined error</source>
        <translation>未定義的錯誤</translation>
    </message>
    <message>
        <source>You&apos;ve been banned from this room</source>
        <translation>您已被禁止進入此聊天室</translation>
    </message>
    <message>
        <source>The room is password protected</source>
        <translation>此聊天室受密碼保護</translation>
    </message>
    <message>
        <source>This is a members only room</source>
        <translation>此聊天室僅限成員進入</translation>
    </message>
    <message>
        <source>Your nickname is already in use in this room</source>
        <translation>您的暱稱在此聊天室中已有人使用</translation>
    </message>
    <message>
        <source>The room is full</source>
        <translation>聊天室已滿</translation>
    </message>
    <message>
        <source>The room is locked</source>
        <translation>聊天室已鎖定</translation>
    </message>
    <message>
        <source>The room doesn&apos;t exist</source>
        <translation>聊天室不存在</translation>
    </message>
    <message>
        <source>Lobby chat unavailable</source>
        <translation>大廳聊天無法使用</translation>
    </message>
    <message>
        <source>Table chat only available to players</source>
        <translation>牌桌聊天僅供玩家使用</translation>
    </message>
    <message>
        <source>%1 joined the chat</source>
        <translation>%1 加入了聊天</translation>
    </message>
    <message>
        <source>%1 left the chat</source>
        <translation>%1 離開了聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2</source>
        <translation>%1 被 %2 踢出聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2 due to %3</source>
        <extracomment>%1 is the user&apos;s nick, %2 the one who kicked, %3 is the reason the room gives</extracomment>
        <translation>%1 被 %2 踢出聊天，原因：%3</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat</source>
        <translation>%1 被踢出聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat due to %2</source>
        <extracomment>%1 is the user&apos;s nick, %2 is the reason the room gives</extracomment>
        <translation>%1 被踢出聊天，原因：%2</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2</source>
        <translation>%1 被 %2 禁止聊天</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2 due to %3</source>
        <extracomment>%1 is the user&apos;s nick, %2 the one who banned, %3 is the reason the room gives</extracomment>
        <translation>%1 被 %2 禁止聊天，原因：%3</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat</source>
        <translation>%1 被禁止聊天</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat due to %2</source>
        <extracomment>%1 is the user&apos;s nick, %2 is the reason the room gives</extracomment>
        <translation>%1 被禁止聊天，原因：%2</translation>
    </message>
    <message>
        <source>The chat is back.</source>
        <translation>聊天已恢復。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It is joined again when the connection is back.</source>
        <translation>聊天已中斷，連線恢復後將自動重新加入。</translation>
    </message>
    <message>
        <source>You may read this room, but not speak in it.</source>
        <translation>您可以檢視此聊天室，但無法發言。</translation>
    </message>
    <message>
        <source>You may speak in this room again.</source>
        <translation>您可以再次在此聊天室發言。</translation>
    </message>
    <message>
        <source>You may no longer speak in this room.</source>
        <translation>您已無法在此聊天室發言。</translation>
    </message>
    <message>
        <source>This chat room has been closed.</source>
        <translation>此聊天室已關閉。</translation>
    </message>
    <message>
        <source>This chat room has been closed: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>此聊天室已關閉，原因：%1</translation>
    </message>
    <message>
        <source>You may speak in this room again: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>您可以再次在此聊天室發言，原因：%1</translation>
    </message>
    <message>
        <source>You may no longer speak in this room: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>您已無法在此聊天室發言，原因：%1</translation>
    </message>
    <message>
        <source>Lines said while the chat was disconnected may be missing: the room keeps only its latest lines.</source>
        <translation>聊天中斷期間的部分發言可能遺漏：聊天室只保留最近的發言。</translation>
    </message>
</context>
<context>
    <name>ConnectionManager</name>
    <message>
        <source>The game server did not answer the version handshake within %1 seconds.</source>
        <translation>遊戲伺服器未在 %1 秒內回應版本交握。</translation>
    </message>
    <message>
        <source>The TLS handshake with the game server did not finish within %1 seconds.</source>
        <translation>與遊戲伺服器的 TLS 交握未在 %1 秒內完成。</translation>
    </message>
    <message>
        <source>Could not connect to the game server within %1 seconds.</source>
        <translation>無法在 %1 秒內連線到遊戲伺服器。</translation>
    </message>
</context>
<context>
    <name>CreateUserForm</name>
    <message>
        <source>Create New User</source>
        <translation>建立新使用者</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Repeat Password</source>
        <translation>再次輸入密碼</translation>
    </message>
    <message>
        <source>Create User</source>
        <translation>建立使用者</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CreateUserWindow</name>
    <message>
        <source>User name must contain between %1 and %2 characters</source>
        <translation>使用者名稱必須為 %1 到 %2 個字元</translation>
    </message>
    <message>
        <source>Password must contain between %1 and %2 characters</source>
        <translation>密碼必須為 %1 到 %2 個字元</translation>
    </message>
    <message>
        <source>Repeated password doesn&apos;t match</source>
        <translation>兩次輸入的密碼不相符</translation>
    </message>
    <message>
        <source>Register User</source>
        <translation>註冊使用者</translation>
    </message>
    <message>
        <source>Your account has been created. You can now log in.</source>
        <translation>您的帳號已建立，現在可以登入了。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>I&apos;m over %L1 years old</source>
        <translation>我已年滿 %L1 歲</translation>
    </message>
    <message>
        <source>I accept the &lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;terms and conditions&lt;/a&gt;</source>
        <translation>我接受&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;使用條款&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DebugDialog</name>
    <message>
        <source>Debug info</source>
        <translation>除錯資訊</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Game:</source>
        <translation>遊戲：</translation>
    </message>
    <message>
        <source>Css</source>
        <translation>CSS</translation>
    </message>
    <message>
        <source>Reload css</source>
        <translation>重新載入 CSS</translation>
    </message>
    <message>
        <source>%1ms (min %2, max %3, mean %4)</source>
        <translation>%1 毫秒（最小 %2，最大 %3，平均 %4）</translation>
    </message>
    <message>
        <source>rx: %1 b/s</source>
        <translation>接收：%1 b/s</translation>
    </message>
    <message>
        <source>tx: %1 b/s</source>
        <translation>傳送：%1 b/s</translation>
    </message>
</context>
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
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
</context>
<context>
    <name>EmptySeatWidget</name>
    <message>
        <source>Waiting for player</source>
        <translation>等待玩家</translation>
    </message>
</context>
<context>
    <name>ExternalBrowser</name>
    <message>
        <source>Page not opened</source>
        <translation>無法開啟頁面</translation>
    </message>
    <message>
        <source>No web browser could be started for this page.
To see it, copy its address into a web browser:

%1</source>
        <translation>無法啟動網頁瀏覽器來開啟此頁面。
要檢視此頁面，請將以下網址複製到網頁瀏覽器中：

%1</translation>
    </message>
</context>
<context>
    <name>FriendDetailView</name>
    <message>
        <source>Friend Details</source>
        <translation>好友詳情</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Player is seated at:</source>
        <translation>玩家所在牌桌：</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>觀戰</translation>
    </message>
</context>
<context>
    <name>FriendDetailWindow</name>
    <message>
        <source>Friend details for %1</source>
        <translation>%1 的好友詳情</translation>
    </message>
    <message>
        <source>%1 with status &quot;%2&quot;</source>
        <extracomment>%1 is availability type, %2 is user status message</extracomment>
        <translation>%1，狀態為「%2」</translation>
    </message>
</context>
<context>
    <name>FriendSearchView</name>
    <message>
        <source>Friend search results</source>
        <translation>好友搜尋結果</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>加為好友</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>FriendSearchWindow</name>
    <message>
        <source>Add to friends</source>
        <translation>加為好友</translation>
    </message>
    <message>
        <source>Add item to friends list</source>
        <translation>加入好友名單</translation>
    </message>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Search error</source>
        <translation>搜尋錯誤</translation>
    </message>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation>
            <numerusform>找到 %Ln 位使用者</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FriendsRosterModel</name>
    <message>
        <source>offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>online</source>
        <translation>線上</translation>
    </message>
    <message>
        <source>away</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>talkative</source>
        <translation>想聊天</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>忙碌</translation>
    </message>
    <message>
        <source>&lt;unknown availability&gt;</source>
        <translation>&lt;狀態不明&gt;</translation>
    </message>
    <message>
        <source>%1 is %2 with status &quot;%3&quot;</source>
        <extracomment>%1 is friend name, %2 is availability type, %3 is user status message</extracomment>
        <translation>%1 %2，狀態為「%3」</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is friend name, %2 is availability type</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>FriendsView</name>
    <message>
        <source>Add friends and see when they are online!</source>
        <translation>加入好友，看看他們何時上線！</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>好友</translation>
    </message>
    <message>
        <source>Find friend</source>
        <translation>尋找好友</translation>
    </message>
    <message>
        <source>Friend Details</source>
        <translation>好友詳情</translation>
    </message>
</context>
<context>
    <name>FriendsWindow</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove user from list</source>
        <translation>從名單中移除使用者</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
    <message>
        <source>%1 joined the table</source>
        <translation>%1 加入了牌桌</translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation>您已失去此牌桌的座位。</translation>
    </message>
    <message>
        <source>%1 left the table</source>
        <translation>%1 離開了牌桌</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>已被踢出</translation>
    </message>
    <message>
        <source>You were kicked from the table.</source>
        <translation>您被踢出了牌桌。</translation>
    </message>
    <message>
        <source>You do not have enough funds to play another hand.
Do you want to make a deposit now?</source>
        <translation>您的餘額不足以繼續下一局。
要現在儲值嗎？</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>伺服器錯誤</translation>
    </message>
    <message>
        <source>A server error occurred and the tournament will be aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>伺服器發生錯誤，錦標賽將被中止。
關於獎池分配的詳情，請參閱錦標賽規則。</translation>
    </message>
    <message>
        <source>A server error occurred and the game was aborted.
Your bet and fee will be repaid.</source>
        <translation>伺服器發生錯誤，遊戲已中止。
您的下注與手續費將會退還。</translation>
    </message>
    <message>
        <source>You were kicked from the table as the server will be unavailable due to mainenance.</source>
        <translation>由於伺服器即將停機維護，您被踢出了牌桌。</translation>
    </message>
    <message>
        <source>You were kicked from the table as it will be removed.</source>
        <translation>由於牌桌即將被移除，您被踢出了牌桌。</translation>
    </message>
    <message>
        <source>Table does not exist</source>
        <translation>牌桌不存在</translation>
    </message>
    <message>
        <source>Table has been removed from server, press Ok to go back to lobby</source>
        <translation>牌桌已從伺服器移除，請按「確定」返回大廳</translation>
    </message>
    <message>
        <source>Table round ended</source>
        <translation>牌桌輪次結束</translation>
    </message>
    <message>
        <source>Tournament round ended</source>
        <translation>錦標賽輪次結束</translation>
    </message>
    <message>
        <source>The tournament round has ended, press Ok to go back to lobby</source>
        <translation>錦標賽本輪已結束，請按「確定」返回大廳</translation>
    </message>
    <message>
        <source>Hand started</source>
        <translation>牌局開始</translation>
    </message>
    <message>
        <source>Hand ended in washout!</source>
        <translation>本局流局！</translation>
    </message>
    <message>
        <source>%1 declared mahjong!</source>
        <translation>%1 和牌！</translation>
    </message>
    <message>
        <source>%1 and %2 declared mahjong!</source>
        <translation>%1 與 %2 和牌！</translation>
    </message>
    <message>
        <source>%1, %2 and %3 declared mahjong!</source>
        <translation>%1、%2 與 %3 和牌！</translation>
    </message>
    <message>
        <source>Are you sure you want to leave %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>確定要離開 %1 嗎？</translation>
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
    <name>JoinDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>儲值</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>錦標賽報名</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>名稱：%1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>開始：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>買入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>獎池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>規則：%1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>已報名玩家：%1</translation>
    </message>
    <message>
        <source>Accepting the tournament will withdraw the buy-in from your account. If you choose to unregister from the tournament at a later time, but before the tournament starts, the buy-in will be refunded to your account.</source>
        <translation>接受錦標賽後，買入金額將從您的帳戶中扣除。若您在錦標賽開始前取消報名，買入金額將退還至您的帳戶。</translation>
    </message>
    <message>
        <source>You do not have sufficient funds in your account to play. Please deposit more money to your account to continue playing.</source>
        <translation>您的帳戶餘額不足，無法遊戲。請儲值至您的帳戶以繼續遊戲。</translation>
    </message>
</context>
<context>
    <name>LobbySummary</name>
    <message>
        <source>Lobby</source>
        <translation>大廳</translation>
    </message>
    <message>
        <source>Latest logins:</source>
        <translation>最近登入：</translation>
    </message>
    <message>
        <source>Players online: %1</source>
        <translation>線上玩家：%1</translation>
    </message>
    <message>
        <source>Tables in play: %1</source>
        <translation>進行中的牌桌：%1</translation>
    </message>
</context>
<context>
    <name>LobbyView</name>
    <message>
        <source>Lobby</source>
        <translation>大廳</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>立直</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>國標</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>買入</translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation>$0-$10</translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation>$11-$50</translation>
    </message>
    <message>
        <source>$51-</source>
        <translation>$51-</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>遊戲類型</translation>
    </message>
    <message>
        <source>Single hand</source>
        <translation>單局</translation>
    </message>
    <message>
        <source>A single hand without prevalent wind
Wind rotation between every hand</source>
        <translation>只打一局，不設圈風
每局之後輪換風位</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>東風圈</translation>
    </message>
    <message>
        <source>Only the east round is played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>只打東風圈
使用圈風
依最終得分結算</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>完整對局</translation>
    </message>
    <message>
        <source>Two or four wind rounds, depending on ruleset, are played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>依規則打兩圈或四圈
使用圈風
依最終得分結算</translation>
    </message>
    <message>
        <source>View all available tables</source>
        <translation>檢視所有可用的牌桌</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>尋找：</translation>
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
    <name>LoginForm</name>
    <message>
        <source>Log in to Mahjong</source>
        <translation>登入麻將</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>註冊</translation>
    </message>
    <message>
        <source>Choose language</source>
        <translation>選擇語言</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>You are not allowed to login, please contact support.</source>
        <translation>您無權登入，請聯絡客服。</translation>
    </message>
    <message>
        <source>Server error!</source>
        <translation>伺服器錯誤！</translation>
    </message>
    <message>
        <source>You need to verify your email first! Please check your inbox for verification email. Contact support if problem persists.</source>
        <translation>您必須先驗證您的電子郵件！請至收件匣查看驗證信。若問題持續發生，請聯絡客服。</translation>
    </message>
    <message>
        <source>You have excluded yourself from playing. Contact support if this is incorrect.</source>
        <translation>您已設定禁止自己參與遊戲。若有誤，請聯絡客服。</translation>
    </message>
    <message>
        <source>You have made 6 wrong login attempts. For security reasons your account will be inactive for 10 minutes.
If you do not remember your password please reset your password and wait for 10 minutes. If you still have problems please contact support.</source>
        <translation>您已連續 6 次登入失敗。基於安全考量，您的帳號將停用 10 分鐘。
若您忘記密碼，請重設密碼並等候 10 分鐘。若仍有問題，請聯絡客服。</translation>
    </message>
    <message>
        <source>Your IP address is blacklisted, please contact support.</source>
        <translation>您的 IP 位址已被列入黑名單，請聯絡客服。</translation>
    </message>
    <message>
        <source>Unknown login failure!</source>
        <translation>登入失敗，原因不明！</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>登入失敗</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;Reset password&lt;/a&gt;</source>
        <translation>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;重設密碼&lt;/a&gt;</translation>
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
    <message numerus="yes">
        <source>%Ln min(s)</source>
        <translation>
            <numerusform>%Ln 分鐘</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MahjongDialog</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
    <name>MainView</name>
    <message>
        <source>Corvana Mahjong</source>
        <translation>Corvana 麻將</translation>
    </message>
    <message>
        <source>My account</source>
        <translation>我的帳戶</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>客服</translation>
    </message>
    <message>
        <source>Toggle fullscreen</source>
        <translation>切換全螢幕</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>收銀台</translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation>大廳聊天</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>TM</source>
        <comment>Trademark abbreviation</comment>
        <translation>TM</translation>
    </message>
    <message>
        <source>Powered by Pellandor%1</source>
        <translation>由 Pellandor%1 提供技術支援</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>視窗模式</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Resolution too low!</source>
        <translation>解析度太低！</translation>
    </message>
    <message>
        <source>Local time is %1</source>
        <translation>本地時間 %1</translation>
    </message>
    <message>
        <source>Tournament starts in: %1</source>
        <translation>錦標賽開始倒數：%1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>餘額 %1</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>註冊</translation>
    </message>
    <message>
        <source>Join Failed</source>
        <translation>加入失敗</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>錦標賽報名</translation>
    </message>
    <message>
        <source>You are not fully registered and therefore not allowed to play for money.
Do you want to complete your registration now?</source>
        <translation>您尚未完成註冊，因此不能進行真錢遊戲。
要現在完成註冊嗎？</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>連線失敗</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1
Try again?</source>
        <translation>無法連線到遊戲伺服器：
%1
要重試嗎？</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1</source>
        <translation>無法連線到遊戲伺服器：
%1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>伺服器已關閉連線</translation>
    </message>
    <message>
        <source>Forced logout</source>
        <translation>強制登出</translation>
    </message>
    <message>
        <source>You were forcefully logged out!</source>
        <translation>您已被強制登出！</translation>
    </message>
    <message>
        <source>System message</source>
        <translation>系統訊息</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>確定要結束嗎？</translation>
    </message>
    <message>
        <source>New tournament round - %1</source>
        <translation>錦標賽新一輪 - %1</translation>
    </message>
    <message>
        <source>Continuing tournament round - %1</source>
        <translation>錦標賽繼續本輪 - %1</translation>
    </message>
    <message>
        <source>You have been assigned to tournament table %1. Show now?</source>
        <translation>您已被分配到錦標賽牌桌 %1。現在顯示嗎？</translation>
    </message>
    <message>
        <source>You are assigned to tournament table %1. Show now?</source>
        <translation>您被分配在錦標賽牌桌 %1。現在顯示嗎？</translation>
    </message>
    <message>
        <source>Rejoin Table</source>
        <translation>重新加入牌桌</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>觀戰牌桌</translation>
    </message>
    <message>
        <source>You are already seated at table %L1.
Do you want to rejoin?</source>
        <translation>您已在牌桌 %L1 入座。
要重新加入嗎？</translation>
    </message>
    <message>
        <source>Not allowed to join table</source>
        <translation>不允許加入牌桌</translation>
    </message>
    <message>
        <source>Join Error</source>
        <translation>加入錯誤</translation>
    </message>
    <message>
        <source>Table Full</source>
        <translation>牌桌已滿</translation>
    </message>
    <message>
        <source>Table In Play</source>
        <translation>牌桌正在遊戲中</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the table.
Do you want to make a deposit now?</source>
        <translation>您的帳戶餘額不足，無法加入牌桌。
要現在儲值嗎？</translation>
    </message>
    <message>
        <source>A player with the same IP address as you has already joined the table.
Please contact the support to remedy the situation.</source>
        <translation>與您 IP 位址相同的玩家已加入該牌桌。
請聯絡客服以解決此問題。</translation>
    </message>
    <message>
        <source>You are not allowed to play on money tables.</source>
        <translation>您無權在真錢牌桌上遊戲。</translation>
    </message>
    <message>
        <source>You are not allowed to play, server will be unavailable due to maintenance.</source>
        <translation>伺服器即將停機維護，您無法遊戲。</translation>
    </message>
    <message>
        <source>You are not allowed to play, the table will soon be removed.</source>
        <translation>牌桌即將被移除，您無法遊戲。</translation>
    </message>
    <message>
        <source>Join failed.</source>
        <translation>加入失敗。</translation>
    </message>
    <message>
        <source>Watch Failed</source>
        <translation>觀戰失敗</translation>
    </message>
    <message>
        <source>Join not allowed</source>
        <translation>不允許加入</translation>
    </message>
    <message>
        <source>Watch not allowed</source>
        <translation>不允許觀戰</translation>
    </message>
    <message>
        <source>Table not accessible.</source>
        <translation>無法進入牌桌。</translation>
    </message>
    <message>
        <source>Join game failed!</source>
        <translation>加入遊戲失敗！</translation>
    </message>
    <message>
        <source>Failed to join game.
Please try again in a little while.
If problem persists please contact support</source>
        <translation>加入遊戲失敗。
請稍後再試。
若問題持續發生，請聯絡客服</translation>
    </message>
    <message>
        <source>Unfortunately you were among the last players to register for tournament &apos;%1&apos; and you have been
 unregistered to make sure every tournament table has exactly four players. Your buy-in and fee will be repaid.</source>
        <translation>很遺憾，您是錦標賽「%1」最後報名的玩家之一，
為了讓每張錦標賽牌桌剛好有四位玩家，您的報名已被取消。您的買入與手續費將會退還。</translation>
    </message>
    <message>
        <source>You have been unregistered from tournament &apos;%1&apos; because you were offline when the registration closed.</source>
        <translation>由於報名截止時您處於離線狀態，您在錦標賽「%1」的報名已被取消。</translation>
    </message>
    <message>
        <source>A server error occurred during tournament %1 and the tournament was aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>錦標賽 %1 進行期間伺服器發生錯誤，錦標賽已中止。
關於獎池分配的詳情，請參閱錦標賽規則。</translation>
    </message>
    <message>
        <source>This is you</source>
        <translation>這是您</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>加為好友</translation>
    </message>
    <message>
        <source>Friend is offline</source>
        <translation>好友已離線</translation>
    </message>
    <message>
        <source>Friend is only playing at this table</source>
        <translation>好友只在此牌桌遊戲</translation>
    </message>
    <message>
        <source>Friend is not playing</source>
        <translation>好友未在遊戲</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>錦標賽</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>好友</translation>
    </message>
    <message>
        <source>Game Guide</source>
        <translation>遊戲指南</translation>
    </message>
    <message>
        <source>You should have a resolution of at least 1024x768, you currently have %1x%2</source>
        <translation>解析度至少應為 1024x768，您目前為 %1x%2</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>頁面無法使用</translation>
    </message>
    <message>
        <source>This page is not available at the moment. Please try again later.</source>
        <translation>此頁面目前無法使用，請稍後再試。</translation>
    </message>
    <message>
        <source>Do you want to rejoin %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>要重新加入 %1 嗎？</translation>
    </message>
    <message>
        <source>Do you want to continue watching %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>要繼續觀戰 %1 嗎？</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>觀戰 %1</translation>
    </message>
</context>
<context>
    <name>MeldAuction</name>
    <message>
        <source>Alt+M</source>
        <comment>Mahjong</comment>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>過</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Choose Meld</source>
        <translation>吃碰槓</translation>
    </message>
    <message>
        <source>Rob the Kong</source>
        <translation>搶槓</translation>
    </message>
    <message>
        <source>Replace tiles</source>
        <translation>補花</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <comment>a win on the own draw</comment>
        <translation>自摸</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <comment>a win on another player&apos;s tile</comment>
        <translation>和牌</translation>
    </message>
</context>
<context>
    <name>MeldChoice</name>
    <message>
        <source>Chow Low</source>
        <translation>吃（低）</translation>
    </message>
    <message>
        <source>Alt+1</source>
        <comment>Chow Low</comment>
        <translation>Alt+1</translation>
    </message>
    <message>
        <source>Chow Mid</source>
        <translation>吃（中）</translation>
    </message>
    <message>
        <source>Alt+2</source>
        <comment>Chow Mid</comment>
        <translation>Alt+2</translation>
    </message>
    <message>
        <source>Chow Hi</source>
        <translation>吃（高）</translation>
    </message>
    <message>
        <source>Alt+3</source>
        <comment>Chow Hi</comment>
        <translation>Alt+3</translation>
    </message>
    <message>
        <source>Kong</source>
        <translation>槓</translation>
    </message>
    <message>
        <source>Alt+K</source>
        <comment>Kong</comment>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Pong</source>
        <translation>碰</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <comment>Pong</comment>
        <translation>Alt+P</translation>
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
    <name>PlayerDb</name>
    <message>
        <source>Not connected to the server</source>
        <translation>未連線到伺服器</translation>
    </message>
</context>
<context>
    <name>PlayerInactiveWidget</name>
    <message>
        <source>Player inactive</source>
        <translation>長時間未操作</translation>
    </message>
    <message>
        <source>You  have been inactive, and will therefore automatically stand down. Please press reactivate to regain control.</source>
        <translation>您太久沒有操作，因此將自動退出行牌。請按「重新啟用」以恢復控制。</translation>
    </message>
    <message>
        <source>Reactivate</source>
        <translation>重新啟用</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message numerus="yes">
        <source>%nwins</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>勝</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%npts</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Change your settings below, changes will take effect immediately.</source>
        <translation>請在下方變更設定，變更會立即生效。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>遊戲</translation>
    </message>
    <message>
        <source>Only applicable on MCR rules</source>
        <translation>僅適用於國標麻將規則</translation>
    </message>
    <message>
        <source>Auto replace bonus tiles</source>
        <translation>自動補花</translation>
    </message>
    <message>
        <source>Auto-close score dialogs</source>
        <translation>自動關閉計分視窗</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>動畫</translation>
    </message>
    <message>
        <source>Show full wall</source>
        <translation>顯示完整牌牆</translation>
    </message>
    <message>
        <source>Show table invites</source>
        <translation>顯示牌桌邀請</translation>
    </message>
    <message>
        <source>Controls if the last drawn tile may be discarded by clicking on the table</source>
        <translation>是否可以點擊牌桌打出最後摸到的牌</translation>
    </message>
    <message>
        <source>Click table to discard tile</source>
        <translation>點擊牌桌打牌</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Choose avatar...</source>
        <translation>選擇頭像...</translation>
    </message>
    <message>
        <source>Tile graphics</source>
        <translation>牌面圖案</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>背面</translation>
    </message>
    <message>
        <source>Controls if score dialogs are automatically closed when the next hand starts</source>
        <translation>下一局開始時是否自動關閉計分視窗</translation>
    </message>
</context>
<context>
    <name>RoundScoreBoard</name>
    <message>
        <source>Tournament 1</source>
        <translation>錦標賽 1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>第 1 輪</translation>
    </message>
    <message>
        <source>Round %L1/%L2</source>
        <translation>第 %L1/%L2 輪</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本輪結果</translation>
    </message>
    <message>
        <source>Round %L1</source>
        <translation>第 %L1 輪</translation>
    </message>
</context>
<context>
    <name>RoundScoreWidget</name>
    <message>
        <source>name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Mahjong points:</source>
        <translation>麻將分數：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Round results:</source>
        <translation>本輪結果：</translation>
    </message>
    <message>
        <source>Tournament points:</source>
        <translation>錦標賽積分：</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Round balance:</source>
        <translation>本輪收支：</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Scores</source>
        <translation>計分</translation>
    </message>
    <message>
        <source>Winning Hand</source>
        <translation>和牌牌型</translation>
    </message>
    <message>
        <source>2:nd place</source>
        <translation>第 2 名</translation>
    </message>
    <message>
        <source>3:rd place</source>
        <translation>第 3 名</translation>
    </message>
    <message>
        <source>4:th place</source>
        <translation>第 4 名</translation>
    </message>
    <message>
        <source>Dora/kan dora tiles</source>
        <translation>寶牌指示牌／槓寶牌指示牌</translation>
    </message>
    <message>
        <source>Ura dora tiles</source>
        <translation>裏寶牌指示牌</translation>
    </message>
    <message>
        <source>Next hand starts in:</source>
        <translation>下一局開始倒數：</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備就緒</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
    <message>
        <source>%L1</source>
        <translation>%L1</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>符：</translation>
    </message>
    <message>
        <source>Fans:</source>
        <translation>番：</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>番：</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <translation>役滿：</translation>
    </message>
    <message>
        <source>Bonus points:</source>
        <translation>獎勵分：</translation>
    </message>
    <message>
        <source>Hand Score</source>
        <translation>牌型得分</translation>
    </message>
    <message>
        <source>Settlement</source>
        <translation>結算</translation>
    </message>
    <message>
        <source>Current Score</source>
        <translation>目前得分</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支付</translation>
    </message>
    <message>
        <source>Losing hand</source>
        <translation>未和牌</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>和牌牌型</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>下一局</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>再玩一場 (%1)</translation>
    </message>
    <message>
        <source>Ready hand</source>
        <translation>聽牌</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>Classic and Hong Kong</comment>
        <translation>滿貫：</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>MCR</comment>
        <translation>88番、64番：</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本輪結果</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Base points</source>
        <translation>底符</translation>
    </message>
    <message>
        <source>Concealed ron</source>
        <translation>門前榮和</translation>
    </message>
    <message>
        <source>Self-drawn</source>
        <translation>自摸</translation>
    </message>
    <message>
        <source>Exposed pung of simples</source>
        <translation>中張明刻</translation>
    </message>
    <message>
        <source>Concealed pung of simples</source>
        <translation>中張暗刻</translation>
    </message>
    <message>
        <source>Exposed pung of terminals or honours</source>
        <translation>么九明刻</translation>
    </message>
    <message>
        <source>Concealed pung of terminals or honours</source>
        <translation>么九暗刻</translation>
    </message>
    <message>
        <source>Exposed kong of simples</source>
        <translation>中張明槓</translation>
    </message>
    <message>
        <source>Concealed kong of simples</source>
        <translation>中張暗槓</translation>
    </message>
    <message>
        <source>Exposed kong of terminals or honours</source>
        <translation>么九明槓</translation>
    </message>
    <message>
        <source>Concealed kong of terminals or honours</source>
        <translation>么九暗槓</translation>
    </message>
    <message>
        <source>Pair of dragons</source>
        <translation>三元牌對子</translation>
    </message>
    <message>
        <source>Pair of seat wind</source>
        <translation>門風對子</translation>
    </message>
    <message>
        <source>Pair of prevalent wind</source>
        <translation>圈風對子</translation>
    </message>
    <message>
        <source>Edge wait</source>
        <translation>邊張</translation>
    </message>
    <message>
        <source>Closed wait</source>
        <translation>嵌張</translation>
    </message>
    <message>
        <source>Pair wait</source>
        <translation>單吊</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>立直</translation>
    </message>
    <message>
        <source>Double riichi</source>
        <translation>兩立直</translation>
    </message>
    <message>
        <source>Ippatsu</source>
        <translation>一發</translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <translation>門前清自摸</translation>
    </message>
    <message>
        <source>Pinfu</source>
        <translation>平和</translation>
    </message>
    <message>
        <source>All simples</source>
        <translation>斷么九</translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <translation>一盃口</translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <translation>箭刻</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>門風</translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <translation>圈風</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation>搶槓</translation>
    </message>
    <message>
        <source>After a kong</source>
        <translation>槓上開花</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <translation>海底撈月</translation>
    </message>
    <message>
        <source>Last discard</source>
        <translation>河底撈魚</translation>
    </message>
    <message>
        <source>Mixed triple chow</source>
        <translation>三色同順</translation>
    </message>
    <message>
        <source>Pure straight</source>
        <translation>一氣通貫</translation>
    </message>
    <message>
        <source>Outside hand</source>
        <translation>混全帶么九</translation>
    </message>
    <message>
        <source>All pungs</source>
        <translation>對對和</translation>
    </message>
    <message>
        <source>Three concealed pungs</source>
        <translation>三暗刻</translation>
    </message>
    <message>
        <source>Triple pung</source>
        <translation>三色同刻</translation>
    </message>
    <message>
        <source>Three kongs</source>
        <translation>三槓子</translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <translation>七對子</translation>
    </message>
    <message>
        <source>All terminals and honours</source>
        <translation>混老頭</translation>
    </message>
    <message>
        <source>Little three dragons</source>
        <translation>小三元</translation>
    </message>
    <message>
        <source>Half flush</source>
        <translation>混一色</translation>
    </message>
    <message>
        <source>Twice pure double chow</source>
        <translation>二盃口</translation>
    </message>
    <message>
        <source>Terminals in all sets</source>
        <translation>純全帶么九</translation>
    </message>
    <message>
        <source>Full flush</source>
        <translation>清一色</translation>
    </message>
    <message>
        <source>Dora</source>
        <translation>寶牌</translation>
    </message>
    <message>
        <source>Ura dora</source>
        <translation>裏寶牌</translation>
    </message>
    <message>
        <source>Red five</source>
        <translation>赤寶牌</translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <translation>十三么</translation>
    </message>
    <message>
        <source>Nine gates</source>
        <translation>九蓮寶燈</translation>
    </message>
    <message>
        <source>Four concealed pungs</source>
        <translation>四暗刻</translation>
    </message>
    <message>
        <source>Big three dragons</source>
        <translation>大三元</translation>
    </message>
    <message>
        <source>Little four winds</source>
        <translation>小四喜</translation>
    </message>
    <message>
        <source>Big four winds</source>
        <translation>大四喜</translation>
    </message>
    <message>
        <source>All honours</source>
        <translation>字一色</translation>
    </message>
    <message>
        <source>All terminals</source>
        <translation>清老頭</translation>
    </message>
    <message>
        <source>All green</source>
        <translation>綠一色</translation>
    </message>
    <message>
        <source>Four kongs</source>
        <translation>四槓子</translation>
    </message>
    <message>
        <source>Blessing of heaven</source>
        <translation>天和</translation>
    </message>
    <message>
        <source>Blessing of earth</source>
        <translation>地和</translation>
    </message>
    <message>
        <source>Counted limit hand</source>
        <translation>累計役滿</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季牌</translation>
    </message>
    <message>
        <source>All flowers</source>
        <translation>花牌齊全</translation>
    </message>
    <message>
        <source>All seasons</source>
        <translation>季牌齊全</translation>
    </message>
    <message>
        <source>Riichi sticks</source>
        <translation>立直棒</translation>
    </message>
    <message>
        <source>Counter sticks</source>
        <translation>本場棒</translation>
    </message>
    <message>
        <source>UNKNOWN SCORE NAME</source>
        <translation>不明的符項</translation>
    </message>
    <message>
        <source>UNKNOWN DOUBLE NAME</source>
        <translation>不明的番種</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <translation>不明的役滿</translation>
    </message>
    <message>
        <source>UNKNOWN BONUS NAME</source>
        <translation>不明的獎勵項</translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <comment>Chinese rule sets</comment>
        <translation>不求人</translation>
    </message>
    <message>
        <source>After a kong</source>
        <comment>Chinese rule sets</comment>
        <translation>槓上開花</translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <comment>Chinese rule sets</comment>
        <translation>十三么</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <comment>MCR</comment>
        <translation>妙手回春</translation>
    </message>
    <message>
        <source>Last discard</source>
        <comment>MCR</comment>
        <translation>海底撈月</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>Classic and Hong Kong</comment>
        <translation>不明的滿貫</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>MCR</comment>
        <translation>不明的番種</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <comment>Classic and Hong Kong</comment>
        <translation>海底撈月</translation>
    </message>
    <message>
        <source>All pungs</source>
        <comment>MCR</comment>
        <translation>碰碰和</translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <comment>MCR</comment>
        <translation>七對</translation>
    </message>
    <message>
        <source>All simples</source>
        <comment>MCR</comment>
        <translation>斷幺</translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <comment>MCR</comment>
        <translation>箭刻</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <comment>MCR</comment>
        <translation>門風刻</translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <comment>MCR</comment>
        <translation>圈風刻</translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <comment>MCR</comment>
        <translation>一般高</translation>
    </message>
    <message>
        <source>Mixed triple chow</source>
        <comment>MCR</comment>
        <translation>三色三同順</translation>
    </message>
    <message>
        <source>Pure straight</source>
        <comment>MCR</comment>
        <translation>清龍</translation>
    </message>
    <message>
        <source>Outside hand</source>
        <comment>MCR</comment>
        <translation>全帶幺</translation>
    </message>
    <message>
        <source>Triple pung</source>
        <comment>MCR</comment>
        <translation>三同刻</translation>
    </message>
    <message>
        <source>Three kongs</source>
        <comment>MCR</comment>
        <translation>三槓</translation>
    </message>
    <message>
        <source>All terminals and honours</source>
        <comment>MCR</comment>
        <translation>混幺九</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <comment>MCR</comment>
        <translation>搶槓和</translation>
    </message>
    <message>
        <source>All terminals</source>
        <comment>MCR</comment>
        <translation>清幺九</translation>
    </message>
    <message>
        <source>Four kongs</source>
        <comment>MCR</comment>
        <translation>四槓</translation>
    </message>
    <message>
        <source>All chows</source>
        <comment>Chinese rule sets</comment>
        <translation>平和</translation>
    </message>
</context>
<context>
    <name>SeatedWindow</name>
    <message numerus="yes">
        <source>You will automatically be unseated from this table in %Ln second(s)</source>
        <translation>
            <numerusform>您將在 %Ln 秒後失去此牌桌的座位</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeatedWindowWidget</name>
    <message>
        <source>You have been seated</source>
        <translation>您已入座</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>規則：</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>下注：</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高贏取：</translation>
    </message>
    <message>
        <source>Place bonus:</source>
        <translation>名次獎勵：</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>放槍罰分：</translation>
    </message>
    <message>
        <source>Number of players:</source>
        <translation>玩家人數：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>If you discard the winning tile, you will pay the feeding penalty.</source>
        <translation>若您放槍，您將支付放槍罰分。</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>開始遊戲</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
</context>
<context>
    <name>SetScreennameDialog</name>
    <message>
        <source>Set screen name</source>
        <translation>設定暱稱</translation>
    </message>
    <message>
        <source>Please enter new screen name.</source>
        <translation>請輸入新的暱稱。</translation>
    </message>
    <message>
        <source>This name will be shown to other players. Please be careful when choosing your screen name as we do not allow changes for security reasons.</source>
        <translation>此名稱會顯示給其他玩家。基於安全考量，暱稱設定後無法變更，請謹慎選擇。</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>SideBar</name>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>x%1</source>
        <translation>x%1</translation>
    </message>
    <message>
        <source>Hand Id: %1</source>
        <translation>牌局編號：%1</translation>
    </message>
    <message>
        <source>Round %L1 of %L2</source>
        <translation>第 %L1/%L2 輪</translation>
    </message>
    <message>
        <source>No round playing</source>
        <translation>目前沒有進行中的輪次</translation>
    </message>
    <message>
        <source>now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Round ends in %1</source>
        <translation>本輪結束倒數：%1</translation>
    </message>
    <message>
        <source>1st player is East</source>
        <translation>第 1 位玩家為東家</translation>
    </message>
    <message>
        <source>2nd player is East</source>
        <translation>第 2 位玩家為東家</translation>
    </message>
    <message>
        <source>3rd player is East</source>
        <translation>第 3 位玩家為東家</translation>
    </message>
    <message>
        <source>4th player is East</source>
        <translation>第 4 位玩家為東家</translation>
    </message>
    <message>
        <source>Wind round %L1 of %L2</source>
        <translation>第 %L1/%L2 圈</translation>
    </message>
    <message>
        <source>Wind round %L1</source>
        <translation>第 %L1 圈</translation>
    </message>
    <message>
        <source>Round %L1</source>
        <translation>第 %L1 輪</translation>
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
        <translation>%L2/%L3 名玩家已入座</translation>
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
        <translation>東風圈</translation>
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
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>國標</translation>
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
        <translation>關西三麻</translation>
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
        <translation>%1麻將（麻將競賽規則）</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln 秒</numerusform>
        </translation>
    </message>
    <message>
        <source> east only game</source>
        <translation> 東風圈</translation>
    </message>
</context>
<context>
    <name>TableInvitationDialog</name>
    <message>
        <source>Table invitation</source>
        <translation>牌桌邀請</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>觀戰</translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Hi %1</source>
        <translation>%1，您好</translation>
    </message>
    <message>
        <source>Would you like to play a free %L1-player %2%3?</source>
        <translation>您想玩一場免費的 %L1 人 %2%3嗎？</translation>
    </message>
    <message>
        <source>Would you like to play a %1 %L2-player %3%4?</source>
        <translation>您想玩一場 %1 的 %L2 人 %3%4嗎？</translation>
    </message>
</context>
<context>
    <name>TableInviteDialog</name>
    <message>
        <source>Invite players</source>
        <translation>邀請玩家</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>邀請</translation>
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
    <name>TablePreview</name>
    <message>
        <source>Please, choose a table in the list to your left!</source>
        <translation>請在左側清單中選擇一張牌桌！</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高贏取：</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>觀戰</translation>
    </message>
    <message>
        <source>Reserved:</source>
        <translation>預留：</translation>
    </message>
    <message>
        <source>Game duration:</source>
        <translation>遊戲時長：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Payout/Place Bonus:</source>
        <translation>獎金／名次獎勵：</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score. Players are ranked by score to get or pay place bonus. See table on the right.</source>
        <translation>獎池依最終得分分配給玩家。玩家依得分排名，獲得或支付名次獎勵。請見右側表格。</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>第 1 名</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>第 2 名</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>第 3 名</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>第 4 名</translation>
    </message>
    <message>
        <source>Payout:</source>
        <translation>獎金：</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>放槍罰分：</translation>
    </message>
    <message>
        <source>Winner takes it all.</source>
        <translation>贏家全拿。</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score.</source>
        <translation>獎池依最終得分分配給玩家。</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at %n point(s) or lower)</source>
        <translation>
            <numerusform>%1（最大損失，在 %n 分或更低時）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation>
            <numerusform>%1（最大損失，在 -%n 分或更低時）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Max loss)</source>
        <translation>%1（最大損失）</translation>
    </message>
    <message>
        <source>%1-%2 min</source>
        <translation>%1-%2 分鐘</translation>
    </message>
    <message>
        <source>(%1 to the pot)</source>
        <translation>（%1 進入獎池）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for feeding penalty.)</source>
        <translation>（%1 進入獎池，%2 預留作放槍罰分。）</translation>
    </message>
    <message>
        <source>(%1 to the pot.)</source>
        <translation>（%1 進入獎池。）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for place bonus.)</source>
        <translation>（%1 進入獎池，%2 預留作名次獎勵。）</translation>
    </message>
    <message>
        <source>Winner takes it all. Player discarding winning tile pays feeding penalty.</source>
        <translation>贏家全拿。放槍的玩家支付放槍罰分。</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Paying chart (points):</source>
        <translation>支付表（分）：</translation>
    </message>
    <message>
        <source>Paying chart:</source>
        <translation>支付表：</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>番數</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放槍</translation>
    </message>
    <message>
        <source>Self-draw</source>
        <translation>自摸</translation>
    </message>
</context>
<context>
    <name>TablePreviewPlayersWidget</name>
    <message>
        <source>(empty)</source>
        <translation>（空位）</translation>
    </message>
</context>
<context>
    <name>TablePreviewWidget</name>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>(Practice)</source>
        <translation>（練習）</translation>
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
    <name>TournamentDetailDialog</name>
    <message>
        <source>Tournament is removed</source>
        <translation>錦標賽已被移除</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Round information</source>
        <translation>輪次資訊</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>報名</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消報名</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>尋找：</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>狀態：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>買入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>獎池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>規則：%1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>時長：%1</translation>
    </message>
    <message>
        <source>Registered players: %1</source>
        <translation>已報名玩家：%1</translation>
    </message>
    <message>
        <source>Registration closes: %1</source>
        <translation>報名截止：%1</translation>
    </message>
    <message>
        <source>Minimum players: %1</source>
        <translation>最少玩家數：%1</translation>
    </message>
    <message>
        <source>Maximum players: %1</source>
        <translation>最多玩家數：%1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休息：%1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>開始倒數：%1</translation>
    </message>
    <message>
        <source>Starts in: -</source>
        <translation>開始倒數：-</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>第 %1 輪</translation>
    </message>
    <message>
        <source>Next break in: %1</source>
        <translation>下次休息倒數：%1</translation>
    </message>
    <message>
        <source>Ends in: %1</source>
        <translation>結束倒數：%1</translation>
    </message>
    <message>
        <source>Next round in: %1</source>
        <translation>下一輪倒數：%1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>排名</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Payout structure</source>
        <translation>獎金結構</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>觀戰</translation>
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
    <name>TournamentPreview</name>
    <message>
        <source>Please, choose a tournament in the list to your left!</source>
        <translation>請在左側清單中選擇一個錦標賽！</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>報名</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消報名</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>詳情</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>錦標賽</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>狀態：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>買入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>獎池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>規則：%1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>時長：%1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休息：%1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>已報名玩家：%1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>開始倒數：%1</translation>
    </message>
</context>
<context>
    <name>TournamentPrizeStructureModel</name>
    <message>
        <source>#%1 - #%2</source>
        <translation>#%1 - #%2</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
</context>
<context>
    <name>TournamentRankingModel</name>
    <message>
        <source>%1/%2/%3</source>
        <translation>%1/%2/%3</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>TournamentsController</name>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>被拒絕</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>餘額不足</translation>
    </message>
    <message>
        <source>Tournament is full</source>
        <translation>錦標賽已滿</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>拒絕存取</translation>
    </message>
    <message>
        <source>Already Registered</source>
        <translation>已報名</translation>
    </message>
    <message>
        <source>Tournament is running</source>
        <translation>錦標賽正在進行</translation>
    </message>
    <message>
        <source>Register for tournament</source>
        <translation>報名錦標賽</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the tournament.
Do you want to make a deposit now?</source>
        <translation>您的帳戶餘額不足，無法參加錦標賽。
要現在儲值嗎？</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; is full</source>
        <translation>錦標賽「%1」已滿</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; has already started</source>
        <translation>錦標賽「%1」已經開始</translation>
    </message>
    <message>
        <source>Registration for &apos;%1&apos; failed</source>
        <translation>報名「%1」失敗</translation>
    </message>
    <message>
        <source>Unregister from tournament</source>
        <translation>取消錦標賽報名</translation>
    </message>
    <message>
        <source>Unregister from tournament failed!
%1</source>
        <translation>取消錦標賽報名失敗！
%1</translation>
    </message>
    <message>
        <source>You have to make at least one real money deposit before playing &apos;%1&apos;.
Do you want to make a deposit now?</source>
        <translation>參加「%1」之前，您必須至少以真錢儲值一次。
要現在儲值嗎？</translation>
    </message>
    <message>
        <source>To play &apos;%1&apos; you have to</source>
        <translation>要參加「%1」，您必須</translation>
    </message>
    <message>
        <source>deposit money</source>
        <translation>儲值</translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyModel</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>買入</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>獎池</translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyView</name>
    <message>
        <source>Rules</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>立直</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>國標</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>買入</translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation>$0-$10</translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation>$11-$50</translation>
    </message>
    <message>
        <source>$51-</source>
        <translation>$51-</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation>about:blank</translation>
    </message>
    <message>
        <source>View all available tournaments</source>
        <translation>檢視所有可用的錦標賽</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>尋找：</translation>
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
    <message>
        <source>now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>%1 - time to start</comment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWidget</name>
    <message>
        <source>Waiting for players</source>
        <translation>等待玩家</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
    <message>
        <source>Invite players</source>
        <translation>邀請玩家</translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation>
            <numerusform>正在等待 %n 位玩家加入牌桌。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WashoutWidget</name>
    <message>
        <source>Next hand starts in:</source>
        <translation>下一局開始倒數：</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備就緒</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本輪結果</translation>
    </message>
</context>
<context>
    <name>WashoutWindow</name>
    <message>
        <source>Nine honors or terminals.</source>
        <translation>九種九牌。</translation>
    </message>
    <message>
        <source>Four kongs.</source>
        <translation>四槓散了。</translation>
    </message>
    <message>
        <source>Same wind discard.</source>
        <translation>四風連打。</translation>
    </message>
    <message>
        <source>No-one declared win after all player declared riichi.</source>
        <translation>四家立直。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備就緒</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>下一局</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>再玩一場 (%1)</translation>
    </message>
</context>
<context>
    <name>WatchingWindowWidget</name>
    <message>
        <source>Watching</source>
        <translation>觀戰中</translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation>您已失去此牌桌的座位。</translation>
    </message>
    <message>
        <source>If you want to watch the game, just wait until it starts.</source>
        <translation>如果您想觀戰，請等候遊戲開始。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>離開牌桌</translation>
    </message>
</context>
</TS>
