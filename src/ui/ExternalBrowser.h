#pragma once

#include <QCoreApplication>

class QUrl;
class QWidget;

// Opens web pages in the system's web browser. A page it cannot hand over (no browser
// on the machine, or none that starts) is logged and shown to the player in a box over
// `parent`, with its address as text to copy into a browser.
class ExternalBrowser
{
    Q_DECLARE_TR_FUNCTIONS(ExternalBrowser)

public:
    // True when a browser took the page.
    static bool open(QWidget *parent, const QUrl &url);
};
