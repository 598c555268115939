#pragma once

#include <QApplication>

// The application object: the style, the style sheets and the error boxes of
// the log.
class MahjongApplication : public QApplication
{
    Q_OBJECT

public:
    MahjongApplication(int &argc, char **argv);

    // Sets MahjongStyle, then the style sheets.
    void setupStyle();

    // Shows critical log messages in an error box, and fatal ones in a box
    // that asks the user to send the log file before the process aborts.
    static void installLogAlerts();

public slots:
    // Applies "resources:/defaultui.css" followed by "resources:/customui.css".
    void loadStyleSheet();
};
