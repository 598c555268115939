#include "chat/XMPPRosterModel.h"

#include "chat/xmpp/XMPPClient.h"

#include <QDebug>

const XMPPPresence *XMPPRosterModel::Item::bestPresence() const
{
    const XMPPPresence *best = nullptr;
    for (const auto &entry : presences) {
        if (!best || presenceLessThan(*best, entry.second))
            best = &entry.second;
    }
    return best;
}

int XMPPRosterModel::Item::availability() const
{
    const XMPPPresence *best = bestPresence();
    return best ? best->availability() : 1;
}

XMPPRosterModel::XMPPRosterModel(XMPPClient *client, QObject *parent)
    : QAbstractItemModel(parent), m_client(client)
{
    connect(client, &XMPPClient::connected, this, &XMPPRosterModel::onConnected);
    connect(client, &XMPPClient::disconnected, this, &XMPPRosterModel::onDisconnected);
    connect(client, &XMPPClient::rosterReset, this, &XMPPRosterModel::onRosterReset);
    connect(client, &XMPPClient::rosterUpdate, this, &XMPPRosterModel::onRosterUpdate);
    connect(client, &XMPPClient::presence, this, &XMPPRosterModel::onPresence);
    connect(client, &XMPPClient::authorizationRequestReceived, this,
            &XMPPRosterModel::onAuthorizationRequestReceived);
    if (client->state() == XMPPClient::ConnectedState)
        client->requestRoster();
}

XMPPRosterModel::~XMPPRosterModel() = default;

QModelIndex XMPPRosterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex XMPPRosterModel::parent(const QModelIndex &) const
{
    return QModelIndex();
}

int XMPPRosterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int XMPPRosterModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant XMPPRosterModel::data(const QModelIndex &index, int role) const
{
    const Item *item = itemFromIndex(index);
    if (!item || role != Qt::DisplayRole)
        return QVariant();
    return item->jid.toString();
}

const XMPPRosterModel::Item *XMPPRosterModel::itemFromIndex(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.column() != 0 || index.row() < 0
        || index.row() >= rowCount())
        return nullptr;
    return &m_items[size_t(index.row())];
}

int XMPPRosterModel::rowOf(const XMPPJid &bare) const
{
    return m_rows.value(bare, -1);
}

const XMPPRosterModel::Item *XMPPRosterModel::itemFromJid(const XMPPJid &jid) const
{
    const int row = rowOf(jidBare(jid));
    return row < 0 ? nullptr : &m_items[size_t(row)];
}

QModelIndex XMPPRosterModel::indexFromJid(const XMPPJid &jid) const
{
    const int row = rowOf(jidBare(jid));
    return row < 0 ? QModelIndex() : createIndex(row, 0);
}

void XMPPRosterModel::onConnected()
{
    m_client->requestRoster();
}

void XMPPRosterModel::onDisconnected()
{
    // Rows and presences stay until the next roster answer replaces them.
}

void XMPPRosterModel::onRosterReset()
{
    beginResetModel();
    m_items.clear();
    m_rows.clear();
    endResetModel();
}

void XMPPRosterModel::onRosterUpdate(const XMPPJid &jid, int subscription, bool remove,
                                     const QString &name, const QString &group)
{
    const XMPPJid bare = jidBare(jid);
    const int row = rowOf(bare);
    qDebug().noquote() << QStringLiteral("onRosterUpdate: \"%1\" flags%2 remove %3")
                              .arg(bare.toString(), QString::number(subscription),
                                   remove ? QStringLiteral("true") : QStringLiteral("false"));
    if (row < 0) {
        if (remove)
            return;
        const int last = int(m_items.size());
        beginInsertRows(QModelIndex(), last, last);
        m_items.push_back(Item{bare, name, group, subscription, {}});
        m_rows.insert(bare, last);
        endInsertRows();
        return;
    }
    if (remove) {
        beginRemoveRows(QModelIndex(), row, row);
        m_items.erase(m_items.begin() + row);
        m_rows.remove(bare);
        for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
            if (it.value() > row)
                --it.value();
        }
        endRemoveRows();
        return;
    }
    Item &item = m_items[size_t(row)];
    item.subscription = subscription;
    item.name = name;
    item.group = group;
    const QModelIndex changed = createIndex(row, 0);
    emit dataChanged(changed, changed);
}

void XMPPRosterModel::onPresence(const XMPPPresence &presence)
{
    const XMPPJid from = presence.from();
    const int row = rowOf(jidBare(from));
    if (row < 0)
        return;
    const QString &text = from.toString();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    const QString resource = slash < 0 ? QString() : text.mid(slash + 1);
    Item &item = m_items[size_t(row)];
    switch (presence.availability()) {
    case 0:
        qWarning() << "got error state as presence for a roster item, treating as unavailable";
        Q_FALLTHROUGH();
    case 1: {
        const auto found = item.presences.find(resource);
        if (found == item.presences.end()) {
            qDebug() << "got unavailable presence for roster item with no previous online presence, ignoring";
            return;
        }
        item.presences.erase(found);
        break;
    }
    default:
        item.presences.insert_or_assign(resource, presence);
        break;
    }
    const QModelIndex changed = createIndex(row, 0);
    emit dataChanged(changed, changed);
}

void XMPPRosterModel::onAuthorizationRequestReceived(const XMPPJid &jid)
{
    m_client->answerSubscription(jid, true);
}
