#pragma once

#include "connection/LobbyRecords.h"

#include <QFrame>

#include <memory>
#include <vector>

class PlayerDb;

namespace Ui {
class LobbySummary;
}

// The lobby page's panel of how busy the service is: players online, tables in play and
// the latest logins.
class LobbySummary : public QFrame
{
    Q_OBJECT

public:
    explicit LobbySummary(QWidget *parent = nullptr);
    ~LobbySummary() override;

    void setPlayerDb(PlayerDb *db);

signals:
    void userMenuRequested(const QString &name, const QPoint &position);

public slots:
    void onLobbySummary(const lobby_summary_t &summary);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();

    std::unique_ptr<Ui::LobbySummary> m_ui;
    int m_playersOnline = 0;
    int m_tablesInPlay = 0;
    std::vector<qint32> m_latestLogins;
};
