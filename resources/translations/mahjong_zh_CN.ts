<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AvatarDialog</name>
    <message>
        <source>Choose avatar</source>
        <translation>选择头像</translation>
    </message>
    <message>
        <source>Avatar images can only be 64x64 pixels (will be scaled down if larger)</source>
        <translation>头像图片只能为 64x64 像素（较大的图片将被缩小）</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Failed to change avatar</source>
        <translation>更换头像失败</translation>
    </message>
    <message>
        <source>Locate Avatar Image</source>
        <translation>选择头像图片</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>The file %1 is unreadable</source>
        <translation>无法读取文件 %1</translation>
    </message>
    <message>
        <source>The file %1 is an invalid image</source>
        <translation>文件 %1 不是有效的图片</translation>
    </message>
</context>
<context>
    <name>ChatNotices</name>
    <message>
        <source>The chat is disconnected: your account has logged in to the chat elsewhere. It does not reconnect by itself.</source>
        <translation>聊天已断开：您的账户已在别处登录聊天。不会自动重新连接。</translation>
    </message>
    <message>
        <source>The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.</source>
        <translation>聊天已断开：聊天服务器拒绝了您的账户。不会自动重新连接。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected. Your line stays in the input.</source>
        <translation>未发送：聊天已断开。您输入的内容仍保留在输入框中。</translation>
    </message>
    <message>
        <source>Not sent: the room refused your line (%1). Your line stays in the input.</source>
        <translation>未发送：房间拒绝了您的发言（%1）。您输入的内容仍保留在输入框中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost: it is no longer in the input.</source>
        <translation>“%1”在连接断开前已送达房间，已从输入框中移除。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected.</source>
        <translation>未发送：聊天已断开。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; reached nobody: the chat server refused it (%2). It is back in the input.</source>
        <translation>“%1”未送达任何人：聊天服务器拒绝了这条消息（%2）。已放回输入框中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: the room refused it (%2).</source>
        <translation>“%1”未发送：房间拒绝了这条发言（%2）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: you are no longer in this room.</source>
        <translation>“%1”未发送：您已不在此房间。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost. Your edited text stays in the input.</source>
        <translation>“%1”在连接断开前已送达房间。您编辑的内容仍保留在输入框中。</translation>
    </message>
    <message>
        <source>the room is gone or takes no lines</source>
        <translation>房间已不存在或不接受发言</translation>
    </message>
    <message>
        <source>no such user, or one who cannot receive it</source>
        <translation>没有该用户，或该用户无法接收</translation>
    </message>
    <message>
        <source>the room&apos;s chat server could not be reached</source>
        <translation>无法连接到房间的聊天服务器</translation>
    </message>
    <message>
        <source>the user&apos;s chat server could not be reached</source>
        <translation>无法连接到对方的聊天服务器</translation>
    </message>
    <message>
        <source>you may not speak there</source>
        <translation>您不能在该房间发言</translation>
    </message>
    <message>
        <source>you may not write to this user</source>
        <translation>您不能给该用户发送消息</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>地址无效</translation>
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
        <translation>暂时无法处理</translation>
    </message>
    <message>
        <source>the room&apos;s rules do not allow it</source>
        <translation>房间规则不允许这条发言</translation>
    </message>
    <message>
        <source>the chat server&apos;s rules do not allow it</source>
        <translation>聊天服务器的规则不允许这条消息</translation>
    </message>
    <message>
        <source>Perhaps not sent: the chat was disconnected before the chat server confirmed your line. Your line stays in the input.</source>
        <translation>可能未发送：聊天在聊天服务器确认之前已断开。您输入的内容仍保留在输入框中。</translation>
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
        <translation>%1 %2: %3（发送中…）</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Manager chat</source>
        <translation>管理员聊天</translation>
    </message>
    <message>
        <source>The chat is back.</source>
        <translation>聊天已恢复。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It tries to reconnect by itself.</source>
        <translation>聊天已断开，将尝试自动重新连接。</translation>
    </message>
</context>
<context>
    <name>ComingEventPopup</name>
    <message>
        <source>Server will go down for maintenance in %1</source>
        <translation>服务器将在 %1 后停机维护</translation>
    </message>
    <message>
        <source>You are registered for tournament starting in %1</source>
        <translation>您报名的锦标赛将在 %1 后开始</translation>
    </message>
    <message>
        <source>Next tournament round starts in %1</source>
        <translation>锦标赛下一轮将在 %1 后开始</translation>
    </message>
    <message>
        <source>Current tournament round ends in %1</source>
        <translation>锦标赛本轮将在 %1 后结束</translation>
    </message>
</context>
<context>
    <name>ComingTournamentsWidget</name>
    <message>
        <source>Upcoming tournaments</source>
        <translation>即将举行的锦标赛</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消报名</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>报名</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>详情</translation>
    </message>
</context>
<context>
    <name>CompactCityView</name>
    <message>
        <source>Remaining tiles</source>
        <translation>剩余牌数</translation>
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
        <translation>规则：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Buy-in:</source>
        <translation>买入：</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高赢取：</translation>
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
        <translation>杠</translation>
    </message>
    <message>
        <source>Pong to kong</source>
        <translation>加杠</translation>
    </message>
    <message>
        <source>Replace flower</source>
        <translation>补花</translation>
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
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>ConferenceWidget</name>
    <message>
        <source>No error</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>Undefined error</source>
        <translation>未定义的错误</translation>
    </message>
    <message>
        <source>You&apos;ve been banned from this room</source>
        <translation>您已被禁止进入此房间</translation>
    </message>
    <message>
        <source>The room is password protected</source>
        <translation>此房间受密码保护</translation>
    </message>
    <message>
        <source>This is a members only room</source>
        <translation>此房间仅限成员进入</translation>
    </message>
    <message>
        <source>Your nickname is already in use in this room</source>
        <translation>您的昵称在此房间中已被使用</translation>
    </message>
    <message>
        <source>The room is full</source>
        <translation>房间已满</translation>
    </message>
    <message>
        <source>The room is locked</source>
        <translation>房间已锁定</translation>
    </message>
    <message>
        <source>The room doesn&apos;t exist</source>
        <translation>房间不存在</translation>
    </message>
    <message>
        <source>Lobby chat unavailable</source>
        <translation>大厅聊天不可用</translation>
    </message>
    <message>
        <source>Table chat only available to players</source>
        <translation>牌桌聊天仅对玩家开放</translation>
    </message>
    <message>
        <source>%1 joined the chat</source>
        <translation>%1 加入了聊天</translation>
    </message>
    <message>
        <source>%1 left the chat</source>
        <translation>%1 离开了聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2</source>
        <translation>%1 被 %2 踢出了聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2 due to %3</source>
        <extracomment>%1 is the user&apos;s nick, %2 the one who kicked, %3 is the reason the room gives</extracomment>
        <translation>%1 被 %2 踢出了聊天，原因：%3</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat</source>
        <translation>%1 被踢出了聊天</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat due to %2</source>
        <extracomment>%1 is the user&apos;s nick, %2 is the reason the room gives</extracomment>
        <translation>%1 被踢出了聊天，原因：%2</translation>
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
        <translation>聊天已恢复。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It is joined again when the connection is back.</source>
        <translation>聊天已断开，连接恢复后将自动重新加入。</translation>
    </message>
    <message>
        <source>You may read this room, but not speak in it.</source>
        <translation>您可以查看此房间，但不能发言。</translation>
    </message>
    <message>
        <source>You may speak in this room again.</source>
        <translation>您可以再次在此房间发言。</translation>
    </message>
    <message>
        <source>You may no longer speak in this room.</source>
        <translation>您已不能在此房间发言。</translation>
    </message>
    <message>
        <source>This chat room has been closed.</source>
        <translation>此房间已关闭。</translation>
    </message>
    <message>
        <source>This chat room has been closed: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>此房间已关闭，原因：%1</translation>
    </message>
    <message>
        <source>You may speak in this room again: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>您可以再次在此房间发言，原因：%1</translation>
    </message>
    <message>
        <source>You may no longer speak in this room: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>您已不能在此房间发言，原因：%1</translation>
    </message>
    <message>
        <source>Lines said while the chat was disconnected may be missing: the room keeps only its latest lines.</source>
        <translation>聊天断开期间的部分发言可能缺失：房间只保留最近的发言。</translation>
    </message>
</context>
<context>
    <name>ConnectionManager</name>
    <message>
        <source>The game server did not answer the version handshake within %1 seconds.</source>
        <translation>游戏服务器未在 %1 秒内响应版本握手。</translation>
    </message>
    <message>
        <source>The TLS handshake with the game server did not finish within %1 seconds.</source>
        <translation>与游戏服务器的 TLS 握手未在 %1 秒内完成。</translation>
    </message>
    <message>
        <source>Could not connect to the game server within %1 seconds.</source>
        <translation>无法在 %1 秒内连接到游戏服务器。</translation>
    </message>
</context>
<context>
    <name>CreateUserForm</name>
    <message>
        <source>Create New User</source>
        <translation>创建新用户</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Repeat Password</source>
        <translation>重复密码</translation>
    </message>
    <message>
        <source>Create User</source>
        <translation>创建用户</translation>
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
        <translation>用户名必须包含 %1 到 %2 个字符</translation>
    </message>
    <message>
        <source>Password must contain between %1 and %2 characters</source>
        <translation>密码必须包含 %1 到 %2 个字符</translation>
    </message>
    <message>
        <source>Repeated password doesn&apos;t match</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <source>Register User</source>
        <translation>注册用户</translation>
    </message>
    <message>
        <source>Your account has been created. You can now log in.</source>
        <translation>您的账户已创建，现在可以登录了。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>I&apos;m over %L1 years old</source>
        <translation>我已年满 %L1 岁</translation>
    </message>
    <message>
        <source>I accept the &lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;terms and conditions&lt;/a&gt;</source>
        <translation>我接受&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;条款和条件&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DebugDialog</name>
    <message>
        <source>Debug info</source>
        <translation>调试信息</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Game:</source>
        <translation>游戏：</translation>
    </message>
    <message>
        <source>Css</source>
        <translation>CSS</translation>
    </message>
    <message>
        <source>Reload css</source>
        <translation>重新加载 CSS</translation>
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
        <translation>发送：%1 b/s</translation>
    </message>
</context>
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
        <translation>无法打开页面</translation>
    </message>
    <message>
        <source>No web browser could be started for this page.
To see it, copy its address into a web browser:

%1</source>
        <translation>无法启动网页浏览器来打开此页面。
要查看此页面，请将以下地址复制到网页浏览器中：

%1</translation>
    </message>
</context>
<context>
    <name>FriendDetailView</name>
    <message>
        <source>Friend Details</source>
        <translation>好友详情</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
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
        <translation>观战</translation>
    </message>
</context>
<context>
    <name>FriendDetailWindow</name>
    <message>
        <source>Friend details for %1</source>
        <translation>%1 的好友详情</translation>
    </message>
    <message>
        <source>%1 with status &quot;%2&quot;</source>
        <extracomment>%1 is availability type, %2 is user status message</extracomment>
        <translation>%1，状态为“%2”</translation>
    </message>
</context>
<context>
    <name>FriendSearchView</name>
    <message>
        <source>Friend search results</source>
        <translation>好友搜索结果</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>添加为好友</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FriendSearchWindow</name>
    <message>
        <source>Add to friends</source>
        <translation>添加为好友</translation>
    </message>
    <message>
        <source>Add item to friends list</source>
        <translation>添加到好友列表</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Search error</source>
        <translation>搜索错误</translation>
    </message>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation>
            <numerusform>找到 %Ln 个用户</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FriendsRosterModel</name>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>away</source>
        <translation>离开</translation>
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
        <translation>&lt;状态未知&gt;</translation>
    </message>
    <message>
        <source>%1 is %2 with status &quot;%3&quot;</source>
        <extracomment>%1 is friend name, %2 is availability type, %3 is user status message</extracomment>
        <translation>%1 %2，状态为“%3”</translation>
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
        <translation>添加好友，看看他们何时在线！</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>好友</translation>
    </message>
    <message>
        <source>Find friend</source>
        <translation>查找好友</translation>
    </message>
    <message>
        <source>Friend Details</source>
        <translation>好友详情</translation>
    </message>
</context>
<context>
    <name>FriendsWindow</name>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove user from list</source>
        <translation>从列表中删除用户</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
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
        <translation>%1 离开了牌桌</translation>
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
        <translation>您的余额不足以继续下一局。
要现在充值吗？</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>服务器错误</translation>
    </message>
    <message>
        <source>A server error occurred and the tournament will be aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>服务器发生错误，锦标赛将被中止。
有关奖池分配的详情，请查看锦标赛规则。</translation>
    </message>
    <message>
        <source>A server error occurred and the game was aborted.
Your bet and fee will be repaid.</source>
        <translation>服务器发生错误，游戏已中止。
您的下注和手续费将被退还。</translation>
    </message>
    <message>
        <source>You were kicked from the table as the server will be unavailable due to mainenance.</source>
        <translation>由于服务器即将停机维护，您被踢出了牌桌。</translation>
    </message>
    <message>
        <source>You were kicked from the table as it will be removed.</source>
        <translation>由于牌桌即将被移除，您被踢出了牌桌。</translation>
    </message>
    <message>
        <source>Table does not exist</source>
        <translation>牌桌不存在</translation>
    </message>
    <message>
        <source>Table has been removed from server, press Ok to go back to lobby</source>
        <translation>牌桌已从服务器移除，请按“确定”返回大厅</translation>
    </message>
    <message>
        <source>Table round ended</source>
        <translation>牌桌轮次结束</translation>
    </message>
    <message>
        <source>Tournament round ended</source>
        <translation>锦标赛轮次结束</translation>
    </message>
    <message>
        <source>The tournament round has ended, press Ok to go back to lobby</source>
        <translation>锦标赛本轮已结束，请按“确定”返回大厅</translation>
    </message>
    <message>
        <source>Hand started</source>
        <translation>牌局开始</translation>
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
        <translation>%1 与 %2 和牌！</translation>
    </message>
    <message>
        <source>%1, %2 and %3 declared mahjong!</source>
        <translation>%1、%2 与 %3 和牌！</translation>
    </message>
    <message>
        <source>Are you sure you want to leave %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>确定要离开 %1 吗？</translation>
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
        <translation>充值</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>锦标赛报名</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>名称：%1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>开始：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>买入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>奖池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>规则：%1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>已报名玩家：%1</translation>
    </message>
    <message>
        <source>Accepting the tournament will withdraw the buy-in from your account. If you choose to unregister from the tournament at a later time, but before the tournament starts, the buy-in will be refunded to your account.</source>
        <translation>接受锦标赛后，买入金额将从您的账户中扣除。如果您在锦标赛开始前取消报名，买入金额将退还到您的账户。</translation>
    </message>
    <message>
        <source>You do not have sufficient funds in your account to play. Please deposit more money to your account to continue playing.</source>
        <translation>您的账户余额不足，无法游戏。请向账户充值以继续游戏。</translation>
    </message>
</context>
<context>
    <name>LobbySummary</name>
    <message>
        <source>Lobby</source>
        <translation>大厅</translation>
    </message>
    <message>
        <source>Latest logins:</source>
        <translation>最近登录：</translation>
    </message>
    <message>
        <source>Players online: %1</source>
        <translation>在线玩家：%1</translation>
    </message>
    <message>
        <source>Tables in play: %1</source>
        <translation>进行中的牌桌：%1</translation>
    </message>
</context>
<context>
    <name>LobbyView</name>
    <message>
        <source>Lobby</source>
        <translation>大厅</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
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
        <translation>国标</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>买入</translation>
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
        <translation>练习</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>Single hand</source>
        <translation>单局</translation>
    </message>
    <message>
        <source>A single hand without prevalent wind
Wind rotation between every hand</source>
        <translation>一局，不设圈风
每局之后轮换风位</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>东风圈</translation>
    </message>
    <message>
        <source>Only the east round is played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>只打东风圈
使用圈风
按最终得分结算</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>完整对局</translation>
    </message>
    <message>
        <source>Two or four wind rounds, depending on ruleset, are played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>根据规则打两圈或四圈
使用圈风
按最终得分结算</translation>
    </message>
    <message>
        <source>View all available tables</source>
        <translation>查看所有可用牌桌</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
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
        <translation>登录麻将</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Choose language</source>
        <translation>选择语言</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>You are not allowed to login, please contact support.</source>
        <translation>您无权登录，请联系客服。</translation>
    </message>
    <message>
        <source>Server error!</source>
        <translation>服务器错误！</translation>
    </message>
    <message>
        <source>You need to verify your email first! Please check your inbox for verification email. Contact support if problem persists.</source>
        <translation>您需要先验证您的电子邮箱！请在收件箱中查看验证邮件。如果问题仍然存在，请联系客服。</translation>
    </message>
    <message>
        <source>You have excluded yourself from playing. Contact support if this is incorrect.</source>
        <translation>您已设置禁止自己参与游戏。如有误，请联系客服。</translation>
    </message>
    <message>
        <source>You have made 6 wrong login attempts. For security reasons your account will be inactive for 10 minutes.
If you do not remember your password please reset your password and wait for 10 minutes. If you still have problems please contact support.</source>
        <translation>您已连续 6 次登录失败。出于安全原因，您的账户将被停用 10 分钟。
如果您忘记了密码，请重置密码并等待 10 分钟。如果仍有问题，请联系客服。</translation>
    </message>
    <message>
        <source>Your IP address is blacklisted, please contact support.</source>
        <translation>您的 IP 地址已被列入黑名单，请联系客服。</translation>
    </message>
    <message>
        <source>Unknown login failure!</source>
        <translation>登录失败，原因未知！</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>登录失败</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;Reset password&lt;/a&gt;</source>
        <translation>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;重置密码&lt;/a&gt;</translation>
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
    <message numerus="yes">
        <source>%Ln min(s)</source>
        <translation>
            <numerusform>%Ln 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MahjongDialog</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>Corvana 麻将</translation>
    </message>
    <message>
        <source>My account</source>
        <translation>我的账户</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>客服</translation>
    </message>
    <message>
        <source>Toggle fullscreen</source>
        <translation>切换全屏</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>收银台</translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation>大厅聊天</translation>
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
        <translation>由 Pellandor%1 提供技术支持</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>窗口模式</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Resolution too low!</source>
        <translation>分辨率太低！</translation>
    </message>
    <message>
        <source>Local time is %1</source>
        <translation>本地时间 %1</translation>
    </message>
    <message>
        <source>Tournament starts in: %1</source>
        <translation>锦标赛开始倒计时：%1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>余额 %1</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Join Failed</source>
        <translation>加入失败</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>锦标赛报名</translation>
    </message>
    <message>
        <source>You are not fully registered and therefore not allowed to play for money.
Do you want to complete your registration now?</source>
        <translation>您尚未完成注册，因此不能进行真钱游戏。
要现在完成注册吗？</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1
Try again?</source>
        <translation>无法连接到游戏服务器：
%1
要重试吗？</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1</source>
        <translation>无法连接到游戏服务器：
%1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>服务器关闭了连接</translation>
    </message>
    <message>
        <source>Forced logout</source>
        <translation>强制登出</translation>
    </message>
    <message>
        <source>You were forcefully logged out!</source>
        <translation>您已被强制登出！</translation>
    </message>
    <message>
        <source>System message</source>
        <translation>系统消息</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>New tournament round - %1</source>
        <translation>锦标赛新一轮 - %1</translation>
    </message>
    <message>
        <source>Continuing tournament round - %1</source>
        <translation>锦标赛继续本轮 - %1</translation>
    </message>
    <message>
        <source>You have been assigned to tournament table %1. Show now?</source>
        <translation>您已被分配到锦标赛牌桌 %1。现在显示吗？</translation>
    </message>
    <message>
        <source>You are assigned to tournament table %1. Show now?</source>
        <translation>您被分配在锦标赛牌桌 %1。现在显示吗？</translation>
    </message>
    <message>
        <source>Rejoin Table</source>
        <translation>重新加入牌桌</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>观战牌桌</translation>
    </message>
    <message>
        <source>You are already seated at table %L1.
Do you want to rejoin?</source>
        <translation>您已在牌桌 %L1 入座。
要重新加入吗？</translation>
    </message>
    <message>
        <source>Not allowed to join table</source>
        <translation>不允许加入牌桌</translation>
    </message>
    <message>
        <source>Join Error</source>
        <translation>加入错误</translation>
    </message>
    <message>
        <source>Table Full</source>
        <translation>牌桌已满</translation>
    </message>
    <message>
        <source>Table In Play</source>
        <translation>牌桌正在游戏中</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the table.
Do you want to make a deposit now?</source>
        <translation>您的账户余额不足，无法加入牌桌。
要现在充值吗？</translation>
    </message>
    <message>
        <source>A player with the same IP address as you has already joined the table.
Please contact the support to remedy the situation.</source>
        <translation>与您 IP 地址相同的玩家已加入该牌桌。
请联系客服解决此问题。</translation>
    </message>
    <message>
        <source>You are not allowed to play on money tables.</source>
        <translation>您无权在真钱牌桌上游戏。</translation>
    </message>
    <message>
        <source>You are not allowed to play, server will be unavailable due to maintenance.</source>
        <translation>服务器即将停机维护，您无法游戏。</translation>
    </message>
    <message>
        <source>You are not allowed to play, the table will soon be removed.</source>
        <translation>牌桌即将被移除，您无法游戏。</translation>
    </message>
    <message>
        <source>Join failed.</source>
        <translation>加入失败。</translation>
    </message>
    <message>
        <source>Watch Failed</source>
        <translation>观战失败</translation>
    </message>
    <message>
        <source>Join not allowed</source>
        <translation>不允许加入</translation>
    </message>
    <message>
        <source>Watch not allowed</source>
        <translation>不允许观战</translation>
    </message>
    <message>
        <source>Table not accessible.</source>
        <translation>无法进入牌桌。</translation>
    </message>
    <message>
        <source>Join game failed!</source>
        <translation>加入游戏失败！</translation>
    </message>
    <message>
        <source>Failed to join game.
Please try again in a little while.
If problem persists please contact support</source>
        <translation>加入游戏失败。
请稍后再试。
如果问题仍然存在，请联系客服</translation>
    </message>
    <message>
        <source>Unfortunately you were among the last players to register for tournament &apos;%1&apos; and you have been
 unregistered to make sure every tournament table has exactly four players. Your buy-in and fee will be repaid.</source>
        <translation>很遗憾，您是锦标赛“%1”最后报名的玩家之一，
为确保每张锦标赛牌桌恰好有四名玩家，您的报名已被取消。您的买入和手续费将被退还。</translation>
    </message>
    <message>
        <source>You have been unregistered from tournament &apos;%1&apos; because you were offline when the registration closed.</source>
        <translation>由于报名截止时您处于离线状态，您在锦标赛“%1”的报名已被取消。</translation>
    </message>
    <message>
        <source>A server error occurred during tournament %1 and the tournament was aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>锦标赛 %1 期间服务器发生错误，锦标赛已中止。
有关奖池分配的详情，请查看锦标赛规则。</translation>
    </message>
    <message>
        <source>This is you</source>
        <translation>这是您</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>添加为好友</translation>
    </message>
    <message>
        <source>Friend is offline</source>
        <translation>好友已离线</translation>
    </message>
    <message>
        <source>Friend is only playing at this table</source>
        <translation>好友只在此牌桌游戏</translation>
    </message>
    <message>
        <source>Friend is not playing</source>
        <translation>好友未在游戏</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>锦标赛</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>好友</translation>
    </message>
    <message>
        <source>Game Guide</source>
        <translation>游戏指南</translation>
    </message>
    <message>
        <source>You should have a resolution of at least 1024x768, you currently have %1x%2</source>
        <translation>分辨率至少应为 1024x768，您当前为 %1x%2</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>页面不可用</translation>
    </message>
    <message>
        <source>This page is not available at the moment. Please try again later.</source>
        <translation>此页面目前不可用，请稍后再试。</translation>
    </message>
    <message>
        <source>Do you want to rejoin %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>要重新加入 %1 吗？</translation>
    </message>
    <message>
        <source>Do you want to continue watching %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>要继续观战 %1 吗？</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>观战 %1</translation>
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
        <translation>过</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Choose Meld</source>
        <translation>吃碰杠</translation>
    </message>
    <message>
        <source>Rob the Kong</source>
        <translation>抢杠</translation>
    </message>
    <message>
        <source>Replace tiles</source>
        <translation>补花</translation>
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
        <translation>杠</translation>
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
    <name>PlayerDb</name>
    <message>
        <source>Not connected to the server</source>
        <translation>未连接到服务器</translation>
    </message>
</context>
<context>
    <name>PlayerInactiveWidget</name>
    <message>
        <source>Player inactive</source>
        <translation>长时间未操作</translation>
    </message>
    <message>
        <source>You  have been inactive, and will therefore automatically stand down. Please press reactivate to regain control.</source>
        <translation>您长时间未操作，因此将自动退出行牌。请按“重新激活”以恢复控制。</translation>
    </message>
    <message>
        <source>Reactivate</source>
        <translation>重新激活</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message numerus="yes">
        <source>%nwins</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation>
            <numerusform>胜</numerusform>
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
        <translation>在下方修改设置，更改将立即生效。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Only applicable on MCR rules</source>
        <translation>仅适用于国标麻将规则</translation>
    </message>
    <message>
        <source>Auto replace bonus tiles</source>
        <translation>自动补花</translation>
    </message>
    <message>
        <source>Auto-close score dialogs</source>
        <translation>自动关闭计分窗口</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Show full wall</source>
        <translation>显示完整牌墙</translation>
    </message>
    <message>
        <source>Show table invites</source>
        <translation>显示牌桌邀请</translation>
    </message>
    <message>
        <source>Controls if the last drawn tile may be discarded by clicking on the table</source>
        <translation>是否可以点击牌桌打出最后摸到的牌</translation>
    </message>
    <message>
        <source>Click table to discard tile</source>
        <translation>点击牌桌打牌</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Choose avatar...</source>
        <translation>选择头像...</translation>
    </message>
    <message>
        <source>Tile graphics</source>
        <translation>牌面图案</translation>
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
        <translation>下一局开始时是否自动关闭计分窗口</translation>
    </message>
</context>
<context>
    <name>RoundScoreBoard</name>
    <message>
        <source>Tournament 1</source>
        <translation>锦标赛 1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>第 1 轮</translation>
    </message>
    <message>
        <source>Round %L1/%L2</source>
        <translation>第 %L1/%L2 轮</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本轮结果</translation>
    </message>
    <message>
        <source>Round %L1</source>
        <translation>第 %L1 轮</translation>
    </message>
</context>
<context>
    <name>RoundScoreWidget</name>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Mahjong points:</source>
        <translation>麻将分数：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Round results:</source>
        <translation>本轮结果：</translation>
    </message>
    <message>
        <source>Tournament points:</source>
        <translation>锦标赛积分：</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Round balance:</source>
        <translation>本轮收支：</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Scores</source>
        <translation>计分</translation>
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
        <translation>宝牌指示牌／杠宝牌指示牌</translation>
    </message>
    <message>
        <source>Ura dora tiles</source>
        <translation>里宝牌指示牌</translation>
    </message>
    <message>
        <source>Next hand starts in:</source>
        <translation>下一局开始倒计时：</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>准备就绪</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
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
        <translation>役满：</translation>
    </message>
    <message>
        <source>Bonus points:</source>
        <translation>奖励分：</translation>
    </message>
    <message>
        <source>Hand Score</source>
        <translation>牌型得分</translation>
    </message>
    <message>
        <source>Settlement</source>
        <translation>结算</translation>
    </message>
    <message>
        <source>Current Score</source>
        <translation>当前得分</translation>
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
        <translation>再玩一场 (%1)</translation>
    </message>
    <message>
        <source>Ready hand</source>
        <translation>听牌</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>Classic and Hong Kong</comment>
        <translation>满贯：</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>MCR</comment>
        <translation>88番、64番：</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本轮结果</translation>
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
        <translation>门前荣和</translation>
    </message>
    <message>
        <source>Self-drawn</source>
        <translation>自摸</translation>
    </message>
    <message>
        <source>Exposed pung of simples</source>
        <translation>中张明刻</translation>
    </message>
    <message>
        <source>Concealed pung of simples</source>
        <translation>中张暗刻</translation>
    </message>
    <message>
        <source>Exposed pung of terminals or honours</source>
        <translation>幺九明刻</translation>
    </message>
    <message>
        <source>Concealed pung of terminals or honours</source>
        <translation>幺九暗刻</translation>
    </message>
    <message>
        <source>Exposed kong of simples</source>
        <translation>中张明杠</translation>
    </message>
    <message>
        <source>Concealed kong of simples</source>
        <translation>中张暗杠</translation>
    </message>
    <message>
        <source>Exposed kong of terminals or honours</source>
        <translation>幺九明杠</translation>
    </message>
    <message>
        <source>Concealed kong of terminals or honours</source>
        <translation>幺九暗杠</translation>
    </message>
    <message>
        <source>Pair of dragons</source>
        <translation>三元牌对子</translation>
    </message>
    <message>
        <source>Pair of seat wind</source>
        <translation>门风对子</translation>
    </message>
    <message>
        <source>Pair of prevalent wind</source>
        <translation>圈风对子</translation>
    </message>
    <message>
        <source>Edge wait</source>
        <translation>边张</translation>
    </message>
    <message>
        <source>Closed wait</source>
        <translation>嵌张</translation>
    </message>
    <message>
        <source>Pair wait</source>
        <translation>单钓</translation>
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
        <translation>两立直</translation>
    </message>
    <message>
        <source>Ippatsu</source>
        <translation>一发</translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <translation>门前清自摸</translation>
    </message>
    <message>
        <source>Pinfu</source>
        <translation>平和</translation>
    </message>
    <message>
        <source>All simples</source>
        <translation>断幺九</translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <translation>一杯口</translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <translation>箭刻</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>门风</translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <translation>圈风</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation>抢杠</translation>
    </message>
    <message>
        <source>After a kong</source>
        <translation>杠上开花</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <translation>海底摸月</translation>
    </message>
    <message>
        <source>Last discard</source>
        <translation>河底捞鱼</translation>
    </message>
    <message>
        <source>Mixed triple chow</source>
        <translation>三色同顺</translation>
    </message>
    <message>
        <source>Pure straight</source>
        <translation>一气通贯</translation>
    </message>
    <message>
        <source>Outside hand</source>
        <translation>混全带幺九</translation>
    </message>
    <message>
        <source>All pungs</source>
        <translation>对对和</translation>
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
        <translation>三杠子</translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <translation>七对子</translation>
    </message>
    <message>
        <source>All terminals and honours</source>
        <translation>混老头</translation>
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
        <translation>二杯口</translation>
    </message>
    <message>
        <source>Terminals in all sets</source>
        <translation>纯全带幺九</translation>
    </message>
    <message>
        <source>Full flush</source>
        <translation>清一色</translation>
    </message>
    <message>
        <source>Dora</source>
        <translation>宝牌</translation>
    </message>
    <message>
        <source>Ura dora</source>
        <translation>里宝牌</translation>
    </message>
    <message>
        <source>Red five</source>
        <translation>赤宝牌</translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <translation>十三幺</translation>
    </message>
    <message>
        <source>Nine gates</source>
        <translation>九莲宝灯</translation>
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
        <translation>清老头</translation>
    </message>
    <message>
        <source>All green</source>
        <translation>绿一色</translation>
    </message>
    <message>
        <source>Four kongs</source>
        <translation>四杠子</translation>
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
        <translation>累计役满</translation>
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
        <translation>花牌齐全</translation>
    </message>
    <message>
        <source>All seasons</source>
        <translation>季牌齐全</translation>
    </message>
    <message>
        <source>Riichi sticks</source>
        <translation>立直棒</translation>
    </message>
    <message>
        <source>Counter sticks</source>
        <translation>本场棒</translation>
    </message>
    <message>
        <source>UNKNOWN SCORE NAME</source>
        <translation>未知的符项</translation>
    </message>
    <message>
        <source>UNKNOWN DOUBLE NAME</source>
        <translation>未知的番种</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <translation>未知的役满</translation>
    </message>
    <message>
        <source>UNKNOWN BONUS NAME</source>
        <translation>未知的奖励项</translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <comment>Chinese rule sets</comment>
        <translation>不求人</translation>
    </message>
    <message>
        <source>After a kong</source>
        <comment>Chinese rule sets</comment>
        <translation>杠上开花</translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <comment>Chinese rule sets</comment>
        <translation>十三幺</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <comment>MCR</comment>
        <translation>妙手回春</translation>
    </message>
    <message>
        <source>Last discard</source>
        <comment>MCR</comment>
        <translation>海底捞月</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>Classic and Hong Kong</comment>
        <translation>未知的满贯</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>MCR</comment>
        <translation>未知的番种</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <comment>Classic and Hong Kong</comment>
        <translation>海底捞月</translation>
    </message>
    <message>
        <source>All pungs</source>
        <comment>MCR</comment>
        <translation>碰碰和</translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <comment>MCR</comment>
        <translation>七对</translation>
    </message>
    <message>
        <source>All simples</source>
        <comment>MCR</comment>
        <translation>断幺</translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <comment>MCR</comment>
        <translation>箭刻</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <comment>MCR</comment>
        <translation>门风刻</translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <comment>MCR</comment>
        <translation>圈风刻</translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <comment>MCR</comment>
        <translation>一般高</translation>
    </message>
    <message>
        <source>Mixed triple chow</source>
        <comment>MCR</comment>
        <translation>三色三同顺</translation>
    </message>
    <message>
        <source>Pure straight</source>
        <comment>MCR</comment>
        <translation>清龙</translation>
    </message>
    <message>
        <source>Outside hand</source>
        <comment>MCR</comment>
        <translation>全带幺</translation>
    </message>
    <message>
        <source>Triple pung</source>
        <comment>MCR</comment>
        <translation>三同刻</translation>
    </message>
    <message>
        <source>Three kongs</source>
        <comment>MCR</comment>
        <translation>三杠</translation>
    </message>
    <message>
        <source>All terminals and honours</source>
        <comment>MCR</comment>
        <translation>混幺九</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <comment>MCR</comment>
        <translation>抢杠和</translation>
    </message>
    <message>
        <source>All terminals</source>
        <comment>MCR</comment>
        <translation>清幺九</translation>
    </message>
    <message>
        <source>Four kongs</source>
        <comment>MCR</comment>
        <translation>四杠</translation>
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
            <numerusform>您将在 %Ln 秒后失去此牌桌的座位</numerusform>
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
        <translation>规则：</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>下注：</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高赢取：</translation>
    </message>
    <message>
        <source>Place bonus:</source>
        <translation>名次奖励：</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>点炮罚分：</translation>
    </message>
    <message>
        <source>Number of players:</source>
        <translation>玩家人数：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>If you discard the winning tile, you will pay the feeding penalty.</source>
        <translation>如果您点炮，您将支付点炮罚分。</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
    </message>
</context>
<context>
    <name>SetScreennameDialog</name>
    <message>
        <source>Set screen name</source>
        <translation>设置昵称</translation>
    </message>
    <message>
        <source>Please enter new screen name.</source>
        <translation>请输入新的昵称。</translation>
    </message>
    <message>
        <source>This name will be shown to other players. Please be careful when choosing your screen name as we do not allow changes for security reasons.</source>
        <translation>此名称将显示给其他玩家。出于安全原因，昵称设置后不能更改，请谨慎选择。</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>SideBar</name>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
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
        <translation>牌局编号：%1</translation>
    </message>
    <message>
        <source>Round %L1 of %L2</source>
        <translation>第 %L1/%L2 轮</translation>
    </message>
    <message>
        <source>No round playing</source>
        <translation>当前没有进行中的轮次</translation>
    </message>
    <message>
        <source>now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Round ends in %1</source>
        <translation>本轮结束倒计时：%1</translation>
    </message>
    <message>
        <source>1st player is East</source>
        <translation>第 1 位玩家为东家</translation>
    </message>
    <message>
        <source>2nd player is East</source>
        <translation>第 2 位玩家为东家</translation>
    </message>
    <message>
        <source>3rd player is East</source>
        <translation>第 3 位玩家为东家</translation>
    </message>
    <message>
        <source>4th player is East</source>
        <translation>第 4 位玩家为东家</translation>
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
        <translation>第 %L1 轮</translation>
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
        <translation>%L2/%L3 名玩家已入座</translation>
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
        <translation>东风圈</translation>
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
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>国标</translation>
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
        <translation>关西三麻</translation>
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
        <translation>%1麻将（麻将竞赛规则）</translation>
    </message>
    <message numerus="yes">
        <source>%Ln second(s)</source>
        <translation>
            <numerusform>%Ln 秒</numerusform>
        </translation>
    </message>
    <message>
        <source> east only game</source>
        <translation> 东风圈</translation>
    </message>
</context>
<context>
    <name>TableInvitationDialog</name>
    <message>
        <source>Table invitation</source>
        <translation>牌桌邀请</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>观战</translation>
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
        <translation>您想玩一场免费的 %L1 人 %2%3吗？</translation>
    </message>
    <message>
        <source>Would you like to play a %1 %L2-player %3%4?</source>
        <translation>您想玩一场 %1 的 %L2 人 %3%4吗？</translation>
    </message>
</context>
<context>
    <name>TableInviteDialog</name>
    <message>
        <source>Invite players</source>
        <translation>邀请玩家</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>邀请</translation>
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
    <name>TablePreview</name>
    <message>
        <source>Please, choose a table in the list to your left!</source>
        <translation>请在左侧列表中选择一张牌桌！</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最高赢取：</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>观战</translation>
    </message>
    <message>
        <source>Reserved:</source>
        <translation>预留：</translation>
    </message>
    <message>
        <source>Game duration:</source>
        <translation>游戏时长：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Payout/Place Bonus:</source>
        <translation>奖金／名次奖励：</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score. Players are ranked by score to get or pay place bonus. See table on the right.</source>
        <translation>奖池按最终得分分配给玩家。玩家按得分排名，获得或支付名次奖励。见右侧表格。</translation>
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
        <translation>奖金：</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>点炮罚分：</translation>
    </message>
    <message>
        <source>Winner takes it all.</source>
        <translation>赢家通吃。</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score.</source>
        <translation>奖池按最终得分分配给玩家。</translation>
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
            <numerusform>%1（最大损失，在 %n 分或更低时）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation>
            <numerusform>%1（最大损失，在 -%n 分或更低时）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Max loss)</source>
        <translation>%1（最大损失）</translation>
    </message>
    <message>
        <source>%1-%2 min</source>
        <translation>%1-%2 分钟</translation>
    </message>
    <message>
        <source>(%1 to the pot)</source>
        <translation>（%1 进入奖池）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for feeding penalty.)</source>
        <translation>（%1 进入奖池，%2 预留给点炮罚分。）</translation>
    </message>
    <message>
        <source>(%1 to the pot.)</source>
        <translation>（%1 进入奖池。）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for place bonus.)</source>
        <translation>（%1 进入奖池，%2 预留给名次奖励。）</translation>
    </message>
    <message>
        <source>Winner takes it all. Player discarding winning tile pays feeding penalty.</source>
        <translation>赢家通吃。点炮的玩家支付点炮罚分。</translation>
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
        <translation>番数</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>点炮</translation>
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
        <translation>（练习）</translation>
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
    <name>TournamentDetailDialog</name>
    <message>
        <source>Tournament is removed</source>
        <translation>锦标赛已被移除</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Round information</source>
        <translation>轮次信息</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>报名</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消报名</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状态：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>买入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>奖池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>规则：%1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message>
        <source>Registered players: %1</source>
        <translation>已报名玩家：%1</translation>
    </message>
    <message>
        <source>Registration closes: %1</source>
        <translation>报名截止：%1</translation>
    </message>
    <message>
        <source>Minimum players: %1</source>
        <translation>最少玩家数：%1</translation>
    </message>
    <message>
        <source>Maximum players: %1</source>
        <translation>最多玩家数：%1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休息：%1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>开始倒计时：%1</translation>
    </message>
    <message>
        <source>Starts in: -</source>
        <translation>开始倒计时：-</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>第 %1 轮</translation>
    </message>
    <message>
        <source>Next break in: %1</source>
        <translation>下次休息倒计时：%1</translation>
    </message>
    <message>
        <source>Ends in: %1</source>
        <translation>结束倒计时：%1</translation>
    </message>
    <message>
        <source>Next round in: %1</source>
        <translation>下一轮倒计时：%1</translation>
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
        <translation>奖金结构</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>牌桌</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>观战</translation>
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
    <name>TournamentPreview</name>
    <message>
        <source>Please, choose a tournament in the list to your left!</source>
        <translation>请在左侧列表中选择一个锦标赛！</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>报名</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>取消报名</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>锦标赛</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状态：%1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>买入：%1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>奖池：%1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>规则：%1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休息：%1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>已报名玩家：%1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>开始倒计时：%1</translation>
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
        <translation>失败</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>余额不足</translation>
    </message>
    <message>
        <source>Tournament is full</source>
        <translation>锦标赛已满</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>拒绝访问</translation>
    </message>
    <message>
        <source>Already Registered</source>
        <translation>已报名</translation>
    </message>
    <message>
        <source>Tournament is running</source>
        <translation>锦标赛正在进行</translation>
    </message>
    <message>
        <source>Register for tournament</source>
        <translation>报名锦标赛</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the tournament.
Do you want to make a deposit now?</source>
        <translation>您的账户余额不足，无法参加锦标赛。
要现在充值吗？</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; is full</source>
        <translation>锦标赛“%1”已满</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; has already started</source>
        <translation>锦标赛“%1”已经开始</translation>
    </message>
    <message>
        <source>Registration for &apos;%1&apos; failed</source>
        <translation>报名“%1”失败</translation>
    </message>
    <message>
        <source>Unregister from tournament</source>
        <translation>取消锦标赛报名</translation>
    </message>
    <message>
        <source>Unregister from tournament failed!
%1</source>
        <translation>取消锦标赛报名失败！
%1</translation>
    </message>
    <message>
        <source>You have to make at least one real money deposit before playing &apos;%1&apos;.
Do you want to make a deposit now?</source>
        <translation>参加“%1”之前，您必须至少进行一次真钱充值。
要现在充值吗？</translation>
    </message>
    <message>
        <source>To play &apos;%1&apos; you have to</source>
        <translation>要参加“%1”，您必须</translation>
    </message>
    <message>
        <source>deposit money</source>
        <translation>充值</translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyModel</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>买入</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>奖池</translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyView</name>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
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
        <translation>国标</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>买入</translation>
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
        <translation>练习</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation>about:blank</translation>
    </message>
    <message>
        <source>View all available tournaments</source>
        <translation>查看所有可用锦标赛</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
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
    <message>
        <source>now</source>
        <translation>现在</translation>
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
        <translation>离开牌桌</translation>
    </message>
    <message>
        <source>Invite players</source>
        <translation>邀请玩家</translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation>
            <numerusform>正在等待 %n 名玩家加入牌桌。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WashoutWidget</name>
    <message>
        <source>Next hand starts in:</source>
        <translation>下一局开始倒计时：</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>准备就绪</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>本轮结果</translation>
    </message>
</context>
<context>
    <name>WashoutWindow</name>
    <message>
        <source>Nine honors or terminals.</source>
        <translation>九种九牌。</translation>
    </message>
    <message>
        <source>Four kongs.</source>
        <translation>四杠散了。</translation>
    </message>
    <message>
        <source>Same wind discard.</source>
        <translation>四风连打。</translation>
    </message>
    <message>
        <source>No-one declared win after all player declared riichi.</source>
        <translation>四家立直。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>准备就绪</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>下一局</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>再玩一场 (%1)</translation>
    </message>
</context>
<context>
    <name>WatchingWindowWidget</name>
    <message>
        <source>Watching</source>
        <translation>观战中</translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation>您已失去此牌桌的座位。</translation>
    </message>
    <message>
        <source>If you want to watch the game, just wait until it starts.</source>
        <translation>如果您想观战，请等待游戏开始。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>离开牌桌</translation>
    </message>
</context>
</TS>
