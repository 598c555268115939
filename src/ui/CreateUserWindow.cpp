#include "ui/CreateUserWindow.h"

#include "ui_CreateUserForm.h"

#include "ui/BusyCursor.h"
#include "ui/ModelessMsgBox.h"

#include <QDebug>
#include <QEvent>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

const char *const termsLinkStyle =
    "font-family: Verdana; font-weight: bold; font-size: 12px; color: rgb(255,244,189); "
    "text-decoration: underline;";

// A validation label keeps its height with a single blank when its check passes.
const QString passed = QStringLiteral(" ");

const QRegularExpression &emailPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^.+@[^\\.].*\\.[a-z]{2,}$"));
    return pattern;
}

} // namespace

CreateUserWindow::CreateUserWindow(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::CreateUserForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->tcUrl, &QLabel::linkActivated, this, &CreateUserWindow::termsPressed);
    setTexts();
    m_ui->userNameValidationLabel->setText(passed);
    m_ui->emailValidationLabel->setText(passed);
    m_ui->passwordValidationLabel->setText(passed);
    m_ui->repeatPasswordValidationLabel->setText(passed);
    updateCreateButton();
}

CreateUserWindow::~CreateUserWindow() = default;

bool CreateUserWindow::userNameValid() const
{
    const qsizetype length = m_ui->loginEdit->text().trimmed().size();
    return length >= MinUserNameLength && length <= MaxUserNameLength;
}

bool CreateUserWindow::emailValid() const
{
    return emailPattern().match(m_ui->emailEdit->text().trimmed()).hasMatch();
}

bool CreateUserWindow::passwordValid() const
{
    const qsizetype length = m_ui->passwordEdit->text().size();
    return length >= MinPasswordLength && length <= MaxPasswordLength;
}

bool CreateUserWindow::repeatValid() const
{
    return m_ui->passwordEdit->text() == m_ui->repeatPasswordEdit->text();
}

bool CreateUserWindow::allValid() const
{
    return userNameValid() && emailValid() && passwordValid() && repeatValid()
        && m_ui->ageCheckBox->checkState() == Qt::Checked
        && m_ui->tcCheckBox->checkState() == Qt::Checked;
}

void CreateUserWindow::showUserNameValidation()
{
    m_ui->userNameValidationLabel->setText(
        userNameValid() ? passed
                        : tr("User name must contain between %1 and %2 characters")
                              .arg(MinUserNameLength)
                              .arg(MaxUserNameLength));
}

void CreateUserWindow::showEmailValidation()
{
    m_ui->emailValidationLabel->setText(emailValid() ? passed
                                                     : QStringLiteral("Email address is invalid"));
}

void CreateUserWindow::showPasswordValidation()
{
    m_ui->passwordValidationLabel->setText(
        passwordValid() ? passed
                        : tr("Password must contain between %1 and %2 characters")
                              .arg(MinPasswordLength)
                              .arg(MaxPasswordLength));
}

void CreateUserWindow::showRepeatValidation()
{
    m_ui->repeatPasswordValidationLabel->setText(repeatValid() ? passed
                                                               : tr("Repeated password doesn't match"));
}

void CreateUserWindow::updateCreateButton()
{
    m_ui->createButton->setEnabled(allValid());
}

void CreateUserWindow::setInputEnabled(bool enabled)
{
    m_ui->loginEdit->setEnabled(enabled);
    m_ui->passwordEdit->setEnabled(enabled);
    m_ui->repeatPasswordEdit->setEnabled(enabled);
    m_ui->emailEdit->setEnabled(enabled);
    m_ui->createButton->setEnabled(enabled);
    m_ui->cancelButton->setEnabled(enabled);
}

void CreateUserWindow::on_createButton_clicked()
{
    if (!allValid())
        return;
    setInputEnabled(false);
    BusyCursor::set(this);
    emit registerUser(m_ui->loginEdit->text().trimmed(), m_ui->passwordEdit->text(),
                      m_ui->emailEdit->text());
}

void CreateUserWindow::onRegisterSucceeded(bool flag)
{
    qDebug() << "new user successfully registered!";
    BusyCursor::restore(this);
    if (flag) {
        // The fields stay disabled: the login that follows leaves this page.
        m_registered = true;
        emit doLogin(m_ui->loginEdit->text().trimmed(), m_ui->passwordEdit->text());
        return;
    }
    // No login follows: say so, and take the user back to the login page.
    setInputEnabled(true);
    updateCreateButton();
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::information(this, [] {
        return ModelessMsgBox::Texts{tr("Register User"), tr("Your account has been created. You can now log in.")};
    });
    ModelessMsgBox::connectFinished(box, this, [this](int) { emit cancelPressed(); });
}

void CreateUserWindow::onRegisterFailed(const QString &reason)
{
    qDebug() << "failed registering new user!";
    BusyCursor::restore(this);
    const QString text = Qt::convertFromPlainText(reason, Qt::WhiteSpaceNormal);
    ModelessMsgBox::MsgBox *box =
        ModelessMsgBox::critical(this, [text] { return ModelessMsgBox::Texts{tr("Register User"), text}; });
    ModelessMsgBox::connectFinished(box, this, [this](int) {
        setInputEnabled(true);
        updateCreateButton();
    });
}

void CreateUserWindow::on_cancelButton_clicked()
{
    emit cancelPressed();
    BusyCursor::restore(this);
}

void CreateUserWindow::on_ageCheckBox_stateChanged()
{
    updateCreateButton();
}

void CreateUserWindow::on_tcCheckBox_stateChanged()
{
    updateCreateButton();
}

void CreateUserWindow::on_loginEdit_textChanged()
{
    updateCreateButton();
    if (m_userNameEdited)
        showUserNameValidation();
}

void CreateUserWindow::on_emailEdit_textChanged()
{
    updateCreateButton();
    if (m_emailEdited)
        showEmailValidation();
}

void CreateUserWindow::on_passwordEdit_textChanged()
{
    updateCreateButton();
    if (m_passwordEdited) {
        showPasswordValidation();
        if (m_repeatPasswordEdited)
            showRepeatValidation();
    }
}

void CreateUserWindow::on_repeatPasswordEdit_textChanged()
{
    updateCreateButton();
    if (m_repeatPasswordEdited) {
        showRepeatValidation();
        if (m_passwordEdited)
            showPasswordValidation();
    }
}

void CreateUserWindow::on_loginEdit_editingFinished()
{
    if (m_userNameEdited || !m_ui->loginEdit->text().isEmpty()) {
        m_userNameEdited = true;
        showUserNameValidation();
    }
}

void CreateUserWindow::on_emailEdit_editingFinished()
{
    if (m_emailEdited || !m_ui->emailEdit->text().isEmpty()) {
        m_emailEdited = true;
        showEmailValidation();
    }
}

void CreateUserWindow::on_passwordEdit_editingFinished()
{
    if (m_passwordEdited || !m_ui->passwordEdit->text().isEmpty()) {
        m_passwordEdited = true;
        showPasswordValidation();
    }
}

void CreateUserWindow::on_repeatPasswordEdit_editingFinished()
{
    if (m_repeatPasswordEdited || !m_ui->repeatPasswordEdit->text().isEmpty()) {
        m_repeatPasswordEdited = true;
        showRepeatValidation();
    }
}

void CreateUserWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        // The texts of the old language are dropped until each field is checked again.
        m_ui->userNameValidationLabel->clear();
        m_ui->emailValidationLabel->clear();
        m_ui->passwordValidationLabel->clear();
        m_ui->repeatPasswordValidationLabel->clear();
        setTexts();
    }
    QFrame::changeEvent(event);
}

void CreateUserWindow::setTexts()
{
    m_ui->userNameLabel->setText(tr("User name"));
    m_ui->passwordLabel->setText(tr("Password"));
    m_ui->ageCheckBox->setText(tr("I'm over %L1 years old").arg(MinimumAge));
    m_ui->tcUrl->setText(
        tr("I accept the <a style=\"%1\" href=\"https://www.example.com/terms\">terms and "
           "conditions</a>")
            .arg(QString::fromLatin1(termsLinkStyle)));
}
