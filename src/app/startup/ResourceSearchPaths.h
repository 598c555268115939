#pragma once

#include <QString>
#include <QStringList>

// The compiled-in root of the translations: one folder per language code.
inline constexpr char translationsRoot[] = ":/i18n";

// Registers the QDir search prefixes through which every resource is read:
// "resources" (the given directories first, then the compiled-in root of the
// chosen skin, which is complete), "sounds", "avatars", "textimages",
// "localwww" and "translations". The language folders of "textimages" and
// "localwww" start at English; TranslationsManager re-points them.
void setupResourceSearchPaths(const QStringList &searchDirs, const QString &skin);

// Points "textimages" and "localwww" below every "resources" directory at the
// folders of the language, each followed by the English folder as fallback.
void setLanguageSearchPaths(const QString &language);

// The folder of that name below each of the roots, in their order.
QStringList subfolders(const QStringList &roots, const QString &folder);
