#include "ui/web/LocalPageSchemeHandler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

const QString commonFolder = QStringLiteral("common");

// The path's pieces when every one is a plain name: no "." or "..", no empty piece
// (which an absolute or doubled path would give), no backslash.
QStringList plainPieces(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return {};
    const QStringList pieces = path.mid(1).split(QLatin1Char('/'));
    for (const QString &piece : pieces) {
        if (piece.isEmpty() || piece == QLatin1String(".") || piece == QLatin1String("..")
            || piece.contains(QLatin1Char('\\')) || piece.contains(QChar(0)))
            return {};
    }
    return pieces;
}

QString existingFile(const QStringList &dirs, const QString &relative)
{
    for (const QString &dir : dirs) {
        const QString candidate = dir + QLatin1Char('/') + relative;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace

LocalPageSchemeHandler::LocalPageSchemeHandler(QObject *parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

void LocalPageSchemeHandler::installOn(QWebEngineProfile *profile)
{
    if (!profile->urlSchemeHandler(scheme))
        profile->installUrlSchemeHandler(scheme, new LocalPageSchemeHandler(profile));
}

QString LocalPageSchemeHandler::fileFor(const QString &path)
{
    QStringList pieces = plainPieces(path);
    if (pieces.isEmpty())
        return {};
    const QStringList languageDirs = QDir::searchPaths(QLatin1String(scheme));
    if (pieces.size() > 1 && pieces.first() == commonFolder) {
        pieces.removeFirst();
        QStringList commonDirs;
        for (const QString &dir : languageDirs)
            commonDirs << QFileInfo(dir).path() + QLatin1Char('/') + commonFolder;
        commonDirs.removeDuplicates();
        return existingFile(commonDirs, pieces.join(QLatin1Char('/')));
    }
    return existingFile(languageDirs, pieces.join(QLatin1Char('/')));
}

void LocalPageSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString fileName = fileFor(job->requestUrl().path(QUrl::FullyDecoded));
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto *buffer = new QBuffer(job);
    buffer->setData(file.readAll());
    buffer->open(QIODevice::ReadOnly);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    job->reply(type.name().toUtf8(), buffer);
}

void registerWebSchemes()
{
    QWebEngineUrlScheme localPages(LocalPageSchemeHandler::scheme);
    localPages.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    localPages.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme
                        | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(localPages);
}
