#pragma once

// Why the server refused the use of a table.
enum class UsageReason {
    JoinRefused = 0,
    WatchRefused = 1,
};
