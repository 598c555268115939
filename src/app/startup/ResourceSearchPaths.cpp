#include "app/startup/ResourceSearchPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString english = QStringLiteral("en");

QStringList languageFolders(const QStringList &roots, const QString &folder, const QString &language)
{
    QStringList dirs;
    for (const QString &root : roots) {
        if (!language.isEmpty() && language != english)
            dirs << QStringLiteral("%1/%2/%3").arg(root, folder, language);
        dirs << QStringLiteral("%1/%2/%3").arg(root, folder, english);
    }
    return dirs;
}

} // namespace

QStringList subfolders(const QStringList &roots, const QString &folder)
{
    QStringList dirs;
    for (const QString &root : roots)
        dirs << root + QLatin1Char('/') + folder;
    return dirs;
}

void setupResourceSearchPaths(const QStringList &searchDirs, const QString &skin)
{
    QStringList onDisk;
    for (const QString &dir : searchDirs)
        onDisk << QFileInfo(dir).absoluteFilePath();

    // Each compiled-in skin is complete (the product skin is built over the default
    // one), so only the chosen skin follows the directories given on the command line.
    QStringList roots = onDisk;
    roots << QStringLiteral(":/") + skin;
    roots.removeDuplicates();

    QDir::setSearchPaths(QStringLiteral("resources"), roots);
    QDir::setSearchPaths(QStringLiteral("sounds"), subfolders(roots, QStringLiteral("sounds")));
    QDir::setSearchPaths(QStringLiteral("avatars"), subfolders(roots, QStringLiteral("avatars")));
    QDir::setSearchPaths(QStringLiteral("translations"),
                         subfolders(onDisk, QStringLiteral("translations"))
                             << QString::fromLatin1(translationsRoot));
    setLanguageSearchPaths(english);
}

void setLanguageSearchPaths(const QString &language)
{
    const QStringList roots = QDir::searchPaths(QStringLiteral("resources"));
    QDir::setSearchPaths(QStringLiteral("textimages"),
                         languageFolders(roots, QStringLiteral("text-images"), language));
    QDir::setSearchPaths(QStringLiteral("localwww"),
                         languageFolders(roots, QStringLiteral("www"), language));
}
