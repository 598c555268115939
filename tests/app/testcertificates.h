#pragma once

#include <QString>

// A throw-away certificate authority and a server certificate it signed for
// "localhost" and 127.0.0.1, made with the openssl tool into a directory.
struct TestCertificates
{
    QString caFile;
    QString serverCertFile;
    QString serverKeyFile;
    QString error;

    // Creates "<name>-ca.pem", "<name>-server.pem" and "<name>-server.key" in dir.
    static TestCertificates create(const QString &dir, const QString &name);
};
