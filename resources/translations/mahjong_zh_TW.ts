<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AvatarDialog</name>
    <message>
        <source>Choose avatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avatar images can only be 64x64 pixels (will be scaled down if larger)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to change avatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate Avatar Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is an invalid image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatOutputWidget</name>
    <message>
        <source>(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager chat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComingEventPopup</name>
    <message>
        <source>Server will go down for maintenance in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are registered for tournament starting in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next tournament round starts in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current tournament round ends in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComingTournamentsWidget</name>
    <message>
        <source>Upcoming tournaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompactCityView</name>
    <message>
        <source>Remaining tiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompactTableItem</name>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
    </message>
</context>
<context>
    <name>ConcealedActionDialog</name>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pong to kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceView</name>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConferenceWidget</name>
    <message>
        <source>No error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve been banned from this room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The room is password protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a members only room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your nickname is already in use in this room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The room is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The room is locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The room doesn&apos;t exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lobby chat unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table chat only available to players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joined the chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left the chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2 due to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat due to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2 due to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been banned from the chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been banned from the chat due to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionManager</name>
    <message>
        <source>The game server did not answer the version handshake within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The TLS handshake with the game server did not finish within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to the game server within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateUserForm</name>
    <message>
        <source>Create New User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateUserWindow</name>
    <message>
        <source>User name must contain between %1 and %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password must contain between %1 and %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeated password doesn&apos;t match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account has been created. You can now log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&apos;m over %L1 years old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I accept the &lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;terms and conditions&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DebugDialog</name>
    <message>
        <source>Debug info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Css</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload css</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ms (min %2, max %3, mean %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rx: %1 b/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tx: %1 b/s</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptySeatWidget</name>
    <message>
        <source>Waiting for player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendDetailView</name>
    <message>
        <source>Friend Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player is seated at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendDetailWindow</name>
    <message>
        <source>Friend details for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with status &quot;%2&quot;</source>
        <extracomment>%1 is availability type, %2 is user status message</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendSearchView</name>
    <message>
        <source>Friend search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendSearchWindow</name>
    <message>
        <source>Add to friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add item to friends list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search error</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FriendsRosterModel</name>
    <message>
        <source>offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>talkative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;unknown availability&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 with status &quot;%3&quot;</source>
        <extracomment>%1 is friend name, %2 is availability type, %3 is user status message</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is friend name, %2 is availability type</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendsView</name>
    <message>
        <source>Add friends and see when they are online!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FriendsWindow</name>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove user from list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to leave table %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joined the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were kicked from the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have enough funds to play another hand.
Do you want to make a deposit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A server error occurred and the tournament will be aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A server error occurred and the game was aborted.
Your bet and fee will be repaid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were kicked from the table as the server will be unavailable due to mainenance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were kicked from the table as it will be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table has been removed from server, press Ok to go back to lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table round ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament round ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tournament round has ended, press Ok to go back to lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand ended in washout!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 declared mahjong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 declared mahjong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 and %3 declared mahjong!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepting the tournament will withdraw the buy-in from your account. If you choose to unregister from the tournament at a later time, but before the tournament starts, the buy-in will be refunded to your account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have sufficient funds in your account to play. Please deposit more money to your account to continue playing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LobbySummary</name>
    <message>
        <source>Lobby</source>
        <translation type="unfinished">大廳</translation>
    </message>
    <message>
        <source>Latest logins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players online: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables in play: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LobbyView</name>
    <message>
        <source>Lobby</source>
        <translation type="unfinished">大廳</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished">規則</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation type="unfinished">香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation type="unfinished">MCR</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished">經典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$51-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single hand</source>
        <translation type="unfinished">單局</translation>
    </message>
    <message>
        <source>A single hand without prevalent wind
Wind rotation between every hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East only</source>
        <translation type="unfinished">東風戰</translation>
    </message>
    <message>
        <source>Only the east round is played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full game</source>
        <translation type="unfinished">完整對局</translation>
    </message>
    <message>
        <source>Two or four wind rounds, depending on ruleset, are played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all available tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>You are not allowed to login, please contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to verify your email first! Please check your inbox for verification email. Contact support if problem persists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have excluded yourself from playing. Contact support if this is incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have made 6 wrong login attempts. For security reasons your account will be inactive for 10 minutes.
If you do not remember your password please reset your password and wait for 10 minutes. If you still have problems please contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your IP address is blacklisted, please contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown login failure!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;Reset password&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Close</source>
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
    <name>MainView</name>
    <message>
        <source>Corvana Mahjong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished">結束</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>TM</source>
        <comment>Trademark abbreviation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powered by Pellandor%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution too low!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should have a resolution of at least 1024x768, you currently have %L1x%L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament starts in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not fully registered and therefore not allowed to play for money.
Do you want to complete your registration now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1
Try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">錯誤</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced logout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were forcefully logged out!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished">結束</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New tournament round - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuing tournament round - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been assigned to tournament table %1. Show now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are assigned to tournament table %1. Show now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejoin Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to rejoin table %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to continue watching table %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are already seated at table %L1.
Do you want to rejoin?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allowed to join table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table In Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the table.
Do you want to make a deposit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player with the same IP address as you has already joined the table.
Please contact the support to remedy the situation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not allowed to play on money tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not allowed to play, server will be unavailable due to maintenance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not allowed to play, the table will soon be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table not accessible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join game failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to join game.
Please try again in a little while.
If problem persists please contact support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfortunately you were among the last players to register for tournament &apos;%1&apos; and you have been
 unregistered to make sure every tournament table has exactly four players. Your buy-in and fee will be repaid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been unregistered from tournament &apos;%1&apos; because you were offline when the registration closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A server error occurred during tournament %1 and the tournament was aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch table %1</source>
        <comment>%1 is table name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend is offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend is only playing at this table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend is not playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeldAuction</name>
    <message>
        <source>Mahjong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+M</source>
        <comment>Mahjong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Meld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rob the Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace tiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeldChoice</name>
    <message>
        <source>Chow Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+1</source>
        <comment>Chow Low</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chow Mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+2</source>
        <comment>Chow Mid</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chow Hi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+3</source>
        <comment>Chow Hi</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+K</source>
        <comment>Kong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+P</source>
        <comment>Pong</comment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerInactiveWidget</name>
    <message>
        <source>Player inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You  have been inactive, and will therefore automatically stand down. Please press reactivate to regain control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactivate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message numerus="yes">
        <source>%nwins</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%npts</source>
        <comment>don&apos;t include %n in translation, only used to get correct noun form</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Change your settings below, changes will take effect immediately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only applicable on MCR rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto replace bonus tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls if score dialogs are automatically closed when a new round begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-close score dialogs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show full wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show table invites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls if the last drawn tile may be discarded by clicking on the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click table to discard tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose avatar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundScoreBoard</name>
    <message>
        <source>Tournament 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %L1/%L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundScoreWidget</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mahjong points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round balance:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:nd place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:rd place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:th place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dora/kan dora tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ura dora tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next hand starts in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fans:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settlement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losing hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Base points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concealed ron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposed pung of simples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concealed pung of simples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposed pung of terminals or honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concealed pung of terminals or honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposed kong of simples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concealed kong of simples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposed kong of terminals or honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concealed kong of terminals or honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of dragons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of seat wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of prevalent wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double riichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ippatsu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinfu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All simples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed triple chow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pure straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pungs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three concealed pungs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple pung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three kongs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All terminals and honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Little three dragons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twice pure double chow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminals in all sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ura dora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine gates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four concealed pungs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big three dragons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Little four winds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big four winds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All honours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All terminals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four kongs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blessing of heaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blessing of earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted limit hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All flowers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riichi sticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter sticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNKNOWN SCORE NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNKNOWN DOUBLE NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNKNOWN BONUS NAME</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeatedWindow</name>
    <message numerus="yes">
        <source>You will automatically be unseated from this table in %Ln second(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
    </message>
</context>
<context>
    <name>SeatedWindowWidget</name>
    <message>
        <source>You have been seated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you discard the winning tile, you will pay the feeding penalty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetScreennameDialog</name>
    <message>
        <source>Set screen name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter new screen name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name will be shown to other players. Please be careful when choosing your screen name as we do not allow changes for security reasons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideBar</name>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Id: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %L1 of %L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
    </message>
    <message>
        <source>No round playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round ends in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st player is East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd player is East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd player is East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th player is East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind round %L1 of %L2</source>
        <translation type="unfinished"></translation>
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
    <name>TableInvitationDialog</name>
    <message>
        <source>Table invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to play a free %L1-player %2 %3 game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to play a %1 %L2-player %3 %4 game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableInviteDialog</name>
    <message>
        <source>Invite players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
    </message>
</context>
<context>
    <name>TablePreview</name>
    <message>
        <source>Please, choose a table in the list to your left!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout/Place Bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score. Players are ranked by score to get or pay place bonus. See table on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner takes it all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished">牌桌</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at %n point(s) or lower)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Max loss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 to the pot)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for feeding penalty.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 to the pot.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for place bonus.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner takes it all. Player discarding winning tile pays feeding penalty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished">%1</translation>
    </message>
    <message>
        <source>Paying chart (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paying chart:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-draw</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TablePreviewPlayersWidget</name>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TablePreviewWidget</name>
    <message>
        <source>-</source>
        <translation type="unfinished">-</translation>
    </message>
    <message>
        <source>(Practice)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration closes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts in: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next break in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next round in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished">玩家</translation>
    </message>
    <message>
        <source>Payout structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table(%1)</source>
        <translation type="unfinished">牌桌(%1)</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation type="unfinished">錦標賽</translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished">%1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TournamentPrizeStructureModel</name>
    <message>
        <source>#%1 - #%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TournamentRankingModel</name>
    <message>
        <source>%1/%2/%3</source>
        <translation type="unfinished">%1/%2/%3</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation type="unfinished">%1/%2</translation>
    </message>
</context>
<context>
    <name>TournamentsController</name>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already Registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register for tournament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the tournament.
Do you want to make a deposit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; has already started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration for &apos;%1&apos; failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister from tournament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregister from tournament failed!
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to make at least one real money deposit before playing &apos;%1&apos;.
Do you want to make a deposit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To play &apos;%1&apos; you have to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deposit money</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyModel</name>
    <message>
        <source>%1</source>
        <translation type="unfinished">%1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished">規則</translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished">玩家</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyView</name>
    <message>
        <source>Rules</source>
        <translation type="unfinished">規則</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation type="unfinished">香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation type="unfinished">MCR</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished">經典</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$51-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all available tournaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <comment>%1 - time to start</comment>
        <translation type="unfinished">%1</translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWidget</name>
    <message>
        <source>Waiting for players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite players</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WashoutWidget</name>
    <message>
        <source>Next hand starts in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WashoutWindow</name>
    <message>
        <source>Nine honors or terminals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four kongs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same wind discard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No-one declared win after all player declared riichi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatchingWindowWidget</name>
    <message>
        <source>Watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to watch the game, just wait until it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
