#include "chat/RosterAvailability.h"

#include "app/Utils.h"
#include "connection/PlayerDb.h"

#include <QPointer>

namespace Utils {

bool isRosterItemAvailable(const XMPPRosterModel::Item *item)
{
    if (!item || !isPresenceAvailable(item->subscription))
        return false;
    const XMPPPresence *best = item->bestPresence();
    return best && best->availability() > 1;
}

} // namespace Utils

std::function<std::vector<qint32>()> availableRosterPlayers(const XMPPRosterModel *roster)
{
    return [model = QPointer<const XMPPRosterModel>(roster)] {
        std::vector<qint32> players;
        if (!model)
            return players;
        for (int row = 0; row < model->rowCount(); ++row) {
            const XMPPRosterModel::Item *item = model->itemFromIndex(model->index(row, 0));
            if (!Utils::isRosterItemAvailable(item))
                continue;
            const qint32 id = PlayerDb::playerIdFromJid(item->jid);
            if (id >= 0)
                players.push_back(id);
        }
        return players;
    };
}
