#pragma once

#include <QList>
#include <QSslCertificate>

// Makes the CA certificates found under the "resources" search path the only
// trusted roots of every TLS connection opened afterwards (game server, chat
// server, documents): every certificate file (PEM or DER) in the "ca-certs"
// folder of each search directory, so a directory given with the search-path
// option adds its own. When none is found, the default roots stay as they are
// and a warning is logged. Returns the certificates now trusted.
QList<QSslCertificate> loadCaCertificates();
