#include "testmain.h"

#include "screenshot.h"

#include "ui/BusyCursor.h"
#include "ui/CreateUserWindow.h"
#include "ui/ModelessMsgBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>

// The registration page inside a main window, filled through its widgets.
struct RegistrationPage
{
    RegistrationPage()
    {
        window.resize(300, 560);
        page = new CreateUserWindow(&window);
        window.setCentralWidget(page);
        window.show();
        user = edit("loginEdit");
        email = edit("emailEdit");
        password = edit("passwordEdit");
        repeat = edit("repeatPasswordEdit");
        age = page->findChild<QCheckBox *>("ageCheckBox");
        terms = page->findChild<QCheckBox *>("tcCheckBox");
        create = page->findChild<QPushButton *>("createButton");
        cancel = page->findChild<QPushButton *>("cancelButton");
    }

    QLineEdit *edit(const char *name) const { return page->findChild<QLineEdit *>(name); }
    QString validation(const char *name) const { return page->findChild<QLabel *>(name)->text(); }

    // Types the text and leaves the field, as a user does.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, text);
        emit field->editingFinished();
    }

    void fill(const QString &name, const QString &address, const QString &pass,
              const QString &again)
    {
        type(user, name);
        type(email, address);
        type(password, pass);
        type(repeat, again);
        age->setChecked(true);
        terms->setChecked(true);
    }

    QMainWindow window;
    CreateUserWindow *page;
    QLineEdit *user, *email, *password, *repeat;
    QCheckBox *age, *terms;
    QPushButton *create, *cancel;
};

class TestCreateUserWindow : public QObject
{
    Q_OBJECT

private slots:
    void fieldChecksGateTheCreateButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<bool>("accepted");
        const QString pw = "secret1";
        QTest::newRow("valid") << "alice" << "a@b.cd" << pw << pw << true;
        QTest::newRow("name of 2 with blanks") << "  ab  " << "a@b.cd" << pw << pw << false;
        QTest::newRow("name of 3 with blanks") << " abc " << "a@b.cd" << pw << pw << true;
        QTest::newRow("name of 16") << QString(16, 'n') << "a@b.cd" << pw << pw << true;
        QTest::newRow("name of 17") << QString(17, 'n') << "a@b.cd" << pw << pw << false;
        QTest::newRow("password of 5") << "alice" << "a@b.cd" << "12345" << "12345" << false;
        QTest::newRow("password of 6") << "alice" << "a@b.cd" << "123456" << "123456" << true;
        QTest::newRow("password of 20") << "alice" << "a@b.cd" << QString(20, 'p') << QString(20, 'p') << true;
        QTest::newRow("password of 21") << "alice" << "a@b.cd" << QString(21, 'p') << QString(21, 'p') << false;
        QTest::newRow("six blanks") << "alice" << "a@b.cd" << "      " << "      " << true;
        QTest::newRow("repeat differs in case") << "alice" << "a@b.cd" << pw << "Secret1" << false;
        QTest::newRow("dot after @") << "alice" << "a@.b.cd" << pw << pw << false;
        QTest::newRow("one-letter ending") << "alice" << "a@b.c" << pw << pw << false;
        QTest::newRow("capital ending") << "alice" << "a@b.CD" << pw << pw << false;
        QTest::newRow("no @") << "alice" << "ab.cd" << pw << pw << false;
        QTest::newRow("trailing blanks") << "alice" << "a@b.cd  " << pw << pw << true;
    }

    void fieldChecksGateTheCreateButton()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(QString, repeat);
        QFETCH(bool, accepted);
        RegistrationPage p;
        p.fill(name, email, password, repeat);
        QCOMPARE(p.create->isEnabled(), accepted);
        if (!accepted)
            return;

        // The terms' words stand apart from their box, where the age box's words stand.
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        QStyleOptionButton box;
        box.initFrom(p.age);
        box.text = p.age->text();
        const int ageWords = p.age->mapTo(p.page, p.age->style()->subElementRect(QStyle::SE_CheckBoxContents, &box, p.age).topLeft()).x();
        const QWidget *words = p.page->findChild<QLabel *>("tcUrl");
        const int termsWords = words->mapTo(p.page, QPoint()).x();
        QVERIFY2(qAbs(termsWords - ageWords) <= 3, qPrintable(QStringLiteral("%1 %2").arg(termsWords).arg(ageWords)));

        p.terms->setChecked(false);
        QVERIFY(!p.create->isEnabled());
        p.terms->setChecked(true);
        p.age->setChecked(false);
        QVERIFY(!p.create->isEnabled());
        p.age->setChecked(true);

        QSignalSpy registered(p.page, &CreateUserWindow::registerUser);
        p.create->click();
        QCOMPARE(registered.size(), 1);
        QCOMPARE(registered.at(0).at(0).toString(), name.trimmed());
        QCOMPARE(registered.at(0).at(1).toString(), password);
        QCOMPARE(registered.at(0).at(2).toString(), email);
        QVERIFY(BusyCursor::isHeldBy(p.page));
        QVERIFY(!p.user->isEnabled());
        QVERIFY(!p.create->isEnabled());
        QVERIFY(!p.cancel->isEnabled());
        p.page->onRegisterFailed("refused");
        QVERIFY(!BusyCursor::isHeldBy(p.page));
    }

    void validationTextsFollowTheFirstCompletedEdit()
    {
        RegistrationPage p;
        p.user->setFocus();
        emit p.user->editingFinished();
        QCOMPARE(p.validation("userNameValidationLabel"), QStringLiteral(" "));

        QTest::keyClicks(p.user, "a");
        QCOMPARE(p.validation("userNameValidationLabel"), QStringLiteral(" "));
        emit p.user->editingFinished();
        QCOMPARE(p.validation("userNameValidationLabel"),
                 QStringLiteral("User name must contain between 3 and 16 characters"));
        QTest::keyClicks(p.user, "bc");
        QCOMPARE(p.validation("userNameValidationLabel"), QStringLiteral(" "));

        RegistrationPage::type(p.email, "nobody");
        QCOMPARE(p.validation("emailValidationLabel"), QStringLiteral("Email address is invalid"));

        // The repeat is checked again on password changes only once both were left.
        p.password->setFocus();
        QTest::keyClicks(p.password, "secret1");
        QTest::keyClicks(p.repeat, "other");
        QCOMPARE(p.validation("repeatPasswordValidationLabel"), QStringLiteral(" "));
        emit p.password->editingFinished();
        emit p.repeat->editingFinished();
        QCOMPARE(p.validation("repeatPasswordValidationLabel"),
                 QStringLiteral("Repeated password doesn't match"));
        p.password->setText("other");
        QCOMPARE(p.validation("repeatPasswordValidationLabel"), QStringLiteral(" "));
        QCOMPARE(p.validation("passwordValidationLabel"),
                 QStringLiteral("Password must contain between 6 and 20 characters"));

        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(p.page, &change);
        QVERIFY(p.validation("passwordValidationLabel").isEmpty());
        QCOMPARE(p.page->findChild<QCheckBox *>("ageCheckBox")->text(),
                 QStringLiteral("I'm over 18 years old"));
        QVERIFY(saveScreenshot(&p.window, "registration-form-empty-after-language-change"));
    }

    void refusalIsShownLiterallyAndItsAnswerReenablesTheForm()
    {
        RegistrationPage p;
        p.fill("alice", "a@b.cd", "secret1", "secret1");
        QVERIFY(saveScreenshot(&p.window, "registration-form"));
        p.create->click();
        p.page->onRegisterFailed("<b>name</b> in use");
        auto *box = p.page->findChild<ModelessMsgBox::MsgBox *>();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Register User"));
        QLabel *text = box->contentWidget()->findChild<QLabel *>();
        QVERIFY(!text->text().contains("<b>name"));
        QVERIFY(text->text().contains("&lt;b&gt;name&lt;/b&gt; in use"));
        QVERIFY(!p.user->isEnabled());

        box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        for (QWidget *w : {static_cast<QWidget *>(p.user), static_cast<QWidget *>(p.email),
                           static_cast<QWidget *>(p.password), static_cast<QWidget *>(p.repeat),
                           static_cast<QWidget *>(p.create), static_cast<QWidget *>(p.cancel)})
            QVERIFY(w->isEnabled());
        QVERIFY(p.age->isChecked());
    }

    void successLogsInOrLeadsBackToTheLoginPage()
    {
        RegistrationPage p;
        p.fill(" alice ", "a@b.cd", "secret1", "secret1");
        QSignalSpy login(p.page, &CreateUserWindow::doLogin);
        QSignalSpy cancelled(p.page, &CreateUserWindow::cancelPressed);
        p.create->click();
        p.page->onRegisterSucceeded(false);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(login.size(), 0);
        QVERIFY(!p.page->isRegistered());
        QVERIFY(p.user->isEnabled());
        QVERIFY(p.create->isEnabled());
        auto *box = p.page->findChild<ModelessMsgBox::MsgBox *>();
        QVERIFY(box);
        box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(cancelled.size(), 1);

        p.create->click();
        p.page->onRegisterSucceeded(true);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(p.page->isRegistered());
        QCOMPARE(login.size(), 1);
        QCOMPARE(login.at(0).at(0).toString(), QStringLiteral("alice"));
        QCOMPARE(login.at(0).at(1).toString(), QStringLiteral("secret1"));
    }

    void cancelRestoresOnlyItsOwnCursor()
    {
        RegistrationPage p;
        QSignalSpy cancelled(p.page, &CreateUserWindow::cancelPressed);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        p.cancel->click();
        QCOMPARE(cancelled.size(), 1);
        QVERIFY(QApplication::overrideCursor());
        QApplication::restoreOverrideCursor();
    }
};

MAHJONG_TEST_MAIN(TestCreateUserWindow)
#include "tst_createuserwindow.moc"
