#include "protocol/enums.h"

#include "app/server_error.h"

#include <string>

server_game_state::enum_t server_game_state::fromWire(qint32 value)
{
    if (value == 9)
        return BETWEEN_HANDS;
    if (value < BETWEEN_HANDS || value > LAST_HAND_OVER)
        throw server_error("Unexpected server game state: " + std::to_string(value));
    return static_cast<enum_t>(value);
}

WaitCondition::enum_t WaitCondition::fromWire(qint32 value)
{
    if (value != CLAIMS_ON_DISCARD && value != PLAYER)
        throw server_error("Unexpected wait condition: " + std::to_string(value));
    return static_cast<enum_t>(value);
}

kick_reason::enum_t kick_reason::fromWire(qint32 value)
{
    if (value < KICKED || value > TABLE_REMOVED)
        throw server_error("Unexpected kick reason: " + std::to_string(value));
    return static_cast<enum_t>(value);
}

join_failed_reason::enum_t join_failed_reason::fromWire(qint32 value)
{
    return static_cast<enum_t>(value);
}

tmnt_register_failed_reason::enum_t tmnt_register_failed_reason::fromWire(qint32 value)
{
    if (value < 1 || value > 7)
        throw server_error("Unexpected join failed reason: " + std::to_string(value));
    return static_cast<enum_t>(value - 1);
}

MttDiscardedReason::enum_t MttDiscardedReason::fromWire(qint32 value)
{
    return static_cast<enum_t>(value);
}
