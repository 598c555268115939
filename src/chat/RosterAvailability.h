#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

#include "chat/XMPPRosterModel.h"

namespace Utils {

// True for an entry whose presence the user receives or has asked for, and whose best
// presence is neither an error nor unavailable.
bool isRosterItemAvailable(const XMPPRosterModel::Item *item);

} // namespace Utils

// The roster as the table invitation dialog takes it: the player ids of the available
// contacts, read from the model at each call.
std::function<std::vector<qint32>()> availableRosterPlayers(const XMPPRosterModel *roster);
