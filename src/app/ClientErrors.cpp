#include "app/ClientErrors.h"

Q_LOGGING_CATEGORY(clientErrors, "mahjong.errors")
