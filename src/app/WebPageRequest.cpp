#include "app/WebPageRequest.h"

#include <array>

namespace {

constexpr std::array<const char *, 14> names = {
    "POST_REGISTRATION", "ACCOUNT", "FULL_REGISTRATION", "INTERNAL_WELCOME", "INTERNAL_HOWTO",
    "SUPPORT", "HELP", "RULES_CLASSIC", "RULES_INTERNATIONAL", "RULES_RIICHI", "TERMS",
    "RESET_PASSWORD", "ADVERTISEMENT_LOBBY_SIDE", "ADVERTISEMENT_OVERLAY",
};

} // namespace

const char *WebPageRequest::name(int kind)
{
    if (kind < 0 || kind >= int(names.size()))
        return "<undefined>";
    return names[std::size_t(kind)];
}
