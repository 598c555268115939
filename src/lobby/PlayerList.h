#pragma once

#include <QColor>
#include <QFrame>
#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class PlayerDb;
class QLabel;

namespace Ui {
class PlayerList;
}

// A short vertical list of player names, each a link that asks for the player's user
// menu. Only players whose screen name the directory knows are listed.
class PlayerList : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor nickColor READ nickColor WRITE setNickColor)

public:
    static constexpr int MaxPlayers = 4;

    explicit PlayerList(QWidget *parent = nullptr);
    ~PlayerList() override;

    void setPlayerDb(PlayerDb *db);
    QColor nickColor() const { return m_nickColor; }
    void setNickColor(const QColor &colour) { m_nickColor = colour; }

    // Adds the label of an answered name query.
    void addPlayer(qint32 id, const QString &name);
    // Counts the onPlayers calls; answers to an earlier call are dropped.
    quint64 generation() const { return m_generation; }

signals:
    void userMenuRequested(const QString &name, const QPoint &position);

public slots:
    void onPlayers(const std::vector<qint32> &players);
    void onLinkActivated(const QString &link);

private:
    std::unique_ptr<Ui::PlayerList> m_ui;
    std::map<qint32, std::unique_ptr<QLabel>> m_labels;
    QPointer<PlayerDb> m_playerDb;
    QColor m_nickColor;
    quint64 m_generation = 0;
};
