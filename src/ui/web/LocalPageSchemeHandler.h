#pragma once

#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves the client's local pages: "localwww:/<file>" from the "localwww" search path
// (the language's folder, then English) and "localwww:/common/<file>" from the shared
// folder of the skin's pages. Only GET; nothing outside those folders.
class LocalPageSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static constexpr char scheme[] = "localwww";

    explicit LocalPageSchemeHandler(QObject *parent);

    // Installs a handler on the profile unless it has one.
    static void installOn(QWebEngineProfile *profile);

    // The file that serves the URL's path; empty when there is none.
    static QString fileFor(const QString &path);

    void requestStarted(QWebEngineUrlRequestJob *job) override;
};

// Registers the "localwww" scheme with the web engine; called before the application
// object is built.
void registerWebSchemes();
