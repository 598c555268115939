#include "testmain.h"

#include "screenshot.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "ui/BusyCursor.h"
#include "ui/LoginWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>

// The login page inside a main window, as the client shows it.
struct LoginPage
{
    LoginPage()
    {
        window.resize(480, 400);
        page = new LoginWindow(&window);
        window.setCentralWidget(page);
        window.show();
        user = page->findChild<QLineEdit *>("loginEdit");
        password = page->findChild<QLineEdit *>("passwordEdit");
        button = page->findChild<QPushButton *>("loginButton");
    }

    QString boxText() const
    {
        auto *box = window.findChild<ModelessMsgBox::MsgBox *>();
        return box ? box->contentWidget()->findChild<QLabel *>()->text() : QString();
    }

    QMainWindow window;
    LoginWindow *page;
    QLineEdit *user;
    QLineEdit *password;
    QPushButton *button;
};

class TestLoginWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupResourceSearchPaths({}, QStringLiteral("corvana")); }

    void loginButtonNeedsTheServerAndBothFields_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("not allowed, filled") << false << "alice" << "secret" << false;
        QTest::newRow("allowed, empty user") << true << "" << "secret" << false;
        QTest::newRow("allowed, empty password") << true << "alice" << "" << false;
        QTest::newRow("allowed, blank password") << true << "alice" << "   " << true;
        QTest::newRow("allowed, blank user") << true << " " << "secret" << true;
        QTest::newRow("allowed, filled") << true << "alice" << "secret" << true;
    }

    void loginButtonNeedsTheServerAndBothFields()
    {
        QFETCH(bool, allowed);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, enabled);
        LoginPage p;
        QTest::keyClicks(p.user, user);
        QTest::keyClicks(p.password, password);
        QVERIFY(!p.button->isEnabled());
        p.page->setLoginAllowed(allowed);
        QCOMPARE(p.button->isEnabled(), enabled);
        p.page->onDisconnected();
        QVERIFY(!p.button->isEnabled());
    }

    void returnMovesOnAndLogsInAsTyped()
    {
        LoginPage p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        p.page->setLoginAllowed(true);
        p.page->setInitialFocus();
        QVERIFY(p.user->hasFocus());
        QSignalSpy login(p.page, &LoginWindow::login);
        QTest::keyClicks(p.user, " alice ");
        QTest::keyClick(p.user, Qt::Key_Return);
        QVERIFY(p.password->hasFocus());
        QTest::keyClick(p.password, Qt::Key_Return);
        QCOMPARE(login.size(), 0); // empty password: the button stays off
        QTest::keyClicks(p.password, "pa ss");
        QTest::keyClick(p.password, Qt::Key_Return);
        QTRY_COMPARE(login.size(), 1);
        QCOMPARE(login.at(0).at(0).toString(), QStringLiteral(" alice "));
        QCOMPARE(login.at(0).at(1).toString(), QStringLiteral("pa ss"));
        QVERIFY(!p.button->isEnabled());

        p.page->onConnecting();
        QCOMPARE(p.button->text(), QStringLiteral("Connecting..."));
        p.page->onConnected();
        QCOMPARE(p.button->text(), QStringLiteral("Log in"));
        QVERIFY(saveScreenshot(&p.window, "login-page"));
    }

    void wrongPasswordShakesAndClearsOnlyThePassword()
    {
        LoginPage p;
        p.page->setLoginAllowed(true);
        p.page->setUserName("alice");
        p.page->setPassword("wrong");
        BusyCursor::set(p.page);
        const QPoint start = p.page->pos();
        std::vector<int> offsets;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const int dx = p.page->x() - start.x();
            if (offsets.empty() || offsets.back() != dx)
                offsets.push_back(dx);
        });
        probe.start(10);
        p.page->onLoginFailed(2);
        QVERIFY(!BusyCursor::isHeldBy(p.page));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(p.user->text(), QStringLiteral("alice"));
        QVERIFY(p.password->text().isEmpty());
        QVERIFY(!p.button->isEnabled());
        QVERIFY(p.boxText().isEmpty());
        // Four moves 100 ms apart; a loaded machine may run them late.
        const std::vector<int> shaken{0, 8, 0, 8, 0};
        QTRY_COMPARE_WITH_TIMEOUT(offsets, shaken, 5000);
        QCOMPARE(p.page->pos(), start);
    }

    void refusalBoxesKeepTheFieldsAndPlaceTheFocus()
    {
        LoginPage p;
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        p.page->setLoginAllowed(true);
        p.page->setUserName("alice");
        p.page->setPassword("secret");
        p.page->onLoginFailed(7);
        QVERIFY(p.boxText().startsWith("You have made 6 wrong login attempts."));
        QCOMPARE(p.window.findChild<ModelessMsgBox::MsgBox *>()->windowTitle(), QStringLiteral("Login failed"));
        QCOMPARE(p.password->text(), QStringLiteral("secret"));
        QVERIFY(p.button->isEnabled());
        QVERIFY(p.password->hasFocus());

        p.page->setUserName(QString());
        p.page->onLoginFailed(0);
        QVERIFY(p.user->hasFocus());
        QVERIFY(!p.button->isEnabled());
    }

    void fillingTheLanguageBoxSwitchesNothing()
    {
        TranslationsManager translations;
        const auto &languages = translations.availableLanguages();
        QCOMPARE(languages.size(), size_t(4));
        LoginPage p;
        auto *box = p.page->findChild<QComboBox *>("languageSelection");

        // An unset language is not in the list: the first entry is shown, nothing switches.
        p.page->setTranslationsManager(&translations);
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->itemText(1), QStringLiteral("日本語"));
        QVERIFY(translations.language().isEmpty());

        translations.setLanguage("ja");
        p.page->setTranslationsManager(&translations);
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(translations.language(), QStringLiteral("ja"));

        box->setCurrentIndex(0);
        QCOMPARE(translations.language(), QStringLiteral("en"));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(box->itemText(1), QStringLiteral("日本語"));
    }

    void resetLinkCarriesTheStyleAndEmits()
    {
        LoginPage p;
        auto *label = p.page->findChild<QLabel *>("resetPasswordLabel");
        p.page->setUrlStyle("color: red;");
        QVERIFY(label->text().contains("style=\"color: red;\""));
        QVERIFY(label->text().contains("Reset password"));
        QSignalSpy reset(p.page, &LoginWindow::resetPassword);
        emit label->linkActivated("anything");
        QCOMPARE(reset.size(), 1);
    }

    void screenNameIsSentOnceAsTyped()
    {
        QMainWindow window;
        window.resize(1000, 400);
        window.show();
        auto *dialog = new SetScreennameDialog(&window);
        dialog->showAndRaise(true);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *edit = dialog->findChild<QLineEdit *>("screennameEdit");
        auto *set = dialog->findChild<QPushButton *>("setButton");
        auto *error = dialog->findChild<QLabel *>("errorMessage");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Set screen name"));
        QVERIFY(error->isHidden());
        QSignalSpy sent(dialog, &SetScreennameDialog::setScreenname);

        QVERIFY(!set->isEnabled());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(sent.size(), 0);

        dialog->setErrorMessage("<b>name taken</b>");
        QVERIFY(!error->isHidden());
        QCOMPARE(error->textFormat(), Qt::PlainText);
        QCOMPARE(error->text(), QStringLiteral("<b>name taken</b>"));

        QTest::keyClicks(edit, "  ");
        QVERIFY(set->isEnabled());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("  "));
        QVERIFY(!edit->isEnabled());
        QVERIFY(!set->isEnabled());
        set->click();
        QCOMPARE(sent.size(), 1);

        dialog->setErrorMessage(QString());
        QVERIFY(error->isHidden());
    }
};

MAHJONG_TEST_MAIN(TestLoginWindow)
#include "tst_loginwindow.moc"
