#pragma once

#include <QPointer>
#include <QWebEngineView>

class QWebEngineCertificateError;
class QWebEngineProfile;

// The web view of the browser dialog. All such views share one browser profile, so a
// cookie set in one dialog is sent by every later one; certificate errors are logged
// and refused; a page that opens a window gets a new browser dialog of the owner window.
class EmbeddedWebView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit EmbeddedWebView(QWidget *parent);
    ~EmbeddedWebView() override;

    // The profile of every browser dialog; it lives until the application ends.
    static QWebEngineProfile *sharedProfile();

    // The window whose children new browser dialogs become.
    QWidget *ownerWindow() const { return m_owner; }
    void setOwnerWindow(QWidget *owner) { m_owner = owner; }

    // Where a new browser dialog goes: 24 pixels right of and below the farthest open
    // ones, or the owner's corner when that leaves less than 64 pixels of the owner.
    static QPoint newWindowPosition(const QWidget *owner);

public slots:
    void onCertificateError(const QWebEngineCertificateError &error);

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    QPointer<QWidget> m_owner;
};
