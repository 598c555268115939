#pragma once

#include <QMetaType>

// The server's enumerations, each with the conversion of its wire value. A wire value
// without a meaning in the client throws server_error.

namespace server_game_state {
// 0 between hands, 1-6 a hand in play, 7-8 a hand that is over.
enum enum_t : int {
    BETWEEN_HANDS = 0,
    FIRST_IN_PLAY = 1,
    LAST_IN_PLAY = 6,
    FIRST_HAND_OVER = 7,
    LAST_HAND_OVER = 8,
};
// The wire's 9 is read as 0.
enum_t fromWire(qint32 value);
} // namespace server_game_state

namespace WaitCondition {
enum enum_t : int {
    CLAIMS_ON_DISCARD = 0,
    PLAYER = 1,
};
enum_t fromWire(qint32 value);
} // namespace WaitCondition

namespace kick_reason {
enum enum_t : int {
    KICKED = 0,
    REMOVED = 1, // shown as a kick too
    NOT_ENOUGH_FUNDS = 2,
    NO_BOX = 3,
    SERVER_ERROR = 4,
    MAINTENANCE = 5,
    TABLE_REMOVED = 6,
};
enum_t fromWire(qint32 value);
} // namespace kick_reason

namespace join_failed_reason {
// Other values are possible and passed on.
enum enum_t : int {
    NOT_ALLOWED = 0,
    JOIN_ERROR = 1,
    TABLE_FULL = 2,
    TABLE_IN_PLAY = 3,
    NOT_ENOUGH_MONEY = 4,
    SAME_IP_ADDRESS = 5,
    NOT_ALLOWED_ON_MONEY_TABLES = 6,
    NOT_FULLY_REGISTERED = 7,
    MAINTENANCE = 8,
    TABLE_SOON_REMOVED = 9,
};
enum_t fromWire(qint32 value);
} // namespace join_failed_reason

namespace tmnt_register_failed_reason {
enum enum_t : int {
    FAILED = 0,
    DENIED = 1,
    INSUFFICIENT_FUNDS = 2,
    TOURNAMENT_FULL = 3,
    ACCESS_DENIED = 4,
    ALREADY_REGISTERED = 5,
    TOURNAMENT_RUNNING = 6,
};
// Wire values 1-7 are 0-6.
enum_t fromWire(qint32 value);
} // namespace tmnt_register_failed_reason

namespace MttDiscardedReason {
// Other values are possible and passed on; they show nothing.
enum enum_t : int {
    LAST_TO_REGISTER = 0,
    OFFLINE_AT_REGISTRATION_CLOSE = 1,
};
enum_t fromWire(qint32 value);
} // namespace MttDiscardedReason

Q_DECLARE_METATYPE(server_game_state::enum_t)
Q_DECLARE_METATYPE(WaitCondition::enum_t)
Q_DECLARE_METATYPE(kick_reason::enum_t)
Q_DECLARE_METATYPE(join_failed_reason::enum_t)
Q_DECLARE_METATYPE(tmnt_register_failed_reason::enum_t)
Q_DECLARE_METATYPE(MttDiscardedReason::enum_t)
