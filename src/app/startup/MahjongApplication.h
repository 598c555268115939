#pragma once

#include "ui/DebugDialog.h"

#include <QApplication>
#include <QPointer>

class ConnectionManager;

// The application object: the style, the style sheets, the error boxes of the log
// and, for developers, the debug window.
class MahjongApplication : public QApplication
{
    Q_OBJECT

public:
    MahjongApplication(int &argc, char **argv);
    ~MahjongApplication() override;

    // Sets MahjongStyle, then the style sheets.
    void setupStyle();

    // Shows critical log messages in an error box, and fatal ones in a box
    // that asks the user to send the log file before the process aborts.
    static void installLogAlerts();

    // Opens the debug window, which from then on also shows the style-sheet path of
    // the widget under the mouse.
    void openDebugDialog();
    DebugDialog *debugDialog() const { return m_debugDialog; }
    // Hands the game connection's byte counters to the debug window when it is open.
    void startNetworkStats(ConnectionManager *connectionManager);

    // The style-sheet path of a widget: its ancestors and itself from the top-level
    // window down, each as "Class#objectName" (or "Class"), joined with " > ".
    static QString styleSheetPath(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    // Applies "resources:/defaultui.css" followed by "resources:/customui.css".
    void loadStyleSheet();

private:
    void showCssPath(const QWidget *widget);

    QPointer<DebugDialog> m_debugDialog;
    QPointer<const QWidget> m_widgetUnderMouse;
};
