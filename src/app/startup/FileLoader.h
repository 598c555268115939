#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

// Fetches one document into memory or downloads one file to disk over HTTP(S).
// Exactly one of finished/saved or failed is emitted per request.
class FileLoader : public QObject
{
    Q_OBJECT

public:
    // The largest document fetch() accepts.
    static constexpr qint64 maxDocumentSize = 1024 * 1024;

    explicit FileLoader(QNetworkAccessManager *network, QObject *parent = nullptr);
    ~FileLoader() override;

    void fetch(const QUrl &url);
    // Written atomically: the file appears only when the download is complete.
    void download(const QUrl &url, const QString &file);
    void abort();

signals:
    void finished(const QByteArray &data);
    void saved(const QString &file);
    void failed(const QString &error);
    void progress(qint64 received, qint64 total);

private:
    void start(const QUrl &url);
    void onReadyRead();
    void onFinished();
    void fail(const QString &error);

    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_data;
};
