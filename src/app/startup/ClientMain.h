#pragma once

#include <QString>

// The whole client: the command line, the application object, the log, the style, the
// single instance, the translations, the certificates, start-up and the event loop.
// Returns the process's exit code. The skin word names the compiled-in skin.
int clientMain(int argc, char *argv[], const QString &skin);
