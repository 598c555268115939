#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QString>

#include <map>
#include <vector>

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPPresence.h"

class XMPPClient;

// The user's friends as the chat server keeps them, one row per roster entry in the
// order of arrival, each with the last presence of every connected resource. Rows
// come from roster answers and pushes, presences from presence stanzas.
class XMPPRosterModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    struct Item
    {
        XMPPJid jid;
        QString name;
        QString group;
        int subscription = 0;
        // By resource, in ascending order.
        std::map<QString, XMPPPresence> presences;

        // The presence of the highest rank; among equal ranks the one of the smallest
        // resource. Null without presences.
        const XMPPPresence *bestPresence() const;
        // The best presence's availability; 1 (unavailable) without one.
        int availability() const;
    };

    explicit XMPPRosterModel(XMPPClient *client, QObject *parent = nullptr);
    ~XMPPRosterModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Items stay valid until the rows change.
    const Item *itemFromIndex(const QModelIndex &index) const;
    const Item *itemFromJid(const XMPPJid &jid) const;
    QModelIndex indexFromJid(const XMPPJid &jid) const;

public slots:
    void onConnected();
    void onDisconnected();
    void onRosterReset();
    void onRosterUpdate(const XMPPJid &jid, int subscription, bool remove, const QString &name,
                        const QString &group);
    void onPresence(const XMPPPresence &presence);
    void onAuthorizationRequestReceived(const XMPPJid &jid);

private:
    int rowOf(const XMPPJid &bare) const;

    XMPPClient *m_client;
    std::vector<Item> m_items;
    QHash<XMPPJid, int> m_rows;
};
