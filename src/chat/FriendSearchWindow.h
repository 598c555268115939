#pragma once

#include <QMenu>
#include <QWidget>

#include <memory>

#include "chat/xmpp/XMPPDataForm.h"
#include "chat/xmpp/XMPPJid.h"

class QAction;
class QTreeWidgetItem;
class XMPPClient;

namespace Ui {
class FriendSearchView;
}

// Looks players up in the chat service's user directory by a part of their name and
// hands on the address of each one the user adds.
class FriendSearchWindow : public QWidget
{
    Q_OBJECT

public:
    FriendSearchWindow(XMPPClient *client, const QString &searchService, QWidget *parent = nullptr);
    ~FriendSearchWindow() override;

    void setSearchText(const QString &text);
    // Sends the search now, or as soon as the service's form has come.
    void startSearch();

signals:
    void selectedJid(const XMPPJid &jid);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onConnected();
    void onDisconnected();
    void onRequestSearchFormError(const QString &requestTag);
    void onRequestSearchFormResult(const XMPPDataForm &form, const QString &requestTag);
    void onSearchReport(const XMPPDataReport &report, const QString &requestTag);
    void onSearchError(const QString &requestTag);
    void on_searchButton_clicked();
    void onSearchInputChanged(const QString &text);
    void onAddAction();
    void onResultTableContextMenu(const QPoint &pos);
    void onSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);

private:
    void requestForm();
    void retranslate();

    XMPPClient *m_client;
    QString m_searchService;
    XMPPDataForm m_form{XMPPDataForm::XData};
    // The position in m_form of the field that takes the text; -1 until a form has one.
    int m_searchField = -1;
    bool m_searchPending = false;
    QAction *m_addAction;
    QMenu m_contextMenu;
    std::unique_ptr<Ui::FriendSearchView> m_ui;
};
