#pragma once

#include <QString>

// The platform and operating system the client runs on, as the server is told.
struct system_info_t
{
    enum platform_t { UNKNOWN = 0, WINDOWS = 1, MAC_OS_X = 2 };

    int platform = UNKNOWN;
    QString os;
    QString osVersion;

    // The system the client runs on. Linux is a platform the server does not know.
    static system_info_t current();

    // "unknown", "windows" or "mac"; "unknown" for any other value.
    static QString platformName(int platform);
    QString platformName() const { return platformName(platform); }
    QString osName() const { return os; }
    QString osVersionText() const { return osVersion; }
};
