#include "ui/web/LinkDelegatingPage.h"

LinkDelegatingPage::LinkDelegatingPage(QObject *parent)
    : QWebEnginePage(parent)
{
}

bool LinkDelegatingPage::acceptNavigationRequest(const QUrl &url, NavigationType type,
                                                 bool isMainFrame)
{
    if (type == NavigationTypeLinkClicked && isMainFrame) {
        emit linkClicked(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
