#pragma once

#include <QString>

// What the platform installer provides elsewhere, for Linux: the installer's
// settings store with its "Installer Language", and starting a downloaded
// client installer, which Linux leaves to its package manager.
namespace InstallerLayer {

// The installer's store: organisation "Pellandor", application "Installer".
// "Installer Language" holds either a Windows language id (such as 1041) or
// a locale name (such as "ja_JP"). Returns the locale name, or empty.
QString installerLocaleName();

// The locale name of a Windows language id, or empty when unknown.
QString localeNameForLanguageId(int id);

// Starts the downloaded installer of a new client. False, with the reason
// for the user in message, where this platform cannot do that.
bool startInstaller(const QString &file, QString *message);

} // namespace InstallerLayer
