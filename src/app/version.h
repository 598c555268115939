#pragma once

#include <QString>

// The client's version, "3.2.4"; the main window's title ends with it.
QString clientVersionString();
