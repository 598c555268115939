#include "testmain.h"

#include "FakeChatServer.h"
#include "contrast.h"
#include "skinstylesheets.h"
#include "connection/ConnectedManager.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "chat/ChatController.h"
#include "chat/ChatManager.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ChatWindow.h"
#include "chat/ConferenceWidget.h"
#include "chat/XMPPChatManager.h"
#include "connection/PlayerDb.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>

#include <map>
#include <optional>
#include <vector>

namespace {

class ShowCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++count;
        return false;
    }

    int count = 0;
};

// The client in the player's language for as long as it lives, then in English again.
class PlayerLanguage
{
public:
    explicit PlayerLanguage(const QString &code) : m_paths(QDir::searchPaths(QStringLiteral("translations")))
    {
        QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
        m_languages.emplace();
        m_languages->setLanguage(code);
    }
    ~PlayerLanguage()
    {
        m_languages->setLanguage(QStringLiteral("en"));
        m_languages.reset();
        QDir::setSearchPaths(QStringLiteral("translations"), m_paths);
    }

private:
    QStringList m_paths;
    std::optional<TranslationsManager> m_languages;
};

const QByteArray TableRoom = "table-5@conference.localhost";

QByteArray ownRoomPresence(const QByteArray &role, const QByteArray &reason = QByteArray())
{
    const QByteArray why = reason.isEmpty() ? QByteArray() : "<reason>" + reason + "</reason>";
    return "<presence from='" + TableRoom + "/Aiko'><x xmlns='http://jabber.org/protocol/muc#user'>"
           "<item affiliation='none' role='" + role + "'>" + why + "</item><status code='110'/></x></presence>";
}

// A line refused, as ejabberd refuses it: the error with its condition and words in
// English, the language the client's stream asks for.
QByteArray refusal(const QByteArray &from, const QByteArray &id, const QByteArray &condition, const QByteArray &words)
{
    return "<message from='" + from + "' to='1003@localhost/r1' type='error' id='" + id + "' xml:lang='en'>"
           "<error type='cancel'><" + condition + " xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/>"
           "<text xml:lang='en' xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'>" + words + "</text></error></message>";
}

} // namespace

// One-to-one chats and the notices of a room's view: routing against the scripted chat
// server, windows with the senders named by the test game server (chat-users.json:
// player 1001 is a manager).
class TestChatWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void routesByUser();
    void windowsStayForManagers();
    void ownLinesAndLostConnection();
    void refusalReasons_data();
    void refusalReasons();
    void roomNoticesInThePlayersLanguage_data();
    void roomNoticesInThePlayersLanguage();

private:
    QList<ChatWindow *> windows() const { return m_mainWindow->findChildren<ChatWindow *>(); }
    // The room view of table 5 with Aiko in the room; false when the join fails.
    bool joinTableRoom(ConferenceWidget &view, ChatController &context);
    // Confirms the next line the client sends to the address (answers the ping after
    // it); the line's id, empty when none came.
    QByteArray confirmNextLine(const QByteArray &to);

    ConnectedManager m_game;
    std::unique_ptr<PlayerDb> m_db;
    std::unique_ptr<FakeChatServer> m_server;
    std::unique_ptr<XMPPClient> m_client;
    std::unique_ptr<QWidget> m_mainWindow;
};

void TestChatWindow::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QVERIFY(m_game.start(QStringLiteral("chat-users.json")));
    m_db = std::make_unique<PlayerDb>(m_game.manager.get(), nullptr);
    m_db->setLocalPlayer(1003, QStringLiteral("Aiko"));
}

void TestChatWindow::init()
{
    m_server = std::make_unique<FakeChatServer>();
    m_client = std::make_unique<XMPPClient>();
    QVERIFY(m_server->acceptSession(*m_client, "1003@localhost/r1"));
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->resize(800, 600);
    m_mainWindow->show();
}

void TestChatWindow::cleanup()
{
    m_mainWindow.reset();
    m_client.reset();
    m_server.reset();
}

void TestChatWindow::routesByUser()
{
    XMPPChatManager manager(m_client.get());
    QSignalSpy created(&manager, &XMPPChatManager::chatCreated);
    XMPPChat *started = manager.chatWith(parseJid("1002@localhost"));
    XMPPChat *again = manager.chatWith(parseJid("1001@localhost"));
    const QRegularExpression thread("^(\\{[0-9a-f-]{36}\\})-(\\d+)$");
    const QRegularExpressionMatch first = thread.match(started->thread());
    const QRegularExpressionMatch second = thread.match(again->thread());
    QVERIFY2(first.hasMatch(), qPrintable(started->thread()));
    QCOMPARE(first.captured(2), QStringLiteral("0"));
    QCOMPARE(second.captured(1), first.captured(1));
    QCOMPARE(second.captured(2), QStringLiteral("1"));
    QCOMPARE(created.size(), 2);
    QCOMPARE(created.at(0).at(1).toBool(), true);
    // A user has one chat, whichever of his addresses it is asked for by.
    QCOMPARE(manager.chatWith(parseJid("1002@localhost/phone")), started);
    QCOMPARE(created.size(), 2);

    // A refusal from the user's resource, of a line to his bare address, reaches the chat
    // with him, the line confirmed or not.
    QSignalSpy refused(started, &XMPPChat::refused);
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(" refused the line "));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(" refused the line "));
    const QString confirmedId = started->send(QStringLiteral("are you there?"));
    QCOMPARE(confirmNextLine("1002@localhost"), confirmedId.toLatin1());
    const QString waitingId = started->send(QStringLiteral("hello?"));
    QVERIFY(!waitingId.isEmpty());
    m_server->send(refusal("1002@localhost/phone", confirmedId.toLatin1(), "service-unavailable", "gone")
                   + refusal("1002@localhost/tablet", waitingId.toLatin1(), "recipient-unavailable", "away"));
    QTRY_COMPARE(refused.size(), 2);
    QCOMPARE(refused.at(0).at(0).value<XMPPMessage>().id(), confirmedId);
    QCOMPARE(refused.at(1).at(0).value<XMPPMessage>().id(), waitingId);

    // One chat per user, whichever resource writes and whatever thread it names; a line
    // of another user in a chat's thread starts his own.
    QSignalSpy toStarted(started, &XMPPChat::message);
    m_server->send("<message from='1002@localhost/phone' type='chat'><body>reply</body></message>"
                   "<message from='1004@localhost/phone' type='chat'><body>hello</body></message>"
                   "<message from='1004@localhost/tablet' type='chat'><thread>t-9</thread><body>me again</body></message>"
                   "<message from='1005@localhost/desk' type='chat'><thread>" + started->thread().toLatin1()
                   + "</thread><body>not yours</body></message>"
                   // Typing notices and the like carry no text: no chat, no line.
                   "<message from='1006@localhost/phone' type='chat'><composing xmlns='http://jabber.org/protocol/chatstates'/></message>"
                   "<message from='lobby@conference.localhost/1004' type='groupchat'><body>room</body></message>");
    QTRY_COMPARE(created.size(), 4);
    QTest::qWait(100);
    QCOMPARE(created.size(), 4);
    QCOMPARE(toStarted.size(), 1);
    QCOMPARE(toStarted.at(0).at(0).value<XMPPMessage>().body(), QStringLiteral("reply"));
    XMPPChat *other = manager.chatFor("1004@localhost/phone");
    QVERIFY(other && manager.chatFor("1004@localhost/tablet") == other && manager.chatFor("1004@localhost") == other);
    QCOMPARE(other->jid(), QStringLiteral("1004@localhost"));
    QCOMPARE(created.at(2).at(1).toBool(), false);
    QCOMPARE(manager.chatFor("1005@localhost")->jid(), QStringLiteral("1005@localhost"));

    // A chat that is gone no longer receives; the next message starts a new one.
    delete other;
    QCOMPARE(manager.chatFor("1004@localhost/phone"), nullptr);
    m_server->send("<message from='1004@localhost/phone' type='chat'><body>anyone?</body></message>");
    QTRY_COMPARE(created.size(), 5);
}

void TestChatWindow::windowsStayForManagers()
{
    ChatManager chats(m_client.get(), m_db.get(), m_mainWindow.get());
    QPointer<ChatWindow> unsolicited;
    bool created = false;
    ShowCounter shows;
    connect(chats.chatManager(), &XMPPChatManager::chatCreated, this, [&] {
        created = true;
        unsolicited = windows().last();
        unsolicited->installEventFilter(&shows);
    });
    m_server->send("<message from='1002@localhost/phone' type='chat'><body>psst</body></message>");
    QTRY_VERIFY(created);
    QTRY_VERIFY(!unsolicited);
    QCOMPARE(shows.count, 0);
    disconnect(chats.chatManager(), nullptr, this, nullptr);
    QCOMPARE(chats.chatManager()->chatFor("1002@localhost/phone"), nullptr);

    m_server->send("<message from='1001@localhost/desk' type='chat'><thread>t-1</thread><body>Hello &lt;Aiko&gt;</body></message>");
    QTRY_COMPARE(windows().size(), 1);
    ChatWindow *window = windows().first();
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Manager chat"));
    QCOMPARE(window->pos(), QPoint(0, 0));
    auto output = window->findChild<ChatOutputWidget *>("output");
    // The manager's icon follows the nick.
    QTRY_VERIFY(output->toPlainText().endsWith(QStringLiteral("Haruto\uFFFC: Hello <Aiko>")));
    QVERIFY(output->toHtml().contains("manager:Haruto"));
    QVERIFY(window->grab().save(QTest::currentTestFunction() + QStringLiteral(".png")));

    // More lines than the pane holds: in both skins its scroll bar's arrows read on their
    // buttons and its handle stands apart from the groove, under the pane's dark ground.
    for (int line = 1; line <= 30; ++line)
        m_server->send("<message from='1001@localhost/desk' type='chat'><thread>t-1</thread><body>Line "
                       + QByteArray::number(line) + "</body></message>");
    QTRY_VERIFY(output->toPlainText().endsWith(QStringLiteral("Haruto\uFFFC: Line 30")));
    for (const QString skin : {"default", "corvana"}) {
        setupResourceSearchPaths({}, skin);
        qApp->setStyleSheet(skinStyleSheets());
        QVERIFY(!qApp->styleSheet().isEmpty());
        QTRY_VERIFY(output->verticalScrollBar()->isVisible() && output->verticalScrollBar()->maximum() > 0);
        int bars = 0;
        const QStringList unreadable = Contrast::unreadableScrollBars(window, &bars);
        QVERIFY(window->grab().save(QStringLiteral("%1-%2.png").arg(QTest::currentTestFunction(), skin)));
        QCOMPARE(bars, 1);
        QVERIFY2(unreadable.isEmpty(), qPrintable(skin + QLatin1Char(' ') + unreadable.join(QStringLiteral("; "))));
    }
    qApp->setStyleSheet(QString());
    setupResourceSearchPaths({}, QStringLiteral("default"));

    // Closing the window ends the chat.
    window->close();
    QTRY_COMPARE(windows().size(), 0);
    QCOMPARE(chats.chatManager()->chatFor("1001@localhost/desk"), nullptr);
}

void TestChatWindow::ownLinesAndLostConnection()
{
    ChatManager chats(m_client.get(), m_db.get(), m_mainWindow.get());
    chats.reqestChat(parseJid("1002@localhost"));
    QCOMPARE(windows().size(), 1);
    ChatWindow *window = windows().first();
    QVERIFY(window->isVisible());
    auto input = window->findChild<QLineEdit *>("input");
    auto output = window->findChild<ChatOutputWidget *>("output");
    const QString thread = window->chat()->thread();

    input->setText("anyone <there>?");
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(m_server->waitFor("<message from=\"1003@localhost/r1\" to=\"1002@localhost\" id=\""));
    QVERIFY(m_server->waitFor("type=\"chat\"><body>anyone &lt;there&gt;?</body><thread>" + thread.toLatin1()
                              + "</thread><origin-id xmlns=\"urn:xmpp:sid:0\" id=\""));
    QVERIFY(input->text().isEmpty());
    // Waiting until the server has it, and said once it answers the ping that follows
    // the line.
    QVERIFY(m_server->waitFor("<iq to=\"localhost\" id=\"2\" type=\"get\"><ping xmlns=\"urn:xmpp:ping\"/></iq>"));
    QTRY_VERIFY(output->toPlainText().endsWith("Aiko: anyone <there>? (sending…)"));
    m_server->send("<iq type='result' id='2' from='localhost'/>");
    QTRY_VERIFY(output->toPlainText().endsWith("Aiko: anyone <there>?"));
    QVERIFY(!output->toPlainText().contains("sending"));
    QVERIFY(output->toHtml().contains("user:Aiko"));

    // An unknown sender in a window the user opened is still shown, after the failure.
    chats.reqestChat(parseJid("1009@localhost"));
    QCOMPARE(windows().size(), 2);
    auto unknownOutput = windows().last()->findChild<ChatOutputWidget *>("output");
    m_server->send("<message from='1009@localhost/phone' type='chat'><body>yes</body></message>");
    QTRY_VERIFY(unknownOutput->toPlainText().endsWith(") 1009: yes"));
    QCOMPARE(unknownOutput->toPlainText().section('\n', -2, -2), QStringLiteral("unknown <user>"));
    QVERIFY(unknownOutput->toHtml().contains("unknown:1009"));
    // Asked for again, the chat with the user is the window there is.
    chats.reqestChat(parseJid("1009@localhost/phone"));
    QCOMPARE(windows().size(), 2);

    // The window says when the chat is gone. The server keeps no session for a
    // resumption: a line it had not confirmed may have gone or not, and comes back so.
    input->setText("one more thing");
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(m_server->waitFor("<body>one more thing</body>"));
    m_server->drop();
    QTRY_COMPARE(m_client->state(), 0);
    QTRY_VERIFY2(output->toPlainText().endsWith("\nThe chat is disconnected. It tries to reconnect by itself.\nPerhaps "
                                                "not sent: the chat was disconnected before the chat server confirmed "
                                                "your line. Your line stays in the input."),
                 qPrintable(output->toPlainText()));
    QCOMPARE(input->text(), QStringLiteral("one more thing"));

    // It keeps a line it could not send.
    const QString before = output->toPlainText();
    input->setText("still there?");
    window->findChild<QPushButton *>("send")->click();
    QTRY_COMPARE(output->toPlainText(), before + "\nNot sent: the chat is disconnected. Your line stays in the input.");
    QCOMPARE(input->text(), QStringLiteral("still there?"));
    QVERIFY(window->isVisible());

    // A login refused on the way back ends the attempts, and the window says so.
    QVERIFY(m_server->waitFor("<stream:stream", XMPPClient::ReconnectDelaysSeconds[0] * 1000 + 5000));
    m_server->sendHeader("<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>PLAIN</mechanism></mechanisms>");
    QVERIFY(m_server->waitFor("</auth>"));
    m_server->send("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/></failure>");
    QTRY_VERIFY(output->toPlainText().endsWith("\nThe chat is disconnected: the chat server refuses your account. "
                                               "It does not reconnect by itself."));
    QVERIFY(!m_client->reconnects());
}

bool TestChatWindow::joinTableRoom(ConferenceWidget &view, ChatController &context)
{
    context.setConferenceJid(QStringLiteral("conference.localhost"));
    view.setXmppContext(&context);
    view.resize(600, 300);
    view.show();
    view.setTableRoom(5);
    if (!m_server->waitFor("<presence to=\"" + TableRoom + "/Aiko\""))
        return false;
    m_server->send(ownRoomPresence("participant"));
    return QTest::qWaitFor([&view] { return view.findChild<QLineEdit *>("chatInput")->isEnabled(); });
}

QByteArray TestChatWindow::confirmNextLine(const QByteArray &to)
{
    const QRegularExpressionMatch sent = m_server->waitFor(QRegularExpression(
        "<message from=\"1003@localhost/r1\" to=\"" + QRegularExpression::escape(QString::fromLatin1(to))
            + "\" id=\"([^\"]+)\".*?<iq to=\"localhost\" id=\"(\\d+)\" type=\"get\"><ping",
        QRegularExpression::DotMatchesEverythingOption));
    if (!sent.hasMatch())
        return QByteArray();
    m_server->send("<iq type='result' id='" + sent.captured(2).toLatin1() + "' from='localhost'/>");
    return sent.captured(1).toLatin1();
}

void TestChatWindow::refusalReasons_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("condition");
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QString>("roomNotice");
    QTest::addColumn<QString>("userNotice");

    // The notices of a room's view and of a chat window, the reason left open.
    const std::map<QString, std::pair<QString, QString>> frames{
        {"en", {"Not sent: the room refused your line (%1). Your line stays in the input.",
                "\"pon & <chi>\" reached nobody: the chat server refused it (%1). It is back in the input."}},
        {"ja", {"送信されませんでした: ルームに拒否されました（%1）。入力した文は入力欄に残ります。",
                "「pon & <chi>」は誰にも届きませんでした: チャットサーバーに拒否されました（%1）。入力欄に戻しました。"}},
        {"zh_CN", {"未发送：房间拒绝了您的发言（%1）。您输入的内容仍保留在输入框中。",
                   "“pon & <chi>”未送达任何人：聊天服务器拒绝了这条消息（%1）。已放回输入框中。"}},
        {"zh_TW", {"未傳送：聊天室拒絕了您的發言（%1）。您輸入的內容仍保留在輸入框中。",
                   "「pon & <chi>」未送達任何人：聊天伺服器拒絕了這則訊息（%1）。已放回輸入框中。"}},
    };
    // Each condition with ejabberd's words, and the reason the room's view and the chat
    // window give in each language.
    struct Reasons
    {
        const char *condition;
        const char *words;
        std::map<QString, std::pair<QString, QString>> reasons;
    };
    const std::vector<Reasons> conditions{
        {"service-unavailable", "Conference room does not exist",
         {{"en", {"the room is gone or takes no lines", "no such user, or one who cannot receive it"}},
          {"ja", {"ルームがなくなったか、発言を受け付けていません", "そのユーザーはいないか、受け取れない状態です"}},
          {"zh_CN", {"房间已不存在或不接受发言", "没有该用户，或该用户无法接收"}},
          {"zh_TW", {"聊天室已不存在或不接受發言", "沒有該使用者，或該使用者無法接收"}}}},
        {"remote-server-not-found", "DNS lookup failed: enoname",
         {{"en", {"the room's chat server could not be reached", "the user's chat server could not be reached"}},
          {"ja", {"ルームのチャットサーバーに接続できませんでした", "相手のチャットサーバーに接続できませんでした"}},
          {"zh_CN", {"无法连接到房间的聊天服务器", "无法连接到对方的聊天服务器"}},
          {"zh_TW", {"無法連線到聊天室的聊天伺服器", "無法連線到對方的聊天伺服器"}}}},
        {"forbidden", "Visitors are not allowed to send messages to all occupants",
         {{"en", {"you may not speak there", "you may not write to this user"}},
          {"ja", {"このルームでは発言できません", "このユーザーには送信できません"}},
          {"zh_CN", {"您不能在该房间发言", "您不能给该用户发送消息"}},
          {"zh_TW", {"您不能在該聊天室發言", "您不能傳送訊息給該使用者"}}}},
        {"jid-malformed", "Malformed Jabber ID",
         {{"en", {"the address is not valid", "the address is not valid"}},
          {"ja", {"宛先が正しくありません", "宛先が正しくありません"}},
          {"zh_CN", {"地址无效", "地址无效"}},
          {"zh_TW", {"位址無效", "位址無效"}}}},
        {"resource-constraint", "Traffic rate limit is exceeded",
         {{"en", {"it cannot be handled at the moment", "it cannot be handled at the moment"}},
          {"ja", {"一時的に処理できません", "一時的に処理できません"}},
          {"zh_CN", {"暂时无法处理", "暂时无法处理"}},
          {"zh_TW", {"暫時無法處理", "暫時無法處理"}}}},
        {"policy-violation", "Too many messages",
         {{"en", {"the room's rules do not allow it", "the chat server's rules do not allow it"}},
          {"ja", {"ルームのルールで認められていません", "チャットサーバーのルールで認められていません"}},
          {"zh_CN", {"房间规则不允许这条发言", "聊天服务器的规则不允许这条消息"}},
          {"zh_TW", {"聊天室規則不允許這則發言", "聊天伺服器的規則不允許這則訊息"}}}},
        {"undefined-condition", "Something went wrong",
         {{"en", {"for a reason the client does not know", "for a reason the client does not know"}},
          {"ja", {"理由は不明です", "理由は不明です"}},
          {"zh_CN", {"原因不明", "原因不明"}},
          {"zh_TW", {"原因不明", "原因不明"}}}},
    };
    for (const auto &[language, frame] : frames) {
        for (const Reasons &condition : conditions) {
            auto [room, user] = condition.reasons.at(language);
            // English words follow where the player reads English.
            if (language == QLatin1String("en")) {
                room += QStringLiteral(": ") + QLatin1String(condition.words);
                user += QStringLiteral(": ") + QLatin1String(condition.words);
            }
            QTest::addRow("%s %s", qPrintable(language), condition.condition)
                << language << QByteArray(condition.condition) << QByteArray(condition.words)
                << frame.first.arg(room) << frame.second.arg(user);
        }
    }
}

void TestChatWindow::refusalReasons()
{
    // A line to a room and one to a user, each refused by the chat server with an error
    // and its words in English: the notices give the reason of the error in the
    // player's language, and the log keeps the server's words.
    QFETCH(QString, language);
    QFETCH(QByteArray, condition);
    QFETCH(QByteArray, words);
    QFETCH(QString, roomNotice);
    QFETCH(QString, userNotice);
    const PlayerLanguage player(language);
    ChatController context(m_db.get(), m_client.get());
    ConferenceWidget room(m_mainWindow.get(), 0);
    QVERIFY(joinTableRoom(room, context));
    ChatManager chats(m_client.get(), m_db.get(), m_mainWindow.get());
    chats.reqestChat(parseJid("1002@localhost"));
    QCOMPARE(windows().size(), 1);
    ChatWindow *window = windows().first();
    const auto roomInput = room.findChild<QLineEdit *>("chatInput");
    const auto windowInput = window->findChild<QLineEdit *>("input");
    const auto windowOutput = window->findChild<ChatOutputWidget *>("output");
    const QString line = QStringLiteral("pon & <chi>");
    const QRegularExpression logged(" refused the line .* \"" + QRegularExpression::escape(QString::fromLatin1(words)) + "\"$");

    QTest::ignoreMessage(QtInfoMsg, logged);
    roomInput->setText(line);
    QTest::keyClick(roomInput, Qt::Key_Return);
    const QByteArray roomLine = confirmNextLine(TableRoom);
    QVERIFY(!roomLine.isEmpty());
    m_server->send(refusal(TableRoom, roomLine, condition, words));
    QTRY_VERIFY2(room.output()->toPlainText().endsWith(roomNotice), qPrintable(room.output()->toPlainText()));
    QCOMPARE(roomInput->text(), line);

    QTest::ignoreMessage(QtInfoMsg, logged);
    windowInput->setText(line);
    QTest::keyClick(windowInput, Qt::Key_Return);
    const QByteArray userLine = confirmNextLine("1002@localhost");
    QVERIFY(!userLine.isEmpty());
    m_server->send(refusal("1002@localhost", userLine, condition, words));
    QTRY_VERIFY2(windowOutput->toPlainText().endsWith(userNotice), qPrintable(windowOutput->toPlainText()));
    QCOMPARE(windowInput->text(), line);
    QVERIFY(!windowOutput->toHtml().contains("<chi>"));
}

void TestChatWindow::roomNoticesInThePlayersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("notices");
    // The voice taken with a reason, the line said meanwhile refused, the voice given back
    // with a reason, the room closed with a reason, and the line said again as it closed.
    QTest::newRow("en") << "en"
                        << QStringList{"You may no longer speak in this room: quiet please",
                                       "\"may I <speak>?\" was not sent: the room refused it (you may not speak there: "
                                       "Visitors are not allowed to send messages to all occupants).",
                                       "You may speak in this room again: go ahead",
                                       "This chat room has been closed: closed for the night",
                                       "\"may I <speak>?\" was not sent: you are no longer in this room."};
    QTest::newRow("ja") << "ja"
                        << QStringList{"このルームでは発言できなくなりました（理由: quiet please）",
                                       "「may I <speak>?」は送信されませんでした: ルームに拒否されました（このルームでは発言できません）。",
                                       "このルームで再び発言できるようになりました（理由: go ahead）",
                                       "このルームは閉鎖されました（理由: closed for the night）",
                                       "「may I <speak>?」は送信されませんでした: このルームにはもう入っていません。"};
    QTest::newRow("zh_CN") << "zh_CN"
                           << QStringList{"您已不能在此房间发言，原因：quiet please",
                                          "“may I <speak>?”未发送：房间拒绝了这条发言（您不能在该房间发言）。",
                                          "您可以再次在此房间发言，原因：go ahead",
                                          "此房间已关闭，原因：closed for the night",
                                          "“may I <speak>?”未发送：您已不在此房间。"};
    QTest::newRow("zh_TW") << "zh_TW"
                           << QStringList{"您已無法在此聊天室發言，原因：quiet please",
                                          "「may I <speak>?」未傳送：聊天室拒絕了這則發言（您不能在該聊天室發言）。",
                                          "您可以再次在此聊天室發言，原因：go ahead",
                                          "此聊天室已關閉，原因：closed for the night",
                                          "「may I <speak>?」未傳送：您已不在此聊天室。"};
}

void TestChatWindow::roomNoticesInThePlayersLanguage()
{
    // Aiko's voice is taken as she says a line, which the room refuses; given back, it
    // brings the line back into the input, and she says it again just as the room is
    // closed. The notices that cannot offer the input quote the line.
    QFETCH(QString, language);
    QFETCH(QStringList, notices);
    const PlayerLanguage player(language);
    ChatController context(m_db.get(), m_client.get());
    ConferenceWidget room(m_mainWindow.get(), 0);
    QVERIFY(joinTableRoom(room, context));
    // The line said as the room closes comes back once this limit has passed.
    m_client->setConfirmationLimitMs(2000);
    const auto input = room.findChild<QLineEdit *>("chatInput");
    const auto pane = [&room] { return room.output()->toPlainText(); };
    const QString line = QStringLiteral("may I <speak>?");
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(" refused the line .*Visitors are not allowed"));

    input->setText(line);
    QTest::keyClick(input, Qt::Key_Return);
    const QByteArray first = confirmNextLine(TableRoom);
    QVERIFY(!first.isEmpty());
    m_server->send(ownRoomPresence("visitor", "quiet please")
                   + refusal(TableRoom, first, "forbidden", "Visitors are not allowed to send messages to all occupants"));
    QTRY_VERIFY2(pane().endsWith(notices.at(0) + '\n' + notices.at(1)), qPrintable(pane()));
    QVERIFY(!input->isEnabled());
    QVERIFY(room.grab().save(QStringLiteral("chatroom-refused-%1.png").arg(language)));

    m_server->send(ownRoomPresence("participant", "go ahead"));
    QTRY_VERIFY2(pane().endsWith(notices.at(2)), qPrintable(pane()));
    QVERIFY(input->isEnabled());
    QCOMPARE(input->text(), line);
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(!confirmNextLine(TableRoom).isEmpty());
    m_server->send("<presence from='" + TableRoom + "/Aiko' type='unavailable'><x xmlns='http://jabber.org/protocol/muc#user'>"
                   "<destroy><reason>closed for the night</reason></destroy><item affiliation='none' role='none'/>"
                   "<status code='110'/></x></presence>");
    QTRY_VERIFY2_WITH_TIMEOUT(pane().endsWith(notices.at(3) + '\n' + notices.at(4)), qPrintable(pane()), 10000);
    QVERIFY(!room.output()->toHtml().contains("<speak>"));
    QVERIFY(room.grab().save(QStringLiteral("chatroom-closed-%1.png").arg(language)));
}

MAHJONG_TEST_MAIN(TestChatWindow)
#include "tst_chatwindow.moc"
