#pragma once

#include "HandChecker.h"
#include "HandScore.h"
#include "Wall.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <random>
#include <set>
#include <vector>

class DemoSession;

// What the lobby shows of a table and what its engine plays by.
struct TableConfig
{
    qint32 id = 0;
    QString pathRest; // below the game id 101: "Regular", "Practice", "mtt/7"
    QString name;
    int ruleset = 0;
    int seats = 4;
    int gameType = 2; // 0 single hand, 1 tournament, 2 full game
    int windRounds = 2; // of a full game: 1 east only, 2 east and south
    int speed = 15000; // milliseconds per move
    int valueKind = 0; // 0 free, 1-5 money
    int bet = 0;
    int fee = 0;
    int mttId = -1;
    int botsSeated = 0;
    int seatTime = 30000; // milliseconds a player just seated, or at a game's end, has to say ready

    // What a place-bonus table (value kind 3) pays the player of a place at a game's end
    // (0 the first), or takes from him, in cents; the places' bonuses add up to nothing.
    // Nothing at other tables.
    int placeBonus(int place) const;
    // What a seat may cost a player: the bet, the fee and the largest place bonus paid.
    qint64 stake() const;
};

// One table of the demo world: its seats, its watchers and the hand played on it.
// Computer players fill the seats the humans leave free once every human said ready;
// they discard what they draw unless it makes a winning hand, and never claim. Every
// packet of a player is checked against the state of the hand; a wrong one is logged,
// answered with a message and a fresh snapshot, and the hand goes on.
class TableEngine : public QObject
{
    Q_OBJECT

public:
    using BotIds = std::function<qint32()>;

    // `pace` is the time a computer player takes for a move, in milliseconds.
    TableEngine(const TableConfig &config, BotIds botIds, std::mt19937 &random, int pace, QObject *parent);

    const TableConfig &config() const { return m_config; }
    QString lobbyPath() const { return QStringLiteral("101/") + m_config.pathRest; }
    QJsonArray properties() const;
    // The players the lobby counts and names as seated, alike in the table list and in
    // the table's details: a seat held for a player who left during the hand counts as
    // free, so that the client asks that player's way back as a join.
    int seatedCount() const;
    std::vector<qint32> seatedIds() const;
    bool isHandInPlay() const { return m_phase == Phase::Discard || m_phase == Phase::Claims; }
    // The seat a player left during a hand and may take again, -1 for none.
    int awaySeatOf(qint32 playerId) const;
    bool isBot(qint32 playerId) const;
    // The first id of the computer players; the world numbers them on from there.
    static constexpr qint32 FirstBotId = 9001;
    // A computer player's screen name in one of the world's languages (WorldLanguage),
    // the same at every table and in the lobby, and no other computer player's: past the
    // eight names they are numbered.
    static QString botName(qint32 id, const QString &language);

    void join(DemoSession *session, int seat);
    void watch(DemoSession *session);
    void unwatch(DemoSession *session);
    void leave(DemoSession *session);
    void sessionClosed(DemoSession *session);
    void handleGamePacket(DemoSession *session, const QString &name, const QJsonObject &fields);

signals:
    // The seats changed: the lobby's subscribers get the new count.
    void seatsChanged(qint32 tableId);
    // A hand started, or the table stopped playing.
    void handInPlayChanged();
    // A game of a money table ended: what the player's (a human's) account gains or
    // pays, the fee included, in cents.
    void gameSettled(qint32 playerId, qint64 amount);

private:
    enum class Phase { Idle, Discard, Claims, Over };

    struct Meld
    {
        int kind = 0;
        bool concealed = false;
        std::uint8_t first = 0;
        qint32 claimedFrom = -1;
        int claimedOffset = 0;
    };

    struct Seat
    {
        qint32 id = -1;
        QString name;
        bool bot = false;
        bool addedBot = false; // seated for a human, leaves with the last one
        bool away = false; // a human who left during the hand; played for until its end
        DemoSession *session = nullptr;
        HandChecker::Tiles hand;
        HandChecker::Tiles discards;
        HandChecker::Tiles bonus;
        std::vector<Meld> melds;
        int riichiIndex = -1;
        int wind = 0;
        int score = 0;
        int roundScore = 0;
        bool ready = false;
        quint64 seating = 0; // which sitting down this is, for its time to say ready

        bool isEmpty() const { return id == -1; }
        bool isHuman() const { return !isEmpty() && !bot && !away && session; }
        bool hasOpenMelds() const;
    };

    struct ClaimAnswer
    {
        std::vector<QJsonObject> offers;
        bool answered = false;
        int kind = 0; // 0 pass
        std::uint8_t first = 0;
    };

    // Sending.
    void sendTo(DemoSession *session, const QString &name, QJsonObject fields) const;
    void sendToAll(const QString &name, const QJsonObject &fields, DemoSession *except = nullptr) const;
    void sendToSeat(int seat, const QString &name, const QJsonObject &fields) const;
    QJsonObject span(int msecs) const;
    QJsonObject playerRecord(const Seat &seat) const;
    static QJsonValue withBotNames(const QJsonValue &value, const QString &language);
    QJsonObject tableState(qint32 referencePlayer) const;
    QJsonObject wallState() const;
    void sendSnapshot(DemoSession *session, qint32 referencePlayer, bool includeOwn) const;
    void refuse(DemoSession *session, const QString &packet, const QString &why);

    // Seats.
    int seatOf(DemoSession *session) const;
    int seatOfPlayer(qint32 playerId) const;
    int startScore() const;
    int activeSeats() const { return m_config.seats; }
    int nextSeat(int seat) const;
    // A player left the seat (or dropped): played for until the hand ends, else gone.
    void vacate(int seat);
    // A player seated by that sitting down who has not said ready goes, unless a hand
    // is in play.
    void unseatIfNotReady(qint32 playerId, quint64 seating);
    // A human who did not press Play at the game's end: unseated, left watching.
    void unseatForNextGame(int seat);
    void removeSeat(int seat);
    void seatBot(int seat, bool added);
    void dropAbsentPlayers();

    // The hand.
    void maybeStartHand();
    void startHand();
    void deal(int seat, int count);
    void draw(int seat, bool replacement);
    void afterDraw(int seat);
    void promptTurn(int seat);
    QJsonArray concealedOffers(int seat) const;
    void botMove(int seat);
    static std::uint8_t botDiscard(const HandChecker::Tiles &hand);
    void discard(int seat, std::uint8_t t, bool riichi);
    void openClaims(int discarder, std::uint8_t t);
    void answerClaim(int seat, int kind, std::uint8_t first);
    void resolveClaims();
    void declareClaimedMeld(int seat, int kind, std::uint8_t first);
    void declareKong(int seat, std::uint8_t t, bool fromPong);
    HandScore winScore(int seat, std::uint8_t t, bool selfDrawn) const;
    int prevalentWind() const;
    void endHand(int winner, int discarder);
    void washout();
    void finishHand(int endKind, const QJsonArray &rows);
    int handsInGame() const;
    void endGame();
    void onTimeout();
    void later(int msecs, std::function<void()> work);
    void startTimer(int msecs);

    TableConfig m_config;
    BotIds m_botIds;
    std::mt19937 &m_random;
    int m_pace;
    std::vector<Seat> m_seats;
    std::set<DemoSession *> m_watchers;
    std::unique_ptr<Wall> m_wall;
    Phase m_phase = Phase::Idle;
    qint64 m_handId = 0;
    int m_handsPlayed = 0;
    int m_handInGame = -1; // the hand being played or last played in the game, -1 before a game
    int m_dealer = 0;
    int m_current = -1;
    std::uint8_t m_drawn = 255;
    // The tile drawn is a kong's replacement.
    bool m_kongDraw = false;
    int m_lastDiscarder = -1;
    std::uint8_t m_lastDiscard = 255;
    std::vector<ClaimAnswer> m_claims;
    int m_riichiSticks = 0;
    // Bumped on every move: a queued move or timer of an older state does nothing.
    quint64 m_step = 0;
    quint64 m_seatings = 0;
    QTimer m_timer;
};
