#pragma once

#include <QFrame>
#include <QPointer>

#include <deque>
#include <memory>

namespace Ui {
class DebugDialog;
}

class Connection;
class QTimer;

// A window for developers and skin authors: the round trip to the game server (the
// last one, minimum, maximum and mean of the last ten, and a graph), the receive and
// send rates of the game connection, and the style-sheet path of the widget under the
// mouse with a button that reloads the style sheets.
class DebugDialog : public QFrame
{
    Q_OBJECT

public:
    static constexpr std::size_t MaxPingSamples = 10;
    static constexpr int NetworkStatsIntervalMs = 5000;

    DebugDialog();
    ~DebugDialog() override;

    // Samples the connection's byte counters every NetworkStatsIntervalMs from now on.
    void setConnection(Connection *connection);
    void setCssPath(const QString &path);

signals:
    void loadStyleSheet();

public slots:
    void onUpdatedPing();
    void readNetworkStats();

private:
    void addPing(int ping);

    std::deque<int> m_pings;
    std::unique_ptr<Ui::DebugDialog> m_ui;
    QPointer<Connection> m_connection;
    qint64 m_lastReceived = 0;
    qint64 m_lastSent = 0;
    QTimer *m_statsTimer = nullptr;
};
