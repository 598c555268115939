#pragma once

#include <QIcon>

#include "chat/XMPPRosterModelProxy.h"

class PlayerDb;

// The friends list's view of the roster: each entry as the player's name with a
// presence icon and a tool tip saying how the friend is.
class FriendsRosterModel : public XMPPRosterModelProxy
{
    Q_OBJECT

public:
    FriendsRosterModel(XMPPRosterModel *roster, PlayerDb *playerDb, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // "offline", "online", "away", "talkative", "busy" by availability number.
    static QString availabilityName(int availability, bool capitalize);
    static QIcon presenceIcon(const XMPPRosterModel::Item &item);
    QString toolTip(const XMPPRosterModel::Item &item) const;

public slots:
    void onPlayerNameUpdate(qint32 id, const QString &name);

private:
    PlayerDb *m_playerDb;
};
