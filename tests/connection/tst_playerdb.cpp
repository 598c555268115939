#include "testmain.h"

#include "ConnectedManager.h"
#include "chat/xmpp/XMPPElements.h"
#include "chat/xmpp/XMPPPresence.h"
#include "connection/PlayerDb.h"
#include "connection/PlayerDbChatClient.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// What the callbacks of a test were told; kept outside the callbacks, which die.
struct Answers
{
    int ok = 0;
    int failed = 0;
    UserRecord user;
    QString failure;
};

class Recorder : public QueryUserCallback
{
public:
    explicit Recorder(Answers *answers) : m_answers(answers) {}
    void queryOk(const UserRecord &user) override
    {
        ++m_answers->ok;
        m_answers->user = user;
    }
    void queryFailed(const QString &message) override
    {
        ++m_answers->failed;
        m_answers->failure = message;
    }

private:
    Answers *m_answers;
};

class FakeChat : public PlayerDbChatClient
{
public:
    bool isConnected() const override { return connected; }
    QString domain() const override { return QStringLiteral("chat.example"); }
    void requestVCard(const XMPPJid &jid) override { vCardRequests.append(jid.toString()); }
    void uploadPhoto(const QImage &photo) override { uploads.append(photo); }
    void setPhotoHash(const QByteArray &hash) override { photoHash = hash; }

    bool connected = true;
    QStringList vCardRequests;
    QList<QImage> uploads;
    QByteArray photoHash;
};

XMPPPresence presenceFrom(const QString &node, const QByteArray &hash)
{
    xmpp::PresenceStanza stanza;
    stanza.from = XMPPJid(QStringLiteral("chat.example"), node, QStringLiteral("client"));
    stanza.photoHash = hash;
    return XMPPPresence(stanza);
}

QImage image(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

class TestPlayerDb : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void playerNamesAreCachedAndAskedOnce();
    void queryUserCallsEachCallbackOnce();
    void deletedCallbacksAreSkipped();
    void failedQueries();
    void queriesByIdAndAddress();
    void closedConnectionFailsWaitingQueries();
    void screenNameChange();
    void registration();
    void addresses();
    void picturesFromTheChat();
    void ownPicture();

private:
    std::unique_ptr<ConnectedManager> m_server;
    std::unique_ptr<FakeChat> m_chat;
    std::unique_ptr<PlayerDb> m_db;
};

void TestPlayerDb::init()
{
    m_server = std::make_unique<ConnectedManager>();
    QVERIFY(m_server->start(QStringLiteral("player-db.json")));
    m_chat = std::make_unique<FakeChat>();
    m_db = std::make_unique<PlayerDb>(m_server->manager.get(), m_chat.get());
}

void TestPlayerDb::cleanup()
{
    m_db.reset();
    m_chat.reset();
    m_server.reset();
}

void TestPlayerDb::playerNamesAreCachedAndAskedOnce()
{
    QSignalSpy names(m_db.get(), &PlayerDb::playerNameUpdate);
    QVERIFY(m_db->playerName(2003, false).isNull());
    QCOMPARE(m_db->playerName(2003, true), QStringLiteral("player-2003"));
    QVERIFY(names.wait());
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first().at(0).toInt(), 2003);
    QCOMPARE(names.first().at(1).toString(), QStringLiteral("carol"));
    QCOMPARE(m_db->playerName(2003, false), QStringLiteral("carol"));
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 1);

    // The local player is known without asking.
    m_db->setLocalPlayer(1001, QStringLiteral("alice"));
    QCOMPARE(m_db->playerName(1001, false), QStringLiteral("alice"));
    QCOMPARE(m_db->localPlayerId(), 1001);
    QCOMPARE(m_db->localPlayerIdString(), QStringLiteral("1001"));
    QCOMPARE(m_db->localScreenName(), QStringLiteral("alice"));
}

void TestPlayerDb::queryUserCallsEachCallbackOnce()
{
    Answers first, second, third;
    QPointer<QueryUserCallback> a = new Recorder(&first);
    QPointer<QueryUserCallback> b = new Recorder(&second);
    m_db->queryUser(QStringLiteral("bob"), a);
    m_db->queryUser(QStringLiteral("bob"), b); // the same name is in flight: no second request
    QCOMPARE(a->screenName(), QStringLiteral("bob"));
    QTRY_COMPARE(second.ok, 1);
    QCOMPARE(first.ok, 1);
    QCOMPARE(first.failed + second.failed, 0);
    QCOMPARE(first.user.playerId, 2002);
    QCOMPARE(first.user.screenName, QStringLiteral("bob"));
    QVERIFY(first.user.manager);
    QTRY_VERIFY(a.isNull() && b.isNull());
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 1);
    QCOMPARE(m_db->playerName(2002, false), QStringLiteral("bob"));

    // Answered at once from the cache.
    QPointer<QueryUserCallback> c = new Recorder(&third);
    m_db->queryUser(QStringLiteral("bob"), c);
    QCOMPARE(third.ok, 1);
    QTRY_VERIFY(c.isNull());
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 1);
}

void TestPlayerDb::deletedCallbacksAreSkipped()
{
    Answers gone, kept;
    auto *a = new Recorder(&gone);
    QPointer<QueryUserCallback> b = new Recorder(&kept);
    m_db->queryUser(QStringLiteral("slow"), a);
    m_db->queryUser(QStringLiteral("slow"), b);
    delete a;
    QTRY_COMPARE(kept.ok, 1);
    QCOMPARE(gone.ok + gone.failed, 0);
    QTRY_VERIFY(b.isNull());
}

void TestPlayerDb::failedQueries()
{
    Answers answers;
    m_db->queryUser(QStringLiteral("nobody"), new Recorder(&answers));
    QTRY_COMPARE(answers.failed, 1);
    QCOMPARE(answers.failure, QStringLiteral("unknown user"));
    // A failure is not cached: the server is asked again.
    m_db->queryUser(QStringLiteral("nobody"), new Recorder(&answers));
    QTRY_COMPARE(answers.failed, 2);
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 2);
    QCOMPARE(answers.ok, 0);

    // Nothing is sent for a null callback: the next question is only the third sent.
    m_db->queryUser(QStringLiteral("bob"), nullptr);
    m_db->queryUser(QStringLiteral("nobody"), new Recorder(&answers));
    QTRY_COMPARE(answers.failed, 3);
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 3);
}

void TestPlayerDb::queriesByIdAndAddress()
{
    Answers byId, byJid;
    m_db->queryUser(2003, new Recorder(&byId));
    QTRY_COMPARE(byId.ok, 1);
    QCOMPARE(byId.user.screenName, QStringLiteral("carol"));
    m_db->queryUser(parseJid(QStringLiteral("2003@chat.example/client")), new Recorder(&byJid));
    QCOMPARE(byJid.ok, 1); // cached under "player-2003"
    QVERIFY(m_server->received(QStringLiteral("query_user_t"), QStringLiteral("{\"request\":1,\"screen_name\":\"player-2003\"")));
    QCOMPARE(m_server->receivedCount(QStringLiteral("query_user_t")), 1);
}

void TestPlayerDb::closedConnectionFailsWaitingQueries()
{
    Answers closing, waiting;
    QPointer<QueryUserCallback> a = new Recorder(&closing);
    m_db->queryUser(QStringLiteral("slow"), new Recorder(&waiting));
    m_db->queryUser(QStringLiteral("closer"), a);
    QTRY_COMPARE(closing.failed, 1);
    QCOMPARE(waiting.failed, 1);
    QCOMPARE(closing.failure, QStringLiteral("connection closed"));
    QTRY_VERIFY(a.isNull());

    // Without a connection a question fails at once.
    Answers offline;
    m_db->queryUser(QStringLiteral("bob"), new Recorder(&offline));
    QCOMPARE(offline.failed, 1);
    QVERIFY(m_db->playerName(2002, false).isNull());
}

void TestPlayerDb::screenNameChange()
{
    QVERIFY(m_server->login());
    m_db->setLocalPlayer(1001, QStringLiteral("player-1001"));
    QSignalSpy ok(m_db.get(), &PlayerDb::setScreennameOk);
    QSignalSpy failed(m_db.get(), &PlayerDb::setScreennameFailed);
    QSignalSpy names(m_db.get(), &PlayerDb::playerNameUpdate);

    m_db->setScreenname(QStringLiteral("taken"));
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("name taken"));
    QCOMPARE(failed.first().at(1).toBool(), true);
    QCOMPARE(m_db->localScreenName(), QStringLiteral("player-1001"));

    m_db->setScreenname(QStringLiteral("alice"));
    QVERIFY(ok.wait());
    QCOMPARE(m_db->localScreenName(), QStringLiteral("alice"));
    QCOMPARE(m_db->playerName(1001, false), QStringLiteral("alice"));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first().at(1).toString(), QStringLiteral("alice"));
}

void TestPlayerDb::registration()
{
    QSignalSpy ok(m_db.get(), &PlayerDb::registerUserOk);
    QSignalSpy failed(m_db.get(), &PlayerDb::registerUserFailed);
    m_db->registerUser(QStringLiteral("newbie"), QStringLiteral("pw"), QStringLiteral("n@example.org"), QString());
    QVERIFY(ok.wait());
    QCOMPARE(ok.first().at(0).toBool(), true);
    m_db->registerUser(QStringLiteral("alice"), QStringLiteral("pw"), QStringLiteral("a@example.org"), QString());
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("name in use"));
    QVERIFY(m_server->received(QStringLiteral("register_user_t"),
                               QStringLiteral("{\"email\":\"n@example.org\",\"extra\":\"\",\"name\":\"newbie\"")));
}

void TestPlayerDb::addresses()
{
    QCOMPARE(m_db->jidForPlayer(7).toString(), QStringLiteral("7@chat.example"));
    QCOMPARE(PlayerDb::playerIdFromJid(parseJid(QStringLiteral("2003@chat.example/x"))), 2003);
    QCOMPARE(PlayerDb::playerIdFromJid(parseJid(QStringLiteral("lobby@conference.chat.example"))), -1);
    QCOMPARE(PlayerDb::playerIdFromJid(parseJid(QStringLiteral("chat.example"))), -1);
    QCOMPARE(m_db->playerName(parseJid(QStringLiteral("lobby@conference.chat.example"))), QStringLiteral("lobby"));
    QCOMPARE(m_db->playerName(parseJid(QStringLiteral("2004@chat.example"))), QStringLiteral("player-2004"));
}

void TestPlayerDb::picturesFromTheChat()
{
    QSignalSpy pictures(m_db.get(), &PlayerDb::playerPictureUpdate);
    QVERIFY(m_db->picture(2002, false).isNull());
    QVERIFY(!m_db->picture(2002, true).isNull()); // the default avatar
    QCOMPARE(m_chat->vCardRequests, QStringList{QStringLiteral("2002@chat.example")});

    m_db->onVCardPhoto(parseJid(QStringLiteral("2002@chat.example")), image(200, 100), "h1");
    QCOMPARE(pictures.count(), 1);
    QCOMPARE(pictures.first().at(0).toInt(), 2002);
    QCOMPARE(m_db->picture(2002, false).size(), QSize(64, 32));
    m_db->onVCardPhoto(parseJid(QStringLiteral("2002@chat.example")), image(40, 30), "h1b");
    QCOMPARE(m_db->picture(2002, false).size(), QSize(40, 30)); // small pictures keep their size

    // A presence asks again only when the cached picture's hash differs.
    m_chat->vCardRequests.clear();
    m_db->onPresence(presenceFrom(QStringLiteral("2002"), "h1b"));
    m_db->onPresence(presenceFrom(QStringLiteral("2009"), "zz")); // no cached picture
    m_db->onPresence(presenceFrom(QStringLiteral("lobby"), "zz"));
    QVERIFY(m_chat->vCardRequests.isEmpty());
    m_db->onPresence(presenceFrom(QStringLiteral("2002"), "h2"));
    QCOMPARE(m_chat->vCardRequests, QStringList{QStringLiteral("2002@chat.example")});
    // An empty photo element: no picture, nothing to ask for.
    m_chat->vCardRequests.clear();
    m_db->onPresence(presenceFrom(QStringLiteral("2002"), QByteArray("")));
    QVERIFY(m_chat->vCardRequests.isEmpty());
    QCOMPARE(pictures.count(), 3); // the default avatar replaced the old picture
    QVERIFY(m_db->picture(2002, false).size() != QSize(40, 30));
    m_db->onPresence(presenceFrom(QStringLiteral("2002"), QByteArray("")));
    QVERIFY(m_chat->vCardRequests.isEmpty());
    QCOMPARE(pictures.count(), 3);

    // A vCard without a photo leaves the default avatar.
    m_db->onVCardPhoto(parseJid(QStringLiteral("2010@chat.example")), QImage(), QByteArray());
    QCOMPARE(pictures.count(), 4);
    QVERIFY(!m_db->picture(2010, false).isNull());
    m_db->onVCardPhoto(parseJid(QStringLiteral("lobby@chat.example")), image(10, 10), "x");
    QCOMPARE(pictures.count(), 4);

    // Without a chat connection nobody is asked.
    m_chat->connected = false;
    m_chat->vCardRequests.clear();
    QVERIFY(m_db->picture(2011, false).isNull());
    QVERIFY(m_chat->vCardRequests.isEmpty());
}

void TestPlayerDb::ownPicture()
{
    QSignalSpy changed(m_db.get(), &PlayerDb::changePictureOk);
    QSignalSpy refused(m_db.get(), &PlayerDb::changePictureFailed);

    m_chat->connected = false;
    m_db->setPicture(image(64, 64));
    QCOMPARE(refused.count(), 1);
    QVERIFY(m_chat->uploads.isEmpty());

    m_chat->connected = true;
    m_db->setLocalPlayer(1001, QStringLiteral("alice"));
    m_chat->vCardRequests.clear();
    m_db->onXMPPConnected();
    QCOMPARE(m_chat->vCardRequests, QStringList{QStringLiteral("1001@chat.example")});

    m_db->setPicture(image(64, 64));
    QCOMPARE(m_chat->uploads.size(), 1);
    m_chat->vCardRequests.clear();
    m_db->onUploadVCardOk();
    QCOMPARE(m_chat->vCardRequests, QStringList{QStringLiteral("1001@chat.example")});
    QCOMPARE(changed.count(), 1);
    m_db->onUploadVCardError();
    QCOMPARE(refused.count(), 2);

    m_db->onVCardPhoto(parseJid(QStringLiteral("1001@chat.example")), image(64, 64), "own");
    QCOMPARE(m_chat->photoHash, QByteArray("own"));
    // A presence of the local player never asks.
    m_chat->vCardRequests.clear();
    m_db->onPresence(presenceFrom(QStringLiteral("1001"), "other"));
    QVERIFY(m_chat->vCardRequests.isEmpty());
}

MAHJONG_TEST_MAIN(TestPlayerDb)
#include "tst_playerdb.moc"
