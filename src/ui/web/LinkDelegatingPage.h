#pragma once

#include <QUrl>
#include <QWebEnginePage>

// A page that keeps its own document: a link the user clicks in the main frame is not
// followed but reported through linkClicked(), for the client to open where it belongs.
class LinkDelegatingPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit LinkDelegatingPage(QObject *parent);

signals:
    void linkClicked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
