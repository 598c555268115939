#pragma once

#include <QString>

namespace UserPaths {

// The user's own directory for the log file, the single-instance lock and
// downloads: the per-user cache location (never the shared temporary
// directory, where other users could plant or read files). Created on demand.
QString temporaryDirectory();

} // namespace UserPaths
