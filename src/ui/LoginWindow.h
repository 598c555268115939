#pragma once

#include <QFrame>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class TranslationsManager;

namespace Ui {
class LoginForm;
}

// The login page: user name, password, the interface language and the links to
// registration and password reset. It never talks to the server: it emits login() and
// shows the connection manager's progress and refusals, which the main window wires to it.
class LoginWindow : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString urlStyle READ urlStyle WRITE setUrlStyle)

public:
    static constexpr int ShakeIntervalMs = 100;
    static constexpr int ShakeDistance = 8;
    static constexpr int ShakeMoves = 4;

    explicit LoginWindow(QWidget *parent = nullptr);
    ~LoginWindow() override;

    void setUserName(const QString &userName);
    void setPassword(const QString &password);
    void setLoginAllowed(bool allowed);
    void setTranslationsManager(TranslationsManager *translations);
    void setInitialFocus();

    QString urlStyle() const { return m_urlStyle; }
    void setUrlStyle(const QString &style);

signals:
    void login(const QString &userName, const QString &password);
    void createUser();
    void resetPassword();

public slots:
    void onLoginFailed(std::int32_t code);
    void onConnecting();
    void onConnected();
    void onDisconnected();
    void on_loginButton_clicked();
    void on_createUserButton_clicked();
    void on_loginEdit_textChanged();
    void on_passwordEdit_textChanged();
    void onShakeTimer();
    void onLanguageSelectionCurrentIndexChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateLoginButton();
    void retranslate();
    void applyLoginButtonText();

    std::unique_ptr<Ui::LoginForm> m_ui;
    bool m_loginAllowed = false;
    bool m_connecting = false;
    QTimer m_shakeTimer;
    int m_shakeStep = 0;
    TranslationsManager *m_translations = nullptr;
    QString m_urlStyle;
};
