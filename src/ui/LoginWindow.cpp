#include "ui/LoginWindow.h"

#include "ui_LoginForm.h"

#include "app/startup/TranslationsManager.h"
#include "app/Utils.h"
#include "ui/BusyCursor.h"
#include "ui/ModelessMsgBox.h"

#include <QDebug>
#include <QEvent>
#include <QMainWindow>
#include <QSignalBlocker>

namespace {

const char *const defaultUrlStyle =
    "font-family: Verdana; font-weight: bold; font-size: 10px; color: rgb(255,244,189); "
    "text-decoration: underline;";

struct Failure
{
    std::int32_t code;
    const char *logLine;
    const char *boxText;
};

const Failure failures[] = {
    {2, "Authentication failed!", nullptr},
    {3, "Login disallowed!",
     QT_TRANSLATE_NOOP("LoginWindow", "You are not allowed to login, please contact support.")},
    {4, "Server error!", QT_TRANSLATE_NOOP("LoginWindow", "Server error!")},
    {5, "Email not verified!",
     QT_TRANSLATE_NOOP("LoginWindow",
                       "You need to verify your email first! Please check your inbox for "
                       "verification email. Contact support if problem persists.")},
    {6, "User self excluded!",
     QT_TRANSLATE_NOOP("LoginWindow",
                       "You have excluded yourself from playing. Contact support if this is "
                       "incorrect.")},
    {7, "Temporary denied!",
     QT_TRANSLATE_NOOP("LoginWindow",
                       "You have made 6 wrong login attempts. For security reasons your account "
                       "will be inactive for 10 minutes.\nIf you do not remember your password "
                       "please reset your password and wait for 10 minutes. If you still have "
                       "problems please contact support.")},
    {8, "IP blacklisted!",
     QT_TRANSLATE_NOOP("LoginWindow", "Your IP address is blacklisted, please contact support.")},
};

const Failure unknownFailure = {
    0, "Unknown login failure!", QT_TRANSLATE_NOOP("LoginWindow", "Unknown login failure!")};

const Failure &failureFor(std::int32_t code)
{
    for (const Failure &failure : failures) {
        if (failure.code == code)
            return failure;
    }
    return unknownFailure;
}

} // namespace

LoginWindow::LoginWindow(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::LoginForm>())
    , m_urlStyle(QString::fromLatin1(defaultUrlStyle))
{
    m_ui->setupUi(this);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
    m_shakeTimer.setSingleShot(true);
    connect(&m_shakeTimer, &QTimer::timeout, this, &LoginWindow::onShakeTimer);
    connect(m_ui->resetPasswordLabel, &QLabel::linkActivated, this, &LoginWindow::resetPassword);
    connect(m_ui->languageSelection, &QComboBox::currentIndexChanged, this,
            &LoginWindow::onLanguageSelectionCurrentIndexChanged);
    retranslate();
}

LoginWindow::~LoginWindow() = default;

void LoginWindow::setUserName(const QString &userName)
{
    m_ui->loginEdit->setText(userName);
    updateLoginButton();
}

void LoginWindow::setPassword(const QString &password)
{
    m_ui->passwordEdit->setText(password);
    updateLoginButton();
}

void LoginWindow::setLoginAllowed(bool allowed)
{
    m_loginAllowed = allowed;
    updateLoginButton();
}

void LoginWindow::setTranslationsManager(TranslationsManager *translations)
{
    m_translations = translations;
    QComboBox *box = m_ui->languageSelection;
    disconnect(box, &QComboBox::currentIndexChanged, this,
               &LoginWindow::onLanguageSelectionCurrentIndexChanged);
    box->clear();
    bool found = false;
    if (translations) {
        const QString current = translations->language();
        for (const TranslationsManager::Language &language : translations->availableLanguages()) {
            box->addItem(QIcon(), language.second, language.first);
            if (language.first == current) {
                box->setCurrentIndex(box->count() - 1);
                found = true;
            }
        }
    }
    connect(box, &QComboBox::currentIndexChanged, this,
            &LoginWindow::onLanguageSelectionCurrentIndexChanged);
    // Selecting the first entry for an unknown language must not switch the language.
    if (!found && box->count() > 0) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(0);
    }
}

void LoginWindow::setInitialFocus()
{
    if (m_ui->loginEdit->text().isEmpty())
        m_ui->loginEdit->setFocus(Qt::OtherFocusReason);
    else
        m_ui->passwordEdit->setFocus(Qt::OtherFocusReason);
}

void LoginWindow::setUrlStyle(const QString &style)
{
    m_urlStyle = style;
    retranslate();
}

// The wait cursor of a login request is held with this page as owner (BusyCursor).
void LoginWindow::onLoginFailed(std::int32_t code)
{
    const Failure &failure = failureFor(code);
    qDebug() << failure.logLine;
    BusyCursor::restore(this);
    if (code == 2) {
        m_ui->passwordEdit->clear();
        m_shakeTimer.start(ShakeIntervalMs);
        return;
    }
    const char *const boxText = failure.boxText;
    ModelessMsgBox::critical(Utils::findMainWindow(),
                             [boxText] { return ModelessMsgBox::Texts{tr("Login failed"), tr(boxText)}; });
    setInitialFocus();
    updateLoginButton();
}

void LoginWindow::onConnecting()
{
    m_connecting = true;
    applyLoginButtonText();
}

void LoginWindow::onConnected()
{
    m_connecting = false;
    applyLoginButtonText();
}

void LoginWindow::applyLoginButtonText()
{
    m_ui->loginButton->setText(m_connecting ? tr("Connecting...") : tr("Log in"));
}

void LoginWindow::onDisconnected()
{
    m_loginAllowed = false;
    updateLoginButton();
}

void LoginWindow::on_loginButton_clicked()
{
    m_ui->loginButton->setEnabled(false);
    emit login(m_ui->loginEdit->text(), m_ui->passwordEdit->text());
}

void LoginWindow::on_createUserButton_clicked()
{
    emit createUser();
}

void LoginWindow::on_loginEdit_textChanged()
{
    updateLoginButton();
}

void LoginWindow::on_passwordEdit_textChanged()
{
    updateLoginButton();
}

void LoginWindow::onShakeTimer()
{
    move(x() + (m_shakeStep % 2 == 0 ? ShakeDistance : -ShakeDistance), y());
    ++m_shakeStep;
    if (m_shakeStep < ShakeMoves) {
        m_shakeTimer.start(ShakeIntervalMs);
    } else {
        m_shakeStep = 0;
        m_shakeTimer.stop();
    }
}

void LoginWindow::onLanguageSelectionCurrentIndexChanged(int index)
{
    if (!m_translations || index < 0)
        return;
    // The box owns this level: the page's own level belongs to a login request.
    QComboBox *box = m_ui->languageSelection;
    BusyCursor::set(box);
    m_translations->setLanguage(box->itemData(index, Qt::UserRole).toString());
    BusyCursor::restore(box);
}

void LoginWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The language may have been chosen elsewhere (the preferences).
        const int index = m_translations ? m_ui->languageSelection->findData(m_translations->language()) : -1;
        if (index >= 0) {
            const QSignalBlocker blocker(m_ui->languageSelection);
            m_ui->languageSelection->setCurrentIndex(index);
        }
    }
    QFrame::changeEvent(event);
}

void LoginWindow::updateLoginButton()
{
    m_ui->loginButton->setEnabled(m_loginAllowed && !m_ui->loginEdit->text().isEmpty()
                                  && !m_ui->passwordEdit->text().isEmpty());
}

void LoginWindow::retranslate()
{
    m_ui->retranslateUi(this);
    applyLoginButtonText();
    m_ui->resetPasswordLabel->setText(
        tr("<a style=\"%1\" href=\"https://www.example.com/reset-password\">Reset password</a>")
            .arg(m_urlStyle));
}
