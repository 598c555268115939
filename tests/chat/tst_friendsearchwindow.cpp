#include "testmain.h"

#include "EjabberdTestServer.h"

#include "../ui/screenshot.h"
#include "chat/FriendSearchWindow.h"
#include "chat/xmpp/XMPPClient.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

const QString Password = QStringLiteral("secret");

} // namespace

// The friend search dialog against the test server's user search service.
class TestFriendSearchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsAndPicksUsers();

private:
    bool login(XMPPClient &client, const QString &account);

    QString m_dir;
    QString m_directory;
    quint16 m_port = 0;
};

void TestFriendSearchWindow::initTestCase()
{
    EjabberdTestServer server;
    m_dir = qEnvironmentVariable("XMPP_SERVER_DIR");
    QVERIFY2(server.load(m_dir), qPrintable("no test server in " + m_dir));
    m_port = server.port;
    QVERIFY(m_port != 0);
    m_directory = server.searchDirectory;
    QVERIFY(!m_directory.isEmpty());

    QVERIFY(runEjabberdScript({"register", m_dir, "3401", Password}));
    QVERIFY(runEjabberdScript({"register", m_dir, "3402", Password}));
    // Listed in the reverse order of their names.
    QFile directory(m_directory);
    QVERIFY(directory.open(QIODevice::Append));
    directory.write("3402@localhost\tZora Quill\n3403@localhost\tAda Quill\n");
}

bool TestFriendSearchWindow::login(XMPPClient &client, const QString &account)
{
    QSignalSpy connected(&client, &XMPPClient::connected);
    client.login(account, Password);
    client.connectToHost(QStringLiteral("localhost"), m_port, XMPPClient::TlsRequired);
    return connected.wait(5000) || !connected.isEmpty();
}

void TestFriendSearchWindow::findsAndPicksUsers()
{
    XMPPClient searcher;
    XMPPClient found;
    QVERIFY(login(searcher, "3401"));
    QVERIFY(login(found, "3402"));

    FriendSearchWindow window(&searcher, QStringLiteral("search.localhost"));
    window.resize(320, 340);
    window.show();
    auto *input = window.findChild<QLineEdit *>("searchInput");
    auto *searchButton = window.findChild<QPushButton *>("searchButton");
    auto *addButton = window.findChild<QPushButton *>("addToFriendsButton");
    auto *results = window.findChild<QTreeWidget *>("resultList");
    auto *status = window.findChild<QLabel *>("statusLabel");

    // One letter is too little to search for.
    window.setSearchText("Q");
    QVERIFY(!searchButton->isEnabled());

    // Asked for before the service's form came: the search goes out with it.
    window.setSearchText("quill");
    window.startSearch();
    QTRY_COMPARE_WITH_TIMEOUT(results->topLevelItemCount(), 2, 10000);
    QVERIFY(input->isEnabled());
    QCOMPARE(results->topLevelItem(0)->text(0), QStringLiteral("Ada Quill"));
    QCOMPARE(results->topLevelItem(1)->text(0), QStringLiteral("Zora Quill"));
    QCOMPARE(status->text(), QStringLiteral("2 user(s) found"));
    QVERIFY(!addButton->isEnabled());
    QVERIFY(saveScreenshot(&window, "friend-search-results"));

    // A double click picks the user; the pick is a subscription request away.
    QSignalSpy selected(&window, &FriendSearchWindow::selectedJid);
    QSignalSpy requests(&found, &XMPPClient::authorizationRequestReceived);
    results->setCurrentItem(results->topLevelItem(1));
    emit results->itemDoubleClicked(results->topLevelItem(1), 0);
    QCOMPARE(selected.size(), 1);
    QVERIFY(addButton->isEnabled());
    const XMPPJid picked = selected.at(0).at(0).value<XMPPJid>();
    QCOMPARE(picked.toString(), QStringLiteral("3402@localhost"));
    searcher.subscribe(picked);
    QVERIFY(requests.wait(5000) || !requests.isEmpty());
    QCOMPARE(jidBare(requests.at(0).at(0).value<XMPPJid>()).toString(), QStringLiteral("3401@localhost"));

    // Nobody found.
    window.setSearchText("nobody at all");
    QTest::mouseClick(searchButton, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("0 user(s) found"), 10000);
    QCOMPARE(results->topLevelItemCount(), 0);

    // Without a connection the input is closed; the next connection opens it again.
    searcher.closeStream();
    QTRY_VERIFY_WITH_TIMEOUT(!input->isEnabled(), 5000);
    QVERIFY(login(searcher, "3401"));
    QTRY_VERIFY_WITH_TIMEOUT(input->isEnabled(), 5000);
}

MAHJONG_TEST_MAIN(TestFriendSearchWindow)
#include "tst_friendsearchwindow.moc"
