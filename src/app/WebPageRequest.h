#pragma once

#include "app/MetaTypes.h"

#include <QMetaType>

// The kinds of web page the client asks the server for.
namespace WebPageRequest {

enum enum_t {
    POST_REGISTRATION = 0,
    ACCOUNT = 1,
    FULL_REGISTRATION = 2,
    INTERNAL_WELCOME = 3,
    INTERNAL_HOWTO = 4,
    SUPPORT = 5,
    HELP = 6,
    RULES_CLASSIC = 7,
    RULES_INTERNATIONAL = 8,
    RULES_RIICHI = 9,
    TERMS = 10,
    RESET_PASSWORD = 11,
    ADVERTISEMENT_LOBBY_SIDE = 12,
    ADVERTISEMENT_OVERLAY = 13,
    RULES_HONGKONG = 14,
};

// The constant's name for the log, "<undefined>" from RULES_HONGKONG on.
const char *name(int kind);

} // namespace WebPageRequest

Q_DECLARE_METATYPE(WebPageRequest::enum_t)

MAHJONG_REGISTER_METATYPE(WebPageRequest::enum_t, webPageRequest)
