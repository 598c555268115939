<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AvatarDialog</name>
    <message>
        <source>Choose avatar</source>
        <translation>アバターの選択</translation>
    </message>
    <message>
        <source>Avatar images can only be 64x64 pixels (will be scaled down if larger)</source>
        <translation>アバター画像は 64x64 ピクセルのみです（大きい場合は縮小されます）</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>カスタム...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Failed to change avatar</source>
        <translation>アバターを変更できませんでした</translation>
    </message>
    <message>
        <source>Locate Avatar Image</source>
        <translation>アバター画像を選択</translation>
    </message>
    <message>
        <source>Image files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>The file %1 is unreadable</source>
        <translation>ファイル %1 を読み込めません</translation>
    </message>
    <message>
        <source>The file %1 is an invalid image</source>
        <translation>ファイル %1 は無効な画像です</translation>
    </message>
</context>
<context>
    <name>ChatNotices</name>
    <message>
        <source>The chat is disconnected: your account has logged in to the chat elsewhere. It does not reconnect by itself.</source>
        <translation>チャットが切断されました: お使いのアカウントが別の場所でチャットにログインしました。自動的には再接続しません。</translation>
    </message>
    <message>
        <source>The chat is disconnected: the chat server refuses your account. It does not reconnect by itself.</source>
        <translation>チャットが切断されました: チャットサーバーがお使いのアカウントを受け付けません。自動的には再接続しません。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected. Your line stays in the input.</source>
        <translation>送信されませんでした: チャットが切断されています。入力した文は入力欄に残ります。</translation>
    </message>
    <message>
        <source>Not sent: the room refused your line (%1). Your line stays in the input.</source>
        <translation>送信されませんでした: ルームに拒否されました（%1）。入力した文は入力欄に残ります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost: it is no longer in the input.</source>
        <translation>「%1」は接続が切れる前にルームに届いていました。入力欄から取り除きました。</translation>
    </message>
    <message>
        <source>Not sent: the chat is disconnected.</source>
        <translation>送信されませんでした: チャットが切断されています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; reached nobody: the chat server refused it (%2). It is back in the input.</source>
        <translation>「%1」は誰にも届きませんでした: チャットサーバーに拒否されました（%2）。入力欄に戻しました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: the room refused it (%2).</source>
        <translation>「%1」は送信されませんでした: ルームに拒否されました（%2）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not sent: you are no longer in this room.</source>
        <translation>「%1」は送信されませんでした: このルームにはもう入っていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; had reached the room before the connection was lost. Your edited text stays in the input.</source>
        <translation>「%1」は接続が切れる前にルームに届いていました。編集した文は入力欄に残ります。</translation>
    </message>
    <message>
        <source>the room is gone or takes no lines</source>
        <translation>ルームがなくなったか、発言を受け付けていません</translation>
    </message>
    <message>
        <source>no such user, or one who cannot receive it</source>
        <translation>そのユーザーはいないか、受け取れない状態です</translation>
    </message>
    <message>
        <source>the room&apos;s chat server could not be reached</source>
        <translation>ルームのチャットサーバーに接続できませんでした</translation>
    </message>
    <message>
        <source>the user&apos;s chat server could not be reached</source>
        <translation>相手のチャットサーバーに接続できませんでした</translation>
    </message>
    <message>
        <source>you may not speak there</source>
        <translation>このルームでは発言できません</translation>
    </message>
    <message>
        <source>you may not write to this user</source>
        <translation>このユーザーには送信できません</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>宛先が正しくありません</translation>
    </message>
    <message>
        <source>for a reason the client does not know</source>
        <translation>理由は不明です</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a refused line&apos;s reason, then the chat server&apos;s own words on it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it cannot be handled at the moment</source>
        <translation>一時的に処理できません</translation>
    </message>
    <message>
        <source>the room&apos;s rules do not allow it</source>
        <translation>ルームのルールで認められていません</translation>
    </message>
    <message>
        <source>the chat server&apos;s rules do not allow it</source>
        <translation>チャットサーバーのルールで認められていません</translation>
    </message>
    <message>
        <source>Perhaps not sent: the chat was disconnected before the chat server confirmed your line. Your line stays in the input.</source>
        <translation>送信されなかったかもしれません: チャットサーバーが確認する前にチャットが切断されました。入力した文は入力欄に残ります。</translation>
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
        <translation>%1 %2: %3（送信中…）</translation>
    </message>
</context>
<context>
    <name>ChatWindow</name>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Manager chat</source>
        <translation>管理者チャット</translation>
    </message>
    <message>
        <source>The chat is back.</source>
        <translation>チャットが再接続されました。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It tries to reconnect by itself.</source>
        <translation>チャットが切断されました。自動的に再接続を試みます。</translation>
    </message>
</context>
<context>
    <name>ComingEventPopup</name>
    <message>
        <source>Server will go down for maintenance in %1</source>
        <translation>サーバーは %1 後にメンテナンスのため停止します</translation>
    </message>
    <message>
        <source>You are registered for tournament starting in %1</source>
        <translation>登録済みのトーナメントが %1 後に始まります</translation>
    </message>
    <message>
        <source>Next tournament round starts in %1</source>
        <translation>トーナメントの次のラウンドが %1 後に始まります</translation>
    </message>
    <message>
        <source>Current tournament round ends in %1</source>
        <translation>トーナメントの現在のラウンドが %1 後に終わります</translation>
    </message>
</context>
<context>
    <name>ComingTournamentsWidget</name>
    <message>
        <source>Upcoming tournaments</source>
        <translation>開催予定のトーナメント</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>登録取消</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>CompactCityView</name>
    <message>
        <source>Remaining tiles</source>
        <translation>残り牌</translation>
    </message>
</context>
<context>
    <name>CompactTableItem</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>ルール:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Buy-in:</source>
        <translation>参加費:</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最大獲得額:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>プレイヤー:</translation>
    </message>
</context>
<context>
    <name>ConcealedActionDialog</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>リーチ</translation>
    </message>
    <message>
        <source>Kong</source>
        <translation>カン</translation>
    </message>
    <message>
        <source>Pong to kong</source>
        <translation>加槓</translation>
    </message>
    <message>
        <source>Replace flower</source>
        <translation>花牌を交換</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ConferenceView</name>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>ConferenceWidget</name>
    <message>
        <source>No error</source>
        <translation>エラーなし</translation>
    </message>
    <message>
        <source>Undefined error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>You&apos;ve been banned from this room</source>
        <translation>このルームから追放されています</translation>
    </message>
    <message>
        <source>The room is password protected</source>
        <translation>このルームはパスワードで保護されています</translation>
    </message>
    <message>
        <source>This is a members only room</source>
        <translation>このルームはメンバー専用です</translation>
    </message>
    <message>
        <source>Your nickname is already in use in this room</source>
        <translation>このニックネームはこのルームで既に使われています</translation>
    </message>
    <message>
        <source>The room is full</source>
        <translation>ルームは満員です</translation>
    </message>
    <message>
        <source>The room is locked</source>
        <translation>ルームはロックされています</translation>
    </message>
    <message>
        <source>The room doesn&apos;t exist</source>
        <translation>ルームが存在しません</translation>
    </message>
    <message>
        <source>Lobby chat unavailable</source>
        <translation>ロビーチャットは利用できません</translation>
    </message>
    <message>
        <source>Table chat only available to players</source>
        <translation>テーブルチャットはプレイヤーのみ利用できます</translation>
    </message>
    <message>
        <source>%1 joined the chat</source>
        <translation>%1 がチャットに参加しました</translation>
    </message>
    <message>
        <source>%1 left the chat</source>
        <translation>%1 がチャットから退出しました</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2</source>
        <translation>%1 は %2 によってチャットから退出させられました</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat by %2 due to %3</source>
        <extracomment>%1 is the user&apos;s nick, %2 the one who kicked, %3 is the reason the room gives</extracomment>
        <translation>%1 は %2 によってチャットから退出させられました（理由: %3）</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat</source>
        <translation>%1 はチャットから退出させられました</translation>
    </message>
    <message>
        <source>%1 has been kicked from the chat due to %2</source>
        <extracomment>%1 is the user&apos;s nick, %2 is the reason the room gives</extracomment>
        <translation>%1 はチャットから退出させられました（理由: %2）</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2</source>
        <translation>%1 は %2 によってチャットから追放されました</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat by %2 due to %3</source>
        <extracomment>%1 is the user&apos;s nick, %2 the one who banned, %3 is the reason the room gives</extracomment>
        <translation>%1 は %2 によってチャットから追放されました（理由: %3）</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat</source>
        <translation>%1 はチャットから追放されました</translation>
    </message>
    <message>
        <source>%1 has been banned from the chat due to %2</source>
        <extracomment>%1 is the user&apos;s nick, %2 is the reason the room gives</extracomment>
        <translation>%1 はチャットから追放されました（理由: %2）</translation>
    </message>
    <message>
        <source>The chat is back.</source>
        <translation>チャットが再接続されました。</translation>
    </message>
    <message>
        <source>The chat is disconnected. It is joined again when the connection is back.</source>
        <translation>チャットが切断されました。接続が戻ると自動的に再参加します。</translation>
    </message>
    <message>
        <source>You may read this room, but not speak in it.</source>
        <translation>このルームでは閲覧のみできます。発言はできません。</translation>
    </message>
    <message>
        <source>You may speak in this room again.</source>
        <translation>このルームで再び発言できるようになりました。</translation>
    </message>
    <message>
        <source>You may no longer speak in this room.</source>
        <translation>このルームでは発言できなくなりました。</translation>
    </message>
    <message>
        <source>This chat room has been closed.</source>
        <translation>このルームは閉鎖されました。</translation>
    </message>
    <message>
        <source>This chat room has been closed: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>このルームは閉鎖されました（理由: %1）</translation>
    </message>
    <message>
        <source>You may speak in this room again: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>このルームで再び発言できるようになりました（理由: %1）</translation>
    </message>
    <message>
        <source>You may no longer speak in this room: %1</source>
        <extracomment>%1 is the reason the room gives, in its own words</extracomment>
        <translation>このルームでは発言できなくなりました（理由: %1）</translation>
    </message>
    <message>
        <source>Lines said while the chat was disconnected may be missing: the room keeps only its latest lines.</source>
        <translation>チャットが切断されていた間の発言が一部欠けている可能性があります。ルームには最新の発言しか残りません。</translation>
    </message>
</context>
<context>
    <name>ConnectionManager</name>
    <message>
        <source>The game server did not answer the version handshake within %1 seconds.</source>
        <translation>ゲームサーバーが %1 秒以内にバージョン確認に応答しませんでした。</translation>
    </message>
    <message>
        <source>The TLS handshake with the game server did not finish within %1 seconds.</source>
        <translation>ゲームサーバーとの TLS ハンドシェイクが %1 秒以内に終わりませんでした。</translation>
    </message>
    <message>
        <source>Could not connect to the game server within %1 seconds.</source>
        <translation>%1 秒以内にゲームサーバーに接続できませんでした。</translation>
    </message>
</context>
<context>
    <name>CreateUserForm</name>
    <message>
        <source>Create New User</source>
        <translation>新規ユーザー作成</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Repeat Password</source>
        <translation>パスワード（確認）</translation>
    </message>
    <message>
        <source>Create User</source>
        <translation>ユーザー作成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CreateUserWindow</name>
    <message>
        <source>User name must contain between %1 and %2 characters</source>
        <translation>ユーザー名は %1～%2 文字にしてください</translation>
    </message>
    <message>
        <source>Password must contain between %1 and %2 characters</source>
        <translation>パスワードは %1～%2 文字にしてください</translation>
    </message>
    <message>
        <source>Repeated password doesn&apos;t match</source>
        <translation>確認用パスワードが一致しません</translation>
    </message>
    <message>
        <source>Register User</source>
        <translation>ユーザー登録</translation>
    </message>
    <message>
        <source>Your account has been created. You can now log in.</source>
        <translation>アカウントを作成しました。ログインできます。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>I&apos;m over %L1 years old</source>
        <translation>%L1 歳以上です</translation>
    </message>
    <message>
        <source>I accept the &lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;terms and conditions&lt;/a&gt;</source>
        <translation>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/terms&quot;&gt;利用規約&lt;/a&gt;に同意します</translation>
    </message>
</context>
<context>
    <name>DebugDialog</name>
    <message>
        <source>Debug info</source>
        <translation>デバッグ情報</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Game:</source>
        <translation>ゲーム:</translation>
    </message>
    <message>
        <source>Css</source>
        <translation>CSS</translation>
    </message>
    <message>
        <source>Reload css</source>
        <translation>CSS を再読み込み</translation>
    </message>
    <message>
        <source>%1ms (min %2, max %3, mean %4)</source>
        <translation>%1ms（最小 %2、最大 %3、平均 %4）</translation>
    </message>
    <message>
        <source>rx: %1 b/s</source>
        <translation>受信: %1 b/s</translation>
    </message>
    <message>
        <source>tx: %1 b/s</source>
        <translation>送信: %1 b/s</translation>
    </message>
</context>
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
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
</context>
<context>
    <name>EmptySeatWidget</name>
    <message>
        <source>Waiting for player</source>
        <translation>プレイヤー待ち</translation>
    </message>
</context>
<context>
    <name>ExternalBrowser</name>
    <message>
        <source>Page not opened</source>
        <translation>ページを開けませんでした</translation>
    </message>
    <message>
        <source>No web browser could be started for this page.
To see it, copy its address into a web browser:

%1</source>
        <translation>このページを開くウェブブラウザーを起動できませんでした。
ページを見るには、次のアドレスをコピーして、ウェブブラウザーのアドレスバーに貼り付けてください。

%1</translation>
    </message>
</context>
<context>
    <name>FriendDetailView</name>
    <message>
        <source>Friend Details</source>
        <translation>フレンドの詳細</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Player is seated at:</source>
        <translation>着席中のテーブル:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>参加</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>観戦</translation>
    </message>
</context>
<context>
    <name>FriendDetailWindow</name>
    <message>
        <source>Friend details for %1</source>
        <translation>%1 のフレンド詳細</translation>
    </message>
    <message>
        <source>%1 with status &quot;%2&quot;</source>
        <extracomment>%1 is availability type, %2 is user status message</extracomment>
        <translation>%1（ステータス「%2」）</translation>
    </message>
</context>
<context>
    <name>FriendSearchView</name>
    <message>
        <source>Friend search results</source>
        <translation>フレンド検索結果</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>フレンドに追加</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>FriendSearchWindow</name>
    <message>
        <source>Add to friends</source>
        <translation>フレンドに追加</translation>
    </message>
    <message>
        <source>Add item to friends list</source>
        <translation>フレンドリストに追加</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Search error</source>
        <translation>検索エラー</translation>
    </message>
    <message numerus="yes">
        <source>%Ln user(s) found</source>
        <translation>
            <numerusform>%Ln 人のユーザーが見つかりました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FriendsRosterModel</name>
    <message>
        <source>offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>away</source>
        <translation>離席中</translation>
    </message>
    <message>
        <source>talkative</source>
        <translation>チャット可能</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>取り込み中</translation>
    </message>
    <message>
        <source>&lt;unknown availability&gt;</source>
        <translation>&lt;状態不明&gt;</translation>
    </message>
    <message>
        <source>%1 is %2 with status &quot;%3&quot;</source>
        <extracomment>%1 is friend name, %2 is availability type, %3 is user status message</extracomment>
        <translation>%1 は%2です（ステータス「%3」）</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is friend name, %2 is availability type</extracomment>
        <translation>%1 は%2です</translation>
    </message>
</context>
<context>
    <name>FriendsView</name>
    <message>
        <source>Add friends and see when they are online!</source>
        <translation>フレンドを追加して、オンラインかどうか確認しましょう！</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>フレンド</translation>
    </message>
    <message>
        <source>Find friend</source>
        <translation>フレンドを探す</translation>
    </message>
    <message>
        <source>Friend Details</source>
        <translation>フレンドの詳細</translation>
    </message>
</context>
<context>
    <name>FriendsWindow</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove user from list</source>
        <translation>リストからユーザーを削除</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
    <message>
        <source>%1 joined the table</source>
        <translation>%1 がテーブルに参加しました</translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation>このテーブルから離席させられました。</translation>
    </message>
    <message>
        <source>%1 left the table</source>
        <translation>%1 がテーブルを離れました</translation>
    </message>
    <message>
        <source>Kicked</source>
        <translation>退出処分</translation>
    </message>
    <message>
        <source>You were kicked from the table.</source>
        <translation>テーブルから退出させられました。</translation>
    </message>
    <message>
        <source>You do not have enough funds to play another hand.
Do you want to make a deposit now?</source>
        <translation>次の局をプレイする残高がありません。
今すぐ入金しますか？</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>サーバーエラー</translation>
    </message>
    <message>
        <source>A server error occurred and the tournament will be aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>サーバーエラーが発生したため、トーナメントは打ち切られます。
賞金の分配についてはトーナメントのルールをご確認ください。</translation>
    </message>
    <message>
        <source>A server error occurred and the game was aborted.
Your bet and fee will be repaid.</source>
        <translation>サーバーエラーが発生したため、対局は打ち切られました。
ベットと手数料は返金されます。</translation>
    </message>
    <message>
        <source>You were kicked from the table as the server will be unavailable due to mainenance.</source>
        <translation>メンテナンスのためサーバーが利用できなくなるので、テーブルから退出させられました。</translation>
    </message>
    <message>
        <source>You were kicked from the table as it will be removed.</source>
        <translation>テーブルが削除されるため、テーブルから退出させられました。</translation>
    </message>
    <message>
        <source>Table does not exist</source>
        <translation>テーブルが存在しません</translation>
    </message>
    <message>
        <source>Table has been removed from server, press Ok to go back to lobby</source>
        <translation>テーブルはサーバーから削除されました。OK を押してロビーに戻ってください</translation>
    </message>
    <message>
        <source>Table round ended</source>
        <translation>テーブルのラウンド終了</translation>
    </message>
    <message>
        <source>Tournament round ended</source>
        <translation>トーナメントのラウンド終了</translation>
    </message>
    <message>
        <source>The tournament round has ended, press Ok to go back to lobby</source>
        <translation>トーナメントのラウンドが終了しました。OK を押してロビーに戻ってください</translation>
    </message>
    <message>
        <source>Hand started</source>
        <translation>局が始まりました</translation>
    </message>
    <message>
        <source>Hand ended in washout!</source>
        <translation>流局になりました！</translation>
    </message>
    <message>
        <source>%1 declared mahjong!</source>
        <translation>%1 の和了！</translation>
    </message>
    <message>
        <source>%1 and %2 declared mahjong!</source>
        <translation>%1 と %2 の和了！</translation>
    </message>
    <message>
        <source>%1, %2 and %3 declared mahjong!</source>
        <translation>%1、%2、%3 の和了！</translation>
    </message>
    <message>
        <source>Are you sure you want to leave %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>%1 を離れてもよろしいですか？</translation>
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
    <name>JoinDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>承諾</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>トーナメント登録</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>名前: %1</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>開始: %1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>参加費: %1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>ポット: %1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>ルール: %1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>登録プレイヤー: %1</translation>
    </message>
    <message>
        <source>Accepting the tournament will withdraw the buy-in from your account. If you choose to unregister from the tournament at a later time, but before the tournament starts, the buy-in will be refunded to your account.</source>
        <translation>承諾すると参加費がアカウントから引き落とされます。トーナメント開始前に登録を取り消した場合、参加費はアカウントに返金されます。</translation>
    </message>
    <message>
        <source>You do not have sufficient funds in your account to play. Please deposit more money to your account to continue playing.</source>
        <translation>プレイに必要な残高がアカウントにありません。プレイを続けるにはアカウントに入金してください。</translation>
    </message>
</context>
<context>
    <name>LobbySummary</name>
    <message>
        <source>Lobby</source>
        <translation>ロビー</translation>
    </message>
    <message>
        <source>Latest logins:</source>
        <translation>最近のログイン:</translation>
    </message>
    <message>
        <source>Players online: %1</source>
        <translation>オンラインのプレイヤー: %1</translation>
    </message>
    <message>
        <source>Tables in play: %1</source>
        <translation>対局中のテーブル: %1</translation>
    </message>
</context>
<context>
    <name>LobbyView</name>
    <message>
        <source>Lobby</source>
        <translation>ロビー</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>リーチ</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>MCR</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>参加費</translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation>$0～$10</translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation>$11～$50</translation>
    </message>
    <message>
        <source>$51-</source>
        <translation>$51～</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>対局形式</translation>
    </message>
    <message>
        <source>Single hand</source>
        <translation>一局戦</translation>
    </message>
    <message>
        <source>A single hand without prevalent wind
Wind rotation between every hand</source>
        <translation>場風なしの一局のみ
局ごとに風が回ります</translation>
    </message>
    <message>
        <source>East only</source>
        <translation>東風戦</translation>
    </message>
    <message>
        <source>Only the east round is played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>東場のみを行います
場風あり
精算には最終得点を使います</translation>
    </message>
    <message>
        <source>Full game</source>
        <translation>フル対局</translation>
    </message>
    <message>
        <source>Two or four wind rounds, depending on ruleset, are played
Prevalent wind is used
Final score is used for settlement calculations</source>
        <translation>ルールに応じて二つまたは四つの場を行います
場風あり
精算には最終得点を使います</translation>
    </message>
    <message>
        <source>View all available tables</source>
        <translation>利用可能なテーブルをすべて表示</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
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
    <name>LoginForm</name>
    <message>
        <source>Log in to Mahjong</source>
        <translation>麻雀にログイン</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>新規登録</translation>
    </message>
    <message>
        <source>Choose language</source>
        <translation>言語の選択</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>You are not allowed to login, please contact support.</source>
        <translation>ログインが許可されていません。サポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Server error!</source>
        <translation>サーバーエラー！</translation>
    </message>
    <message>
        <source>You need to verify your email first! Please check your inbox for verification email. Contact support if problem persists.</source>
        <translation>まずメールアドレスの確認が必要です。確認メールが届いているか受信箱をご確認ください。問題が解決しない場合はサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>You have excluded yourself from playing. Contact support if this is incorrect.</source>
        <translation>プレイの自己規制を設定しています。誤りの場合はサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>You have made 6 wrong login attempts. For security reasons your account will be inactive for 10 minutes.
If you do not remember your password please reset your password and wait for 10 minutes. If you still have problems please contact support.</source>
        <translation>ログインに 6 回失敗しました。安全のため、アカウントは 10 分間使用できなくなります。
パスワードを忘れた場合は、パスワードを再設定して 10 分お待ちください。それでも問題がある場合はサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Your IP address is blacklisted, please contact support.</source>
        <translation>お使いの IP アドレスはブロックされています。サポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>Unknown login failure!</source>
        <translation>不明な理由でログインできませんでした！</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>ログイン失敗</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;Reset password&lt;/a&gt;</source>
        <translation>&lt;a style=&quot;%1&quot; href=&quot;https://www.example.com/reset-password&quot;&gt;パスワードの再設定&lt;/a&gt;</translation>
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
    <message numerus="yes">
        <source>%Ln min(s)</source>
        <translation>
            <numerusform>%Ln 分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MahjongDialog</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
    <name>MainView</name>
    <message>
        <source>Corvana Mahjong</source>
        <translation>Corvana 麻雀</translation>
    </message>
    <message>
        <source>My account</source>
        <translation>マイアカウント</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Toggle fullscreen</source>
        <translation>全画面表示の切り替え</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cashier</source>
        <translation>キャッシャー</translation>
    </message>
    <message>
        <source>Lobby chat</source>
        <translation>ロビーチャット</translation>
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
        <translation>Pellandor%1 提供</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>ウィンドウ表示</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Resolution too low!</source>
        <translation>解像度が低すぎます！</translation>
    </message>
    <message>
        <source>Local time is %1</source>
        <translation>現在時刻 %1</translation>
    </message>
    <message>
        <source>Tournament starts in: %1</source>
        <translation>トーナメント開始まで: %1</translation>
    </message>
    <message>
        <source>You have %1</source>
        <translation>残高 %1</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Join Failed</source>
        <translation>参加できませんでした</translation>
    </message>
    <message>
        <source>Tournament registration</source>
        <translation>トーナメント登録</translation>
    </message>
    <message>
        <source>You are not fully registered and therefore not allowed to play for money.
Do you want to complete your registration now?</source>
        <translation>本登録が完了していないため、リアルマネーでのプレイはできません。
今すぐ登録を完了しますか？</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>接続失敗</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1
Try again?</source>
        <translation>ゲームサーバーに接続できませんでした:
%1
再試行しますか？</translation>
    </message>
    <message>
        <source>Could not connect to the game server:
%1</source>
        <translation>ゲームサーバーに接続できませんでした:
%1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The server closed the connection</source>
        <translation>サーバーが接続を切断しました</translation>
    </message>
    <message>
        <source>Forced logout</source>
        <translation>強制ログアウト</translation>
    </message>
    <message>
        <source>You were forcefully logged out!</source>
        <translation>強制的にログアウトされました！</translation>
    </message>
    <message>
        <source>System message</source>
        <translation>システムメッセージ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>New tournament round - %1</source>
        <translation>トーナメントの新しいラウンド - %1</translation>
    </message>
    <message>
        <source>Continuing tournament round - %1</source>
        <translation>トーナメントのラウンド続行 - %1</translation>
    </message>
    <message>
        <source>You have been assigned to tournament table %1. Show now?</source>
        <translation>トーナメントのテーブル %1 に割り当てられました。今すぐ表示しますか？</translation>
    </message>
    <message>
        <source>You are assigned to tournament table %1. Show now?</source>
        <translation>トーナメントのテーブル %1 に割り当てられています。今すぐ表示しますか？</translation>
    </message>
    <message>
        <source>Rejoin Table</source>
        <translation>テーブルに再参加</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>テーブルを観戦</translation>
    </message>
    <message>
        <source>You are already seated at table %L1.
Do you want to rejoin?</source>
        <translation>既にテーブル %L1 に着席しています。
再参加しますか？</translation>
    </message>
    <message>
        <source>Not allowed to join table</source>
        <translation>テーブルへの参加は許可されていません</translation>
    </message>
    <message>
        <source>Join Error</source>
        <translation>参加エラー</translation>
    </message>
    <message>
        <source>Table Full</source>
        <translation>テーブルは満席です</translation>
    </message>
    <message>
        <source>Table In Play</source>
        <translation>テーブルは対局中です</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the table.
Do you want to make a deposit now?</source>
        <translation>テーブルに参加する残高がアカウントにありません。
今すぐ入金しますか？</translation>
    </message>
    <message>
        <source>A player with the same IP address as you has already joined the table.
Please contact the support to remedy the situation.</source>
        <translation>あなたと同じ IP アドレスのプレイヤーが既にテーブルに参加しています。
この状況を解決するにはサポートにお問い合わせください。</translation>
    </message>
    <message>
        <source>You are not allowed to play on money tables.</source>
        <translation>リアルマネーのテーブルでプレイすることは許可されていません。</translation>
    </message>
    <message>
        <source>You are not allowed to play, server will be unavailable due to maintenance.</source>
        <translation>メンテナンスのためサーバーが利用できなくなるので、プレイできません。</translation>
    </message>
    <message>
        <source>You are not allowed to play, the table will soon be removed.</source>
        <translation>テーブルがまもなく削除されるため、プレイできません。</translation>
    </message>
    <message>
        <source>Join failed.</source>
        <translation>参加できませんでした。</translation>
    </message>
    <message>
        <source>Watch Failed</source>
        <translation>観戦失敗</translation>
    </message>
    <message>
        <source>Join not allowed</source>
        <translation>参加は許可されていません</translation>
    </message>
    <message>
        <source>Watch not allowed</source>
        <translation>観戦は許可されていません</translation>
    </message>
    <message>
        <source>Table not accessible.</source>
        <translation>テーブルにアクセスできません。</translation>
    </message>
    <message>
        <source>Join game failed!</source>
        <translation>対局に参加できませんでした！</translation>
    </message>
    <message>
        <source>Failed to join game.
Please try again in a little while.
If problem persists please contact support</source>
        <translation>対局に参加できませんでした。
しばらくしてからもう一度お試しください。
問題が解決しない場合はサポートにお問い合わせください</translation>
    </message>
    <message>
        <source>Unfortunately you were among the last players to register for tournament &apos;%1&apos; and you have been
 unregistered to make sure every tournament table has exactly four players. Your buy-in and fee will be repaid.</source>
        <translation>残念ながら、あなたはトーナメント「%1」に最後に登録したプレイヤーの一人だったため、
すべてのテーブルがちょうど 4 人になるよう登録を取り消されました。参加費と手数料は返金されます。</translation>
    </message>
    <message>
        <source>You have been unregistered from tournament &apos;%1&apos; because you were offline when the registration closed.</source>
        <translation>登録締切時にオフラインだったため、トーナメント「%1」の登録を取り消されました。</translation>
    </message>
    <message>
        <source>A server error occurred during tournament %1 and the tournament was aborted.
Check tournament rules for details regarding the distribution of the prize pool.</source>
        <translation>トーナメント %1 でサーバーエラーが発生したため、トーナメントは打ち切られました。
賞金の分配についてはトーナメントのルールをご確認ください。</translation>
    </message>
    <message>
        <source>This is you</source>
        <translation>あなたです</translation>
    </message>
    <message>
        <source>Add to friends</source>
        <translation>フレンドに追加</translation>
    </message>
    <message>
        <source>Friend is offline</source>
        <translation>フレンドはオフラインです</translation>
    </message>
    <message>
        <source>Friend is only playing at this table</source>
        <translation>フレンドはこのテーブルでのみプレイしています</translation>
    </message>
    <message>
        <source>Friend is not playing</source>
        <translation>フレンドはプレイしていません</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>トーナメント</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Friends</source>
        <translation>フレンド</translation>
    </message>
    <message>
        <source>Game Guide</source>
        <translation>ゲームガイド</translation>
    </message>
    <message>
        <source>You should have a resolution of at least 1024x768, you currently have %1x%2</source>
        <translation>解像度は 1024x768 以上が必要です。現在は %1x%2 です</translation>
    </message>
    <message>
        <source>Page not available</source>
        <translation>ページは利用できません</translation>
    </message>
    <message>
        <source>This page is not available at the moment. Please try again later.</source>
        <translation>このページは現在利用できません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Do you want to rejoin %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>%1 に再参加しますか？</translation>
    </message>
    <message>
        <source>Do you want to continue watching %1?</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>%1 の観戦を続けますか？</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <comment>%1 is the table&apos;s name</comment>
        <translation>%1 を観戦</translation>
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
        <translation>パス</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Choose Meld</source>
        <translation>鳴きの選択</translation>
    </message>
    <message>
        <source>Rob the Kong</source>
        <translation>槍槓</translation>
    </message>
    <message>
        <source>Replace tiles</source>
        <translation>花牌を交換</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <comment>a win on the own draw</comment>
        <translation>ツモ</translation>
    </message>
    <message>
        <source>Mahjong</source>
        <comment>a win on another player&apos;s tile</comment>
        <translation>ロン</translation>
    </message>
</context>
<context>
    <name>MeldChoice</name>
    <message>
        <source>Chow Low</source>
        <translation>チー（下）</translation>
    </message>
    <message>
        <source>Alt+1</source>
        <comment>Chow Low</comment>
        <translation>Alt+1</translation>
    </message>
    <message>
        <source>Chow Mid</source>
        <translation>チー（中）</translation>
    </message>
    <message>
        <source>Alt+2</source>
        <comment>Chow Mid</comment>
        <translation>Alt+2</translation>
    </message>
    <message>
        <source>Chow Hi</source>
        <translation>チー（上）</translation>
    </message>
    <message>
        <source>Alt+3</source>
        <comment>Chow Hi</comment>
        <translation>Alt+3</translation>
    </message>
    <message>
        <source>Kong</source>
        <translation>カン</translation>
    </message>
    <message>
        <source>Alt+K</source>
        <comment>Kong</comment>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Pong</source>
        <translation>ポン</translation>
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
    <name>PlayerDb</name>
    <message>
        <source>Not connected to the server</source>
        <translation>サーバーに接続していません</translation>
    </message>
</context>
<context>
    <name>PlayerInactiveWidget</name>
    <message>
        <source>Player inactive</source>
        <translation>操作なし</translation>
    </message>
    <message>
        <source>You  have been inactive, and will therefore automatically stand down. Please press reactivate to regain control.</source>
        <translation>操作がなかったため、自動的にプレイから退きます。操作を取り戻すには「再開」を押してください。</translation>
    </message>
    <message>
        <source>Reactivate</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
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
            <numerusform>点</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Change your settings below, changes will take effect immediately.</source>
        <translation>以下で設定を変更できます。変更はすぐに反映されます。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Only applicable on MCR rules</source>
        <translation>MCR ルールのみ</translation>
    </message>
    <message>
        <source>Auto replace bonus tiles</source>
        <translation>花牌を自動で交換</translation>
    </message>
    <message>
        <source>Auto-close score dialogs</source>
        <translation>スコア画面を自動で閉じる</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Show full wall</source>
        <translation>山をすべて表示</translation>
    </message>
    <message>
        <source>Show table invites</source>
        <translation>テーブルへの招待を表示</translation>
    </message>
    <message>
        <source>Controls if the last drawn tile may be discarded by clicking on the table</source>
        <translation>テーブルをクリックして最後に引いた牌を捨てられるかどうか</translation>
    </message>
    <message>
        <source>Click table to discard tile</source>
        <translation>テーブルをクリックして打牌</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Choose avatar...</source>
        <translation>アバターの選択...</translation>
    </message>
    <message>
        <source>Tile graphics</source>
        <translation>牌のデザイン</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>表面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>裏面</translation>
    </message>
    <message>
        <source>Controls if score dialogs are automatically closed when the next hand starts</source>
        <translation>次の局の開始時にスコア画面を自動で閉じるかどうか</translation>
    </message>
</context>
<context>
    <name>RoundScoreBoard</name>
    <message>
        <source>Tournament 1</source>
        <translation>トーナメント 1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>ラウンド 1</translation>
    </message>
    <message>
        <source>Round %L1/%L2</source>
        <translation>ラウンド %L1/%L2</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>ラウンド結果</translation>
    </message>
    <message>
        <source>Round %L1</source>
        <translation>ラウンド %L1</translation>
    </message>
</context>
<context>
    <name>RoundScoreWidget</name>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Mahjong points:</source>
        <translation>素点:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Round results:</source>
        <translation>ラウンド結果:</translation>
    </message>
    <message>
        <source>Tournament points:</source>
        <translation>トーナメントポイント:</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Round balance:</source>
        <translation>ラウンド収支:</translation>
    </message>
</context>
<context>
    <name>ScoreBoard</name>
    <message>
        <source>Scores</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Winning Hand</source>
        <translation>和了手</translation>
    </message>
    <message>
        <source>2:nd place</source>
        <translation>2 位</translation>
    </message>
    <message>
        <source>3:rd place</source>
        <translation>3 位</translation>
    </message>
    <message>
        <source>4:th place</source>
        <translation>4 位</translation>
    </message>
    <message>
        <source>Dora/kan dora tiles</source>
        <translation>ドラ／カンドラ表示牌</translation>
    </message>
    <message>
        <source>Ura dora tiles</source>
        <translation>裏ドラ表示牌</translation>
    </message>
    <message>
        <source>Next hand starts in:</source>
        <translation>次の局の開始まで:</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
    <message>
        <source>%L1</source>
        <translation>%L1</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>符:</translation>
    </message>
    <message>
        <source>Fans:</source>
        <translation>番:</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>翻:</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <translation>役満:</translation>
    </message>
    <message>
        <source>Bonus points:</source>
        <translation>ボーナス点:</translation>
    </message>
    <message>
        <source>Hand Score</source>
        <translation>手役の得点</translation>
    </message>
    <message>
        <source>Settlement</source>
        <translation>精算</translation>
    </message>
    <message>
        <source>Current Score</source>
        <translation>現在の得点</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Losing hand</source>
        <translation>和了なし</translation>
    </message>
    <message>
        <source>Winning hand</source>
        <translation>和了手</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>次の局</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>もう一度プレイ (%1)</translation>
    </message>
    <message>
        <source>Ready hand</source>
        <translation>テンパイ</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>Classic and Hong Kong</comment>
        <translation>満貫:</translation>
    </message>
    <message>
        <source>Limit hands:</source>
        <comment>MCR</comment>
        <translation>88番・64番:</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>ラウンド結果</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Base points</source>
        <translation>副底</translation>
    </message>
    <message>
        <source>Concealed ron</source>
        <translation>門前ロン</translation>
    </message>
    <message>
        <source>Self-drawn</source>
        <translation>ツモ</translation>
    </message>
    <message>
        <source>Exposed pung of simples</source>
        <translation>中張牌の明刻</translation>
    </message>
    <message>
        <source>Concealed pung of simples</source>
        <translation>中張牌の暗刻</translation>
    </message>
    <message>
        <source>Exposed pung of terminals or honours</source>
        <translation>么九牌の明刻</translation>
    </message>
    <message>
        <source>Concealed pung of terminals or honours</source>
        <translation>么九牌の暗刻</translation>
    </message>
    <message>
        <source>Exposed kong of simples</source>
        <translation>中張牌の明槓</translation>
    </message>
    <message>
        <source>Concealed kong of simples</source>
        <translation>中張牌の暗槓</translation>
    </message>
    <message>
        <source>Exposed kong of terminals or honours</source>
        <translation>么九牌の明槓</translation>
    </message>
    <message>
        <source>Concealed kong of terminals or honours</source>
        <translation>么九牌の暗槓</translation>
    </message>
    <message>
        <source>Pair of dragons</source>
        <translation>三元牌の雀頭</translation>
    </message>
    <message>
        <source>Pair of seat wind</source>
        <translation>自風の雀頭</translation>
    </message>
    <message>
        <source>Pair of prevalent wind</source>
        <translation>場風の雀頭</translation>
    </message>
    <message>
        <source>Edge wait</source>
        <translation>辺張待ち</translation>
    </message>
    <message>
        <source>Closed wait</source>
        <translation>嵌張待ち</translation>
    </message>
    <message>
        <source>Pair wait</source>
        <translation>単騎待ち</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>リーチ</translation>
    </message>
    <message>
        <source>Double riichi</source>
        <translation>ダブルリーチ</translation>
    </message>
    <message>
        <source>Ippatsu</source>
        <translation>一発</translation>
    </message>
    <message>
        <source>Fully concealed hand</source>
        <translation>門前清自摸和</translation>
    </message>
    <message>
        <source>Pinfu</source>
        <translation>平和</translation>
    </message>
    <message>
        <source>All simples</source>
        <translation>断么九</translation>
    </message>
    <message>
        <source>Pure double chow</source>
        <translation>一盃口</translation>
    </message>
    <message>
        <source>Dragon pung</source>
        <translation>役牌（三元牌）</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>自風</translation>
    </message>
    <message>
        <source>Prevalent wind</source>
        <translation>場風</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation>槍槓</translation>
    </message>
    <message>
        <source>After a kong</source>
        <translation>嶺上開花</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <translation>海底摸月</translation>
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
        <translation>一気通貫</translation>
    </message>
    <message>
        <source>Outside hand</source>
        <translation>混全帯么九</translation>
    </message>
    <message>
        <source>All pungs</source>
        <translation>対々和</translation>
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
        <translation>七対子</translation>
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
        <translation>純全帯么九</translation>
    </message>
    <message>
        <source>Full flush</source>
        <translation>清一色</translation>
    </message>
    <message>
        <source>Dora</source>
        <translation>ドラ</translation>
    </message>
    <message>
        <source>Ura dora</source>
        <translation>裏ドラ</translation>
    </message>
    <message>
        <source>Red five</source>
        <translation>赤ドラ</translation>
    </message>
    <message>
        <source>Thirteen orphans</source>
        <translation>国士無双</translation>
    </message>
    <message>
        <source>Nine gates</source>
        <translation>九蓮宝燈</translation>
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
        <translation>緑一色</translation>
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
        <translation>数え役満</translation>
    </message>
    <message>
        <source>Flower</source>
        <translation>花牌</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>季節牌</translation>
    </message>
    <message>
        <source>All flowers</source>
        <translation>花牌揃い</translation>
    </message>
    <message>
        <source>All seasons</source>
        <translation>季節牌揃い</translation>
    </message>
    <message>
        <source>Riichi sticks</source>
        <translation>リーチ棒</translation>
    </message>
    <message>
        <source>Counter sticks</source>
        <translation>積み棒</translation>
    </message>
    <message>
        <source>UNKNOWN SCORE NAME</source>
        <translation>不明な符項目</translation>
    </message>
    <message>
        <source>UNKNOWN DOUBLE NAME</source>
        <translation>不明な項目</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <translation>不明な役満</translation>
    </message>
    <message>
        <source>UNKNOWN BONUS NAME</source>
        <translation>不明なボーナス</translation>
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
        <translation>海底撈月</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>Classic and Hong Kong</comment>
        <translation>不明な満貫</translation>
    </message>
    <message>
        <source>UNKNOWN LIMIT NAME</source>
        <comment>MCR</comment>
        <translation>不明な番種</translation>
    </message>
    <message>
        <source>Last tile from the wall</source>
        <comment>Classic and Hong Kong</comment>
        <translation>海底摸月</translation>
    </message>
    <message>
        <source>All pungs</source>
        <comment>MCR</comment>
        <translation>碰碰和</translation>
    </message>
    <message>
        <source>Seven pairs</source>
        <comment>MCR</comment>
        <translation>七対</translation>
    </message>
    <message>
        <source>All simples</source>
        <comment>MCR</comment>
        <translation>断么</translation>
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
        <translation>圏風刻</translation>
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
        <translation>全帯么</translation>
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
        <translation>混么九</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <comment>MCR</comment>
        <translation>搶槓和</translation>
    </message>
    <message>
        <source>All terminals</source>
        <comment>MCR</comment>
        <translation>清么九</translation>
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
            <numerusform>%Ln 秒後にこのテーブルから自動的に離席します</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SeatedWindowWidget</name>
    <message>
        <source>You have been seated</source>
        <translation>着席しました</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>ルール:</translation>
    </message>
    <message>
        <source>Bet:</source>
        <translation>ベット:</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最大獲得額:</translation>
    </message>
    <message>
        <source>Place bonus:</source>
        <translation>順位ボーナス:</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>放銃ペナルティ:</translation>
    </message>
    <message>
        <source>Number of players:</source>
        <translation>プレイヤー数:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>If you discard the winning tile, you will pay the feeding penalty.</source>
        <translation>放銃すると、放銃ペナルティを支払います。</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
</context>
<context>
    <name>SetScreennameDialog</name>
    <message>
        <source>Set screen name</source>
        <translation>表示名の設定</translation>
    </message>
    <message>
        <source>Please enter new screen name.</source>
        <translation>新しい表示名を入力してください。</translation>
    </message>
    <message>
        <source>This name will be shown to other players. Please be careful when choosing your screen name as we do not allow changes for security reasons.</source>
        <translation>この名前は他のプレイヤーに表示されます。安全上の理由から変更はできませんので、表示名は慎重に選んでください。</translation>
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
        <translation>テーブルを離れる</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>チャット</translation>
    </message>
    <message>
        <source>x%1</source>
        <translation>x%1</translation>
    </message>
    <message>
        <source>Hand Id: %1</source>
        <translation>局番号: %1</translation>
    </message>
    <message>
        <source>Round %L1 of %L2</source>
        <translation>ラウンド %L1/%L2</translation>
    </message>
    <message>
        <source>No round playing</source>
        <translation>進行中のラウンドはありません</translation>
    </message>
    <message>
        <source>now</source>
        <translation>まもなく</translation>
    </message>
    <message>
        <source>Round ends in %1</source>
        <translation>ラウンド終了まで %1</translation>
    </message>
    <message>
        <source>1st player is East</source>
        <translation>1 番目のプレイヤーが東家</translation>
    </message>
    <message>
        <source>2nd player is East</source>
        <translation>2 番目のプレイヤーが東家</translation>
    </message>
    <message>
        <source>3rd player is East</source>
        <translation>3 番目のプレイヤーが東家</translation>
    </message>
    <message>
        <source>4th player is East</source>
        <translation>4 番目のプレイヤーが東家</translation>
    </message>
    <message>
        <source>Wind round %L1 of %L2</source>
        <translation>場 %L1/%L2</translation>
    </message>
    <message>
        <source>Wind round %L1</source>
        <translation>場 %L1</translation>
    </message>
    <message>
        <source>Round %L1</source>
        <translation>ラウンド %L1</translation>
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
        <translation>フル対局</translation>
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
        <translation> フル対局</translation>
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
        <translation>関西三麻</translation>
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
            <numerusform>%1-%n 番</numerusform>
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
    <message>
        <source> east only game</source>
        <translation> 東風戦</translation>
    </message>
</context>
<context>
    <name>TableInvitationDialog</name>
    <message>
        <source>Table invitation</source>
        <translation>テーブルへの招待</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>観戦</translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Hi %1</source>
        <translation>こんにちは、%1 さん</translation>
    </message>
    <message>
        <source>Would you like to play a free %L1-player %2%3?</source>
        <translation>無料の %L1 人 %2%3 をプレイしますか？</translation>
    </message>
    <message>
        <source>Would you like to play a %1 %L2-player %3%4?</source>
        <translation>%1 の %L2 人 %3%4 をプレイしますか？</translation>
    </message>
</context>
<context>
    <name>TableInviteDialog</name>
    <message>
        <source>Invite players</source>
        <translation>プレイヤーを招待</translation>
    </message>
    <message>
        <source>Invite</source>
        <translation>招待</translation>
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
        <translation>最大獲得額: %1</translation>
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
        <translation>最大獲得額</translation>
    </message>
</context>
<context>
    <name>TablePreview</name>
    <message>
        <source>Please, choose a table in the list to your left!</source>
        <translation>左の一覧からテーブルを選んでください！</translation>
    </message>
    <message>
        <source>Max win:</source>
        <translation>最大獲得額:</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>参加</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>観戦</translation>
    </message>
    <message>
        <source>Reserved:</source>
        <translation>確保額:</translation>
    </message>
    <message>
        <source>Game duration:</source>
        <translation>対局時間:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Payout/Place Bonus:</source>
        <translation>配当／順位ボーナス:</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score. Players are ranked by score to get or pay place bonus. See table on the right.</source>
        <translation>ポットは最終得点に応じてプレイヤーに分配されます。プレイヤーは得点順に順位付けされ、順位ボーナスを受け取るか支払います。右の表をご覧ください。</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1 位</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2 位</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3 位</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4 位</translation>
    </message>
    <message>
        <source>Payout:</source>
        <translation>配当:</translation>
    </message>
    <message>
        <source>Feeding penalty:</source>
        <translation>放銃ペナルティ:</translation>
    </message>
    <message>
        <source>Winner takes it all.</source>
        <translation>勝者総取り。</translation>
    </message>
    <message>
        <source>The pot is divided among players based on final score.</source>
        <translation>ポットは最終得点に応じてプレイヤーに分配されます。</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at %n point(s) or lower)</source>
        <translation>
            <numerusform>%1（最大損失、%n 点以下で）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (Max loss, at -%n point(s) or lower)</source>
        <translation>
            <numerusform>%1（最大損失、-%n 点以下で）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Max loss)</source>
        <translation>%1（最大損失）</translation>
    </message>
    <message>
        <source>%1-%2 min</source>
        <translation>%1～%2 分</translation>
    </message>
    <message>
        <source>(%1 to the pot)</source>
        <translation>（ポットへ %1）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for feeding penalty.)</source>
        <translation>（ポットへ %1、放銃ペナルティ用に %2 を確保。）</translation>
    </message>
    <message>
        <source>(%1 to the pot.)</source>
        <translation>（ポットへ %1。）</translation>
    </message>
    <message>
        <source>(%1 to the pot, %2 reserved for place bonus.)</source>
        <translation>（ポットへ %1、順位ボーナス用に %2 を確保。）</translation>
    </message>
    <message>
        <source>Winner takes it all. Player discarding winning tile pays feeding penalty.</source>
        <translation>勝者総取り。放銃したプレイヤーは放銃ペナルティを支払います。</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Paying chart (points):</source>
        <translation>支払い表（点）:</translation>
    </message>
    <message>
        <source>Paying chart:</source>
        <translation>支払い表:</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>番</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ロン</translation>
    </message>
    <message>
        <source>Self-draw</source>
        <translation>ツモ</translation>
    </message>
</context>
<context>
    <name>TablePreviewPlayersWidget</name>
    <message>
        <source>(empty)</source>
        <translation>（空席）</translation>
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
        <translation>%1 (手数料差引前 %2)</translation>
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
    <name>TournamentDetailDialog</name>
    <message>
        <source>Tournament is removed</source>
        <translation>トーナメントは削除されました</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Round information</source>
        <translation>ラウンド情報</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>登録取消</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状態: %1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>参加費: %1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>ポット: %1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>ルール: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>所要時間: %1</translation>
    </message>
    <message>
        <source>Registered players: %1</source>
        <translation>登録プレイヤー: %1</translation>
    </message>
    <message>
        <source>Registration closes: %1</source>
        <translation>登録締切: %1</translation>
    </message>
    <message>
        <source>Minimum players: %1</source>
        <translation>最少プレイヤー数: %1</translation>
    </message>
    <message>
        <source>Maximum players: %1</source>
        <translation>最大プレイヤー数: %1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休憩: %1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>開始まで: %1</translation>
    </message>
    <message>
        <source>Starts in: -</source>
        <translation>開始まで: -</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>ラウンド %1</translation>
    </message>
    <message>
        <source>Next break in: %1</source>
        <translation>次の休憩まで: %1</translation>
    </message>
    <message>
        <source>Ends in: %1</source>
        <translation>終了まで: %1</translation>
    </message>
    <message>
        <source>Next round in: %1</source>
        <translation>次のラウンドまで: %1</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Payout structure</source>
        <translation>賞金配分</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>テーブル</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>観戦</translation>
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
    <name>TournamentPreview</name>
    <message>
        <source>Please, choose a tournament in the list to your left!</source>
        <translation>左の一覧からトーナメントを選んでください！</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Unregister</source>
        <translation>登録取消</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>トーナメント</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Status: %1</source>
        <translation>状態: %1</translation>
    </message>
    <message>
        <source>Buy-in: %1</source>
        <translation>参加費: %1</translation>
    </message>
    <message>
        <source>Pot: %1</source>
        <translation>ポット: %1</translation>
    </message>
    <message>
        <source>Rules: %1</source>
        <translation>ルール: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <translation>所要時間: %1</translation>
    </message>
    <message>
        <source>Pauses: %1</source>
        <translation>休憩: %1</translation>
    </message>
    <message>
        <source>Registered Players: %1</source>
        <translation>登録プレイヤー: %1</translation>
    </message>
    <message>
        <source>Starts in: %1</source>
        <translation>開始まで: %1</translation>
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
        <translation>拒否</translation>
    </message>
    <message>
        <source>Insufficient Funds</source>
        <translation>残高不足</translation>
    </message>
    <message>
        <source>Tournament is full</source>
        <translation>トーナメントは満員です</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>アクセス拒否</translation>
    </message>
    <message>
        <source>Already Registered</source>
        <translation>登録済み</translation>
    </message>
    <message>
        <source>Tournament is running</source>
        <translation>トーナメントは進行中です</translation>
    </message>
    <message>
        <source>Register for tournament</source>
        <translation>トーナメントに登録</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money on your account to join the tournament.
Do you want to make a deposit now?</source>
        <translation>トーナメントに参加する残高がアカウントにありません。
今すぐ入金しますか？</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; is full</source>
        <translation>トーナメント「%1」は満員です</translation>
    </message>
    <message>
        <source>Tournament &apos;%1&apos; has already started</source>
        <translation>トーナメント「%1」は既に始まっています</translation>
    </message>
    <message>
        <source>Registration for &apos;%1&apos; failed</source>
        <translation>「%1」への登録に失敗しました</translation>
    </message>
    <message>
        <source>Unregister from tournament</source>
        <translation>トーナメントの登録を取り消す</translation>
    </message>
    <message>
        <source>Unregister from tournament failed!
%1</source>
        <translation>トーナメントの登録を取り消せませんでした！
%1</translation>
    </message>
    <message>
        <source>You have to make at least one real money deposit before playing &apos;%1&apos;.
Do you want to make a deposit now?</source>
        <translation>「%1」をプレイするには、少なくとも一度リアルマネーで入金する必要があります。
今すぐ入金しますか？</translation>
    </message>
    <message>
        <source>To play &apos;%1&apos; you have to</source>
        <translation>「%1」をプレイするには、次が必要です:</translation>
    </message>
    <message>
        <source>deposit money</source>
        <translation>入金</translation>
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
        <translation>状態</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>参加費</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>ポット</translation>
    </message>
</context>
<context>
    <name>TournamentsLobbyView</name>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Riichi</source>
        <translation>リーチ</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message>
        <source>MCR</source>
        <translation>MCR</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Buy-in</source>
        <translation>参加費</translation>
    </message>
    <message>
        <source>$0-$10</source>
        <translation>$0～$10</translation>
    </message>
    <message>
        <source>$11-$50</source>
        <translation>$11～$50</translation>
    </message>
    <message>
        <source>$51-</source>
        <translation>$51～</translation>
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
        <translation>利用可能なトーナメントをすべて表示</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索:</translation>
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
        <translation>%1 (+%2 確保)</translation>
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
    <message>
        <source>now</source>
        <translation>まもなく</translation>
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
        <translation>プレイヤー待ち</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
    <message>
        <source>Invite players</source>
        <translation>プレイヤーを招待</translation>
    </message>
</context>
<context>
    <name>WaitingForPlayersWindow</name>
    <message numerus="yes">
        <source>Waiting for %n player(s) to join table.</source>
        <translation>
            <numerusform>テーブルへの参加を %n 人待っています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WashoutWidget</name>
    <message>
        <source>Next hand starts in:</source>
        <translation>次の局の開始まで:</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Round results</source>
        <translation>ラウンド結果</translation>
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
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>次の局</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>もう一度プレイ (%1)</translation>
    </message>
</context>
<context>
    <name>WatchingWindowWidget</name>
    <message>
        <source>Watching</source>
        <translation>観戦中</translation>
    </message>
    <message>
        <source>You&apos;ve been unseated from this table.</source>
        <translation>このテーブルから離席させられました。</translation>
    </message>
    <message>
        <source>If you want to watch the game, just wait until it starts.</source>
        <translation>対局を観戦するには、開始までお待ちください。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>参加</translation>
    </message>
    <message>
        <source>Leave Table</source>
        <translation>テーブルを離れる</translation>
    </message>
</context>
</TS>
