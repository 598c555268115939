#include "testmain.h"

#include "connection/ConnectedManager.h"
#include "connection/PlayerDb.h"
#include "lobby/ComingEventsModel.h"
#include "ui/BusyCursor.h"
#include "ui/CreateUserWindow.h"
#include "ui/LoginWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>

// The pages of the login flow wired to the connection manager and the player directory
// as the main window wires them, against the test game server's "account" scenario.
class TestAccountServer : public QObject
{
    Q_OBJECT

private:
    ConnectedManager m_server;
    std::unique_ptr<PlayerDb> m_players;
    QMainWindow m_window;

    QString boxText(QWidget *parent)
    {
        auto *box = parent->findChild<ModelessMsgBox::MsgBox *>();
        return box ? box->contentWidget()->findChild<QLabel *>()->text() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start("account.json"));
        m_players = std::make_unique<PlayerDb>(m_server.manager.get(), nullptr);
        m_window.resize(600, 500);
        m_window.show();
    }

    void everyLoginRefusalReachesTheLoginPage_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("2") << 2 << QString();
        QTest::newRow("3") << 3 << "You are not allowed to login, please contact support.";
        QTest::newRow("4") << 4 << "Server error!";
        QTest::newRow("5") << 5 << "You need to verify your email first! Please check your inbox "
                                   "for verification email. Contact support if problem persists.";
        QTest::newRow("6") << 6 << "You have excluded yourself from playing. Contact support if "
                                   "this is incorrect.";
        QTest::newRow("7") << 7 << "You have made 6 wrong login attempts. For security reasons "
                                   "your account will be inactive for 10 minutes.\nIf you do not "
                                   "remember your password please reset your password and wait "
                                   "for 10 minutes. If you still have problems please contact "
                                   "support.";
        QTest::newRow("8") << 8 << "Your IP address is blacklisted, please contact support.";
        QTest::newRow("1") << 1 << "Unknown login failure!";
        QTest::newRow("99") << 99 << "Unknown login failure!";
        QTest::newRow("-1") << -1 << "Unknown login failure!";
    }

    void everyLoginRefusalReachesTheLoginPage()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        auto *page = new LoginWindow;
        m_window.setCentralWidget(page);
        connect(m_server.manager.get(), &ConnectionManager::loginFailed, page,
                &LoginWindow::onLoginFailed);
        connect(page, &LoginWindow::login, m_server.manager.get(), [this, page](const QString &user, const QString &password) {
            BusyCursor::set(page);
            m_server.manager->login(user, password);
        });
        page->setLoginAllowed(true);
        page->setUserName(QStringLiteral("code%1").arg(code));
        page->setPassword("secret");

        page->findChild<QPushButton *>("loginButton")->click();
        QVERIFY(QApplication::overrideCursor());
        QTRY_VERIFY(!BusyCursor::isHeldBy(page));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(boxText(&m_window), text);
        QCOMPARE(page->findChild<QLineEdit *>("passwordEdit")->text().isEmpty(), code == 2);
        for (auto *box : m_window.findChildren<ModelessMsgBox::MsgBox *>())
            delete box;
    }

    void screenNameRefusalsReachTheDialog()
    {
        QVERIFY(m_server.login());
        QSignalSpy ok(m_players.get(), &PlayerDb::setScreennameOk);
        QSignalSpy failed(m_players.get(), &PlayerDb::setScreennameFailed);
        auto *dialog = new SetScreennameDialog(&m_window);
        connect(dialog, &SetScreennameDialog::setScreenname, m_players.get(), &PlayerDb::setScreenname);
        dialog->showAndRaise(true);
        QTest::keyClicks(dialog->findChild<QLineEdit *>("screennameEdit"), "taken");
        dialog->findChild<QPushButton *>("setButton")->click();
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("<i>taken</i>, try another"));
        QCOMPARE(failed.at(0).at(1).toBool(), true);
        dialog->setErrorMessage(failed.at(0).at(0).toString());
        auto *error = dialog->findChild<QLabel *>("errorMessage");
        QVERIFY(!error->isHidden());
        QCOMPARE(error->text(), QStringLiteral("<i>taken</i>, try another"));
        QCOMPARE(error->textFormat(), Qt::PlainText);
        delete dialog;

        m_players->setScreenname("rude");
        QTRY_COMPARE(failed.size(), 2);
        QCOMPARE(failed.at(1).at(0).toString(), QStringLiteral("not allowed"));
        QCOMPARE(failed.at(1).at(1).toBool(), false);
        m_players->setScreenname("carol");
        QTRY_COMPARE(ok.size(), 1);
    }

    void registrationAnswersReachTheForm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("outcome"); // 0 log in, 1 created without login, 2 refused
        QTest::newRow("registered") << "newbie" << 0;
        QTest::newRow("registered, no login") << "quiet" << 1;
        QTest::newRow("refused") << "somebody" << 2;
    }

    void registrationAnswersReachTheForm()
    {
        QFETCH(QString, name);
        QFETCH(int, outcome);
        auto *page = new CreateUserWindow;
        m_window.setCentralWidget(page);
        connect(page, &CreateUserWindow::registerUser, m_players.get(),
                [this](const QString &user, const QString &password, const QString &email) {
                    m_players->registerUser(user, password, email, QString());
                });
        connect(m_players.get(), &PlayerDb::registerUserOk, page, &CreateUserWindow::onRegisterSucceeded);
        connect(m_players.get(), &PlayerDb::registerUserFailed, page, &CreateUserWindow::onRegisterFailed);
        QSignalSpy login(page, &CreateUserWindow::doLogin);

        page->findChild<QLineEdit *>("loginEdit")->setText(name);
        page->findChild<QLineEdit *>("emailEdit")->setText("someone@example.com");
        page->findChild<QLineEdit *>("passwordEdit")->setText("secret1");
        page->findChild<QLineEdit *>("repeatPasswordEdit")->setText("secret1");
        page->findChild<QCheckBox *>("ageCheckBox")->setChecked(true);
        page->findChild<QCheckBox *>("tcCheckBox")->setChecked(true);
        page->findChild<QPushButton *>("createButton")->click();
        QVERIFY(BusyCursor::isHeldBy(page));
        QTRY_VERIFY_WITH_TIMEOUT(!BusyCursor::isHeldBy(page), 10000);

        QCOMPARE(login.size(), outcome == 0 ? 1 : 0);
        QCOMPARE(page->isRegistered(), outcome == 0);
        const QString text = boxText(page);
        if (outcome == 1)
            QVERIFY(text.contains("Your account has been created"));
        if (outcome == 2)
            QVERIFY(text.contains("Name &lt;b&gt;in use&lt;/b&gt;"));
    }

    void comingEventsReachTheModel()
    {
        ComingEventsModel model(m_server.manager.get(), nullptr, nullptr);
        QSignalSpy published(&model, &ComingEventsModel::comingEventsChanged);
        QTRY_COMPARE(published.size(), 1);
        const ComingEvents &events = model.comingEvents();
        QCOMPARE(events.size(), size_t(2));
        QCOMPARE(events.at(0).kind, 0);
        QVERIFY(events.at(0).time < events.at(1).time);
        QVERIFY(QDateTime::currentDateTimeUtc().secsTo(events.at(0).time) > 100);
    }
};

MAHJONG_TEST_MAIN(TestAccountServer)
#include "tst_accountserver.moc"
