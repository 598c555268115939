#pragma once

#include <QList>
#include <QSslCertificate>

// Makes the CA certificates found under the "resources" search path the only
// trusted roots of every TLS connection opened afterwards (game server, chat
// server, documents): the files in each search directory's "ca-certs" folder
// and the certificate files (*.pem, *.crt, *.cer, *.der) lying directly in a
// search directory. When none is found, the default roots stay as they are and
// a warning is logged. Returns the certificates now trusted.
QList<QSslCertificate> loadCaCertificates();
