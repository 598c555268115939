#pragma once

#include <QFrame>
#include <QString>

#include <memory>

namespace Ui {
class CreateUserForm;
}

// The registration page. Every field is checked as the user types; "Create User" is
// enabled only when all checks pass and both boxes are ticked. The page emits
// registerUser() and waits for the player directory's answer: success logs the new user
// in through doLogin(), a refusal shows the server's reason.
class CreateUserWindow : public QFrame
{
    Q_OBJECT

public:
    static constexpr int MinUserNameLength = 3;
    static constexpr int MaxUserNameLength = 16;
    static constexpr int MinPasswordLength = 6;
    static constexpr int MaxPasswordLength = 20;
    static constexpr int MinimumAge = 18;

    explicit CreateUserWindow(QWidget *parent = nullptr);
    ~CreateUserWindow() override;

    bool isRegistered() const { return m_registered; }

signals:
    // The trimmed user name, the password and the e-mail address as typed.
    void registerUser(const QString &userName, const QString &password, const QString &email);
    void doLogin(const QString &userName, const QString &password);
    void cancelPressed();
    void termsPressed();

public slots:
    void onRegisterSucceeded(bool flag);
    void onRegisterFailed(const QString &reason);

    void on_createButton_clicked();
    void on_cancelButton_clicked();
    void on_ageCheckBox_stateChanged();
    void on_tcCheckBox_stateChanged();
    void on_loginEdit_textChanged();
    void on_passwordEdit_textChanged();
    void on_repeatPasswordEdit_textChanged();
    void on_emailEdit_textChanged();
    void on_loginEdit_editingFinished();
    void on_emailEdit_editingFinished();
    void on_passwordEdit_editingFinished();
    void on_repeatPasswordEdit_editingFinished();

protected:
    void changeEvent(QEvent *event) override;

private:
    bool userNameValid() const;
    bool emailValid() const;
    bool passwordValid() const;
    bool repeatValid() const;
    bool allValid() const;

    void showUserNameValidation();
    void showEmailValidation();
    void showPasswordValidation();
    void showRepeatValidation();
    void updateCreateButton();
    void setInputEnabled(bool enabled);
    void setTexts();

    std::unique_ptr<Ui::CreateUserForm> m_ui;
    bool m_userNameEdited = false;
    bool m_emailEdited = false;
    bool m_passwordEdited = false;
    bool m_repeatPasswordEdited = false;
    bool m_registered = false;
};
