#include "app/startup/FileLoader.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace {

constexpr int transferTimeout = 30000;

} // namespace

FileLoader::FileLoader(QNetworkAccessManager *network, QObject *parent)
    : QObject(parent)
    , m_network(network)
{
}

FileLoader::~FileLoader()
{
    abort();
}

void FileLoader::fetch(const QUrl &url)
{
    abort();
    start(url);
}

void FileLoader::download(const QUrl &url, const QString &file)
{
    abort();
    QDir().mkpath(QFileInfo(file).path());
    m_file = std::make_unique<QSaveFile>(file);
    if (!m_file->open(QIODevice::WriteOnly)) {
        const QString error = QStringLiteral("cannot write %1: %2").arg(file, m_file->errorString());
        m_file.reset();
        fail(error);
        return;
    }
    start(url);
}

void FileLoader::abort()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_reply = nullptr;
    m_file.reset();
    m_data.clear();
}

void FileLoader::start(const QUrl &url)
{
    qWarning().noquote() << QStringLiteral(" [INFO ] fetching %1").arg(url.toString());
    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeout);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &FileLoader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &FileLoader::onFinished);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &FileLoader::progress);
}

void FileLoader::onReadyRead()
{
    if (!m_reply)
        return;
    if (m_file) {
        if (m_file->write(m_reply->readAll()) < 0)
            fail(QStringLiteral("cannot write %1: %2").arg(m_file->fileName(), m_file->errorString()));
        return;
    }
    const qint64 announced =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > maxDocumentSize
        || m_data.size() + m_reply->bytesAvailable() > maxDocumentSize) {
        fail(QStringLiteral("document %1 is larger than %2 bytes")
                 .arg(m_reply->url().toString(), QString::number(maxDocumentSize)));
        return;
    }
    m_data += m_reply->readAll();
}

void FileLoader::onFinished()
{
    if (!m_reply)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(QStringLiteral("%1: %2").arg(m_reply->url().toString(), m_reply->errorString()));
        return;
    }
    onReadyRead();
    if (!m_reply)
        return;

    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_file) {
        const std::unique_ptr<QSaveFile> file = std::move(m_file);
        if (!file->commit()) {
            emit failed(QStringLiteral("cannot write %1: %2").arg(file->fileName(), file->errorString()));
            return;
        }
        emit saved(file->fileName());
        return;
    }
    const QByteArray data = std::move(m_data);
    m_data.clear();
    emit finished(data);
}

void FileLoader::fail(const QString &error)
{
    abort();
    emit failed(error);
}
