#include "ui/DebugDialog.h"
#include "ui_DebugDialog.h"

#include "app/Singleton.h"
#include "connection/ServerTime.h"
#include "protocol/Connection.h"

#include <QTimer>

#include <algorithm>
#include <numeric>

DebugDialog::DebugDialog()
    : QFrame(nullptr)
    , m_ui(std::make_unique<Ui::DebugDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->reloadCss, &QPushButton::clicked, this, &DebugDialog::loadStyleSheet);
    connect(&Singleton<ServerTime>::instance(), &ServerTime::updatedPing, this,
            &DebugDialog::onUpdatedPing);
}

DebugDialog::~DebugDialog() = default;

void DebugDialog::setConnection(Connection *connection)
{
    m_connection = connection;
    m_lastReceived = connection ? qint64(connection->bytesReceived()) : 0;
    m_lastSent = connection ? qint64(connection->bytesSent()) : 0;
    if (!m_statsTimer) {
        m_statsTimer = new QTimer(this);
        m_statsTimer->setInterval(NetworkStatsIntervalMs);
        connect(m_statsTimer, &QTimer::timeout, this, &DebugDialog::readNetworkStats);
    }
    m_statsTimer->start();
}

void DebugDialog::setCssPath(const QString &path)
{
    m_ui->cssPath->setText(path);
}

void DebugDialog::onUpdatedPing()
{
    addPing(Singleton<ServerTime>::instance().ping());
}

void DebugDialog::addPing(int ping)
{
    if (m_pings.size() >= MaxPingSamples)
        m_pings.pop_front();
    m_pings.push_back(ping);
    const auto [low, high] = std::minmax_element(m_pings.begin(), m_pings.end());
    const double sum = std::accumulate(m_pings.begin(), m_pings.end(), 0.0);
    const double mean = sum / double(m_pings.size());
    m_ui->ping->setText(tr("%1ms (min %2, max %3, mean %4)")
                            .arg(QString::number(ping), QString::number(double(*low), 'g'),
                                 QString::number(double(*high), 'g'), QString::number(mean, 'g')));
    m_ui->pingGraph->setSamples(m_pings);
}

void DebugDialog::readNetworkStats()
{
    // The connection manager replaces its connection on every reconnection; the rates
    // stop until the new one is handed over.
    if (!m_connection)
        return;
    const qint64 received = qint64(m_connection->bytesReceived());
    const qint64 sent = qint64(m_connection->bytesSent());
    const double seconds = NetworkStatsIntervalMs / 1000.0;
    m_ui->rx->setText(tr("rx: %1 b/s").arg(QString::number(double(received - m_lastReceived) / seconds, 'g')));
    m_ui->tx->setText(tr("tx: %1 b/s").arg(QString::number(double(sent - m_lastSent) / seconds, 'g')));
    m_lastReceived = received;
    m_lastSent = sent;
}
