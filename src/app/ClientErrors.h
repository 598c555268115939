#pragma once

#include <QLoggingCategory>

// The client's own failures that the user must see ("mahjong.errors"): a critical
// message of this category shows an error box besides its line in the log, while the
// critical messages of the libraries only go to the log.
Q_DECLARE_LOGGING_CATEGORY(clientErrors)
