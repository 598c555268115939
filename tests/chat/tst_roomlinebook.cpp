#include "testmain.h"

#include "chat/xmpp/RoomLineBook.h"

#include <map>
#include <optional>

namespace {

const QString Room = QStringLiteral("table-1@conference.localhost");

// Runs a room's events through a book and writes down what it shows, one short text
// each: "nick:text@ms" for a line placed at a time of the view's clock, "nick:text@live"
// for a live line at its arrival, "own ID" for an own line the room has, "missing@ms" where
// lines said while the user was away may be missing. The user speaks
// as "me". The stamps of the lines are the chat server's. Events, one word each part:
//   now MS                      the present on the view's clock
//   room AHEAD ERROR            the client reckons the chat server's clock AHEAD ms ahead
//                               of the view's, within ERROR ms (the default: 0 0)
//   room unknown                the chat server does not tell its time
//   join                        a join from scratch, asking for all the history
//   lost                        the connection is lost (ending a history cut short)
//   rejoin                      the connection is back: a join asking for the history since
//   created                     the room says the join made it
//   subject                     the room's subject, which ends a join's history
//   hist|live NICK TEXT [@STAMP] [#ROOMID] [~ORIGINID] [!MESSAGEID]
class Script
{
public:
    QStringList run(const QStringList &events)
    {
        for (const QString &event : events)
            step(event.split(QLatin1Char(' ')));
        return m_shown;
    }

    RoomLineBook book;

private:
    RoomLineBook::Now now() const
    {
        if (!m_roomAheadMs)
            return {m_nowMs, m_nowMs, RoomLineBook::ClockSkewToleranceMs};
        return {m_nowMs, m_nowMs + *m_roomAheadMs, m_roomErrorMs};
    }

    void step(const QStringList &words)
    {
        const QString what = words.at(0);
        if (what == QLatin1String("now")) {
            m_nowMs = words.at(1).toLongLong();
        } else if (what == QLatin1String("room")) {
            if (words.at(1) == QLatin1String("unknown")) {
                m_roomAheadMs.reset();
            } else {
                m_roomAheadMs = words.at(1).toLongLong();
                m_roomErrorMs = words.at(2).toLongLong();
            }
        } else if (what == QLatin1String("join")) {
            book.reset();
            book.setOwnOccupant(Room + QStringLiteral("/me"));
            book.historyRequested(now());
        } else if (what == QLatin1String("lost")) {
            apply(book.endHistory(now(), true));
            book.lostAt(m_nowMs);
        } else if (what == QLatin1String("created")) {
            book.roomCreated();
        } else if (what == QLatin1String("rejoin")) {
            book.prepareRejoin(now());
            book.historyRequested(now());
        } else if (what == QLatin1String("subject")) {
            apply(book.endHistory(now()));
        } else {
            RoomLineBook::Line line;
            line.sender = Room + QLatin1Char('/') + words.at(1);
            line.text = words.at(2);
            for (const QString &word : words.mid(3)) {
                if (word.startsWith(QLatin1Char('@')))
                    line.stampMs = word.mid(1).toLongLong();
                else if (word.startsWith(QLatin1Char('#')))
                    line.roomId = word.mid(1);
                else if (word.startsWith(QLatin1Char('~')))
                    line.originId = word.mid(1);
                else if (word.startsWith(QLatin1Char('!')))
                    line.messageId = word.mid(1);
            }
            const quint64 token = ++m_nextToken;
            m_lines[token] = words.at(1) + QLatin1Char(':') + words.at(2);
            apply(what == QLatin1String("hist") ? book.historyLine(line, token, now())
                                                : book.liveLine(line, token, now()));
        }
    }

    void apply(const RoomLineBook::Verdict &verdict)
    {
        for (const QString &id : verdict.ownLines)
            m_shown << QStringLiteral("own ") + id;
        if (verdict.missingAtMs)
            m_shown << QStringLiteral("missing@%1").arg(*verdict.missingAtMs);
        for (const RoomLineBook::Placement &placement : verdict.show) {
            QVERIFY2(m_lines.count(placement.token) == 1, "a line shown twice");
            m_shown << m_lines[placement.token] + QLatin1Char('@')
                    + (placement.atMs ? QString::number(*placement.atMs) : QStringLiteral("live"));
            m_lines.erase(placement.token);
        }
    }

    qint64 m_nowMs = 0;
    std::optional<qint64> m_roomAheadMs = 0;
    qint64 m_roomErrorMs = 0;
    quint64 m_nextToken = 0;
    std::map<quint64, QString> m_lines;
    QStringList m_shown;
};

} // namespace

class TestRoomLineBook : public QObject
{
    Q_OBJECT

private slots:
    void placesAndMatchesLines_data();
    void placesAndMatchesLines();
    void staysBounded();
    void stampsAcrossClockSteps_data();
    void stampsAcrossClockSteps();
};

void TestRoomLineBook::placesAndMatchesLines_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("shown");

    // Where the lines of a join's history go, once it has ended.
    QTest::newRow("the history keeps the room's stamps")
        << QStringList{"now 10000", "join", "hist a x @1000", "hist b y @2000", "subject", "live a z"}
        << QStringList{"a:x@1000", "b:y@2000", "a:z@live"};
    QTest::newRow("a stamp ahead of the present follows the line before")
        << QStringList{"now 10000", "join", "hist a x @1000", "hist b y @99999", "hist a z @3000", "subject"}
        << QStringList{"a:x@1000", "b:y@1001", "a:z@3000"};
    QTest::newRow("a stamp earlier than the line before comes after it")
        << QStringList{"now 10000", "join", "hist a x @5000", "hist b y @1000", "subject"}
        << QStringList{"a:x@5000", "b:y@5001"};
    QTest::newRow("lines without a stamp at the start go just before the first placed")
        << QStringList{"now 10000", "join", "hist a x", "hist b y @99999", "hist c z @5000", "subject"}
        << QStringList{"a:x@4998", "b:y@4999", "c:z@5000"};
    QTest::newRow("lines without a stamp at the end of the history go before its end")
        << QStringList{"now 10000", "join", "hist a x", "hist b y", "subject"}
        << QStringList{"a:x@9998", "b:y@9999"};
    QTest::newRow("a history cut short shows what came before the loss")
        << QStringList{"now 10000", "join", "hist a x", "now 12000", "lost"}
        << QStringList{"a:x@11999"};
    QTest::newRow("a live line comes at its arrival")
        << QStringList{"now 10000", "join", "subject", "live a x @1000"}
        << QStringList{"a:x@live"};
    QTest::newRow("stamps come on the view's clock")
        << QStringList{"room 3000 2", "now 10000", "join", "hist a x @12000", "hist b y @13500", "subject"}
        << QStringList{"a:x@9000", "b:y@9001"};

    // A rejoin: the lines not shown yet, below the loss, no earlier than asked for.
    QTest::newRow("a rejoin's new lines come below the loss")
        << QStringList{"now 10000", "join", "subject", "live a x", "now 11000", "lost", "now 20000", "rejoin",
                       "hist a x @9990", "hist b y @10500", "subject"}
        << QStringList{"a:x@live", "b:y@11001"};
    QTest::newRow("a rejoin's lines come below the loss whatever their stamps")
        << QStringList{"now 10000", "join", "subject", "live a x", "now 30000", "lost", "now 40000", "rejoin",
                       "hist c z @1000", "subject"}
        << QStringList{"a:x@live", "missing@30000", "c:z@30001"};
    QTest::newRow("by the room's id")
        << QStringList{"now 10000", "join", "hist a x @1000 #r1", "subject", "lost", "rejoin", "hist a x @1000 #r1",
                       "hist a x @1500 #r2", "subject"}
        << QStringList{"a:x@1000", "a:x@10001"};
    QTest::newRow("by the id its sender gave it")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "lost", "rejoin", "hist a x @9000 ~o1",
                       "hist a x @9500 ~o2", "subject"}
        << QStringList{"a:x@live", "a:x@10001"};
    QTest::newRow("by the id its sender gave it, without the room's stamp")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "now 11000", "lost", "now 12000", "rejoin",
                       "hist a x ~o1", "hist b y @11500", "subject"}
        << QStringList{"a:x@live", "b:y@11500"};
    QTest::newRow("by sender and text, in the room's order")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist a x @9990", "hist b y @9995", "hist c z @10500", "subject"}
        << QStringList{"a:x@live", "b:y@live", "c:z@11001"};
    QTest::newRow("a line not heard here does not end the overlap")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist a x @9990", "hist c z @9992", "hist b y @9995", "hist c w @10500", "subject"}
        << QStringList{"a:x@live", "b:y@live", "c:z@11001", "c:w@11002"};
    QTest::newRow("lines before those shown are new, and the overlap holds")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist c g @9980", "hist a x @9990", "hist b y @9995", "hist c z @10500", "subject"}
        << QStringList{"a:x@live", "b:y@live", "c:g@11001", "c:z@11002"};
    QTest::newRow("a line shown before the history began is no copy")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist b y @9995", "hist a x @10500", "subject"}
        << QStringList{"a:x@live", "b:y@live", "a:x@11001"};
    // A rejoin that brings nothing new leaves the time the room was last heard from: the
    // next one, a second later, asks further back than the one before.
    QTest::newRow("a line beyond one rejoin's reach, brought by a later one")
        << QStringList{"now 9600", "join", "subject", "live a x ~o1", "now 16500", "live b y ~o2", "now 17000",
                       "lost", "now 18000", "rejoin", "hist b y @16500 ~o2", "subject", "now 18500", "lost",
                       "now 20501", "rejoin", "hist a x @9600 ~o1", "hist b y @16500 ~o2", "subject"}
        << QStringList{"a:x@live", "b:y@live"};

    // Talking up to the cut, the client's reckoning of the chat server's clock behind it
    // or ahead of it by milliseconds and by seconds, known from the server or within the
    // tolerance: each line shows once.
    const auto talkedUpToTheCut = [](const QString &room, qint64 aheadMs) {
        const auto stamp = [aheadMs](qint64 viewMs) { return QStringLiteral("@%1").arg(viewMs + aheadMs); };
        return QStringList{room, "now 10000", "join", "subject", "live a l1", "now 10100", "live b l2", "now 10200",
                           "live a l3", "now 10300", "lost", "now 12300", "rejoin", "hist a l1 " + stamp(9995),
                           "hist b l2 " + stamp(10095), "hist a l3 " + stamp(10195), "hist b l4 " + stamp(10290),
                           "subject"};
    };
    const QStringList eachOnce{"a:l1@live", "b:l2@live", "a:l3@live", "b:l4@10301"};
    QTest::newRow("the view behind the chat server by milliseconds") << talkedUpToTheCut("room 15 1", 15) << eachOnce;
    QTest::newRow("the view ahead of the chat server by milliseconds") << talkedUpToTheCut("room -15 1", -15) << eachOnce;
    QTest::newRow("the view behind the chat server by seconds") << talkedUpToTheCut("room 3000 2", 3000) << eachOnce;
    QTest::newRow("the view ahead of the chat server by seconds") << talkedUpToTheCut("room -3000 2", -3000) << eachOnce;
    // Its stamps go as they stand, unless they are later than the present.
    QTest::newRow("an unknown chat server's clock behind by milliseconds")
        << talkedUpToTheCut("room unknown", 15) << (eachOnce.mid(0, 3) << "b:l4@10305");
    QTest::newRow("an unknown chat server's clock ahead by milliseconds")
        << talkedUpToTheCut("room unknown", -15) << eachOnce;
    QTest::newRow("an unknown chat server's clock behind by seconds")
        << talkedUpToTheCut("room unknown", 3000) << eachOnce;
    QTest::newRow("an unknown chat server's clock ahead by seconds")
        << talkedUpToTheCut("room unknown", -3000) << eachOnce;
    QTest::newRow("the reckoning off within its error")
        << talkedUpToTheCut("room 20 10", 30) << eachOnce;

    // Lines said again.
    QTest::newRow("a line said again, stamped after the first was heard, is another")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @11000", "hist a gap @11500", "subject"}
        << QStringList{"a:ok@live", "missing@12000", "a:ok@12001", "a:gap@12002"};
    QTest::newRow("the same line again, stamped before it was heard")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @9990", "hist a gap @11500", "subject"}
        << QStringList{"a:ok@live", "a:gap@12001"};
    QTest::newRow("a stamp ahead of the present does not tell a line apart")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @99999", "hist a gap @11500", "subject"}
        << QStringList{"a:ok@live", "a:gap@12001"};
    QTest::newRow("a line and its repeat in one history are two lines")
        << QStringList{"now 10000", "join", "subject", "live a x", "live a ok", "now 10600", "lost", "now 12600",
                       "rejoin", "hist a x @8900", "hist a ok @9000", "hist a ok @9500", "subject"}
        << QStringList{"a:x@live", "a:ok@live", "a:ok@10601"};
    QTest::newRow("a repeat heading a history cut short, said after the first was heard")
        << QStringList{"room -3000 1", "now 10000", "join", "subject", "live a ok", "now 10600", "lost", "now 12600",
                       "rejoin", "hist a ok @7050", "hist a gap @7060", "subject"}
        << QStringList{"a:ok@live", "missing@10600", "a:ok@10601", "a:gap@10602"};
    QTest::newRow("a repeat heading a history cut short, said before the first was heard, is taken as it")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 10600", "lost", "now 12600", "rejoin",
                       "hist a ok @9500", "hist a gap @10700", "subject"}
        << QStringList{"a:ok@live", "a:gap@10700"};
    QTest::newRow("a line shown from a history is known by its stamp")
        << QStringList{"now 10000", "join", "hist a ok @9000", "subject", "now 10600", "lost", "now 12600", "rejoin",
                       "hist a ok @9000", "hist a ok @9001", "subject"}
        << QStringList{"a:ok@9000", "a:ok@10601"};
    // A line the room passed on but did not keep (sent with a hint not to store it) is in
    // no history: the line before it is known by its stamp, not by the run it ended.
    QTest::newRow("a line shown from a history is known by its stamp before a line the room did not keep")
        << QStringList{"now 10000", "join", "hist a y @9000", "subject", "live b z", "now 11000", "lost", "now 12000",
                       "rejoin", "hist a y @9000", "hist c n @11500", "subject"}
        << QStringList{"a:y@9000", "b:z@live", "c:n@11500"};
    QTest::newRow("a live line is known by the stamp a history gave it, shown after a line said before it")
        << QStringList{"now 10000", "join", "subject", "live b y", "now 11000", "lost", "now 12000", "rejoin", "hist b x",
                       "hist b y @9990", "subject", "now 13000", "lost", "now 14000", "rejoin", "hist b x",
                       "hist b y @9990", "subject"}
        << QStringList{"b:y@live", "b:x@11001"};
    QTest::newRow("a line first taken for one shown before, shown later, keeps the room's order")
        << QStringList{"now 10000", "join", "hist b x @2000", "subject", "now 20000", "lost", "now 21000", "rejoin",
                       "hist b x", "subject", "live b z", "now 22000", "lost", "now 23000", "rejoin", "hist b x",
                       "hist b z", "subject", "now 24000", "lost", "now 25000", "rejoin", "hist b x", "hist b z",
                       "subject"}
        << QStringList{"b:x@2000", "b:z@live", "b:x@22001"};

    // A rejoin's history that cannot reach back to the last line heard, as the room keeps
    // only its last lines, or lost them all: lines between may be missing.
    const QStringList joinedAndLost{"now 10000", "join", "hist a l1 @7000", "hist a l2 @8000", "hist a l3 @9000", "subject",
                                    "live b y", "now 11000", "lost", "now 20000", "rejoin"};
    const QStringList shownBeforeTheLoss{"a:l1@7000", "a:l2@8000", "a:l3@9000", "b:y@live"};
    QTest::newRow("a history as long as the room keeps without the lines heard")
        << (joinedAndLost + QStringList{"hist c n1 @12000", "hist c n2 @13000", "hist c n3 @14000", "subject"})
        << (shownBeforeTheLoss + QStringList{"missing@11999", "c:n1@12000", "c:n2@13000", "c:n3@14000"});
    QTest::newRow("a history that reaches back to the last line heard")
        << (joinedAndLost + QStringList{"hist b y @9995", "hist c n1 @12000", "hist c n2 @13000", "subject"})
        << (shownBeforeTheLoss + QStringList{"c:n1@12000", "c:n2@13000"});
    QTest::newRow("a history shorter than the join's, without the lines heard")
        << (joinedAndLost + QStringList{"hist c n1 @12000", "hist c n2 @13000", "subject"})
        << (shownBeforeTheLoss + QStringList{"missing@11999", "c:n1@12000", "c:n2@13000"});
    QTest::newRow("an empty history")
        << (joinedAndLost + QStringList{"subject"}) << (shownBeforeTheLoss + QStringList{"missing@11000"});
    QTest::newRow("a history cut short by the link before its first line")
        << (joinedAndLost + QStringList{"now 21000", "lost", "now 22000", "rejoin", "hist b y @9995", "hist c n1 @12000",
                                        "subject"})
        << (shownBeforeTheLoss + QStringList{"c:n1@21001"});
    QTest::newRow("a room the rejoin made, nothing heard before the loss")
        << QStringList{"now 10000", "join", "subject", "now 11000", "lost", "now 20000", "rejoin", "created", "subject"}
        << QStringList{"missing@11000"};
    QTest::newRow("a room made at the join")
        << QStringList{"now 10000", "join", "created", "subject", "live a x", "now 11000", "lost", "now 20000", "rejoin",
                       "hist a x @10000", "subject"}
        << QStringList{"a:x@live"};
    // A room's whole history is a run of its lines up to the present: one that does not
    // bring the last line heard starts after it, whatever its stamps, as the room cannot
    // have kept a line from before it without it.
    QTest::newRow("a history stamped from before the last line heard, without it")
        << (joinedAndLost + QStringList{"hist c n0 @9500", "hist c n1 @12000", "hist c n2 @13000", "subject"})
        << (shownBeforeTheLoss + QStringList{"missing@11000", "c:n0@11001", "c:n1@12000", "c:n2@13000"});
    QTest::newRow("the last line heard unstamped from the join's history, and a history within the skew without it")
        << QStringList{"room unknown", "now 10000", "join", "hist a l1 @7000", "hist b l2 #r2", "subject", "now 11000",
                       "lost", "now 20000", "rejoin", "hist c n1 @12000", "hist c n2 @13000", "subject"}
        << QStringList{"a:l1@7000", "b:l2@7001", "missing@11999", "c:n1@12000", "c:n2@13000"};
    // One cut short may have been cut before it reached the last line heard: only its
    // stamps tell.
    QTest::newRow("a history cut short, stamped from before the last line heard")
        << (joinedAndLost + QStringList{"hist c n0 @9500", "now 21000", "lost"})
        << (shownBeforeTheLoss + QStringList{"c:n0@11001"});
    QTest::newRow("a history cut short, stamped after the last line heard")
        << (joinedAndLost + QStringList{"hist c n1 @12000", "now 21000", "lost"})
        << (shownBeforeTheLoss + QStringList{"missing@11999", "c:n1@12000"});
    const QStringList joinedWithoutLiveLines{"now 10000", "join", "hist a l1 @7000", "hist a l2 @8000", "hist a l3 @9000",
                                             "subject", "now 11000", "lost", "now 20000", "rejoin"};
    QTest::newRow("the last line heard from the join's history, and a history without it")
        << (joinedWithoutLiveLines + QStringList{"hist c n1 @12000", "hist c n2 @13000", "hist c n3 @14000", "subject"})
        << QStringList{"a:l1@7000", "a:l2@8000", "a:l3@9000", "missing@11999", "c:n1@12000", "c:n2@13000", "c:n3@14000"};
    QTest::newRow("the last line heard from the join's history, and a history with it")
        << (joinedWithoutLiveLines + QStringList{"hist a l2 @8000", "hist a l3 @9000", "hist c n1 @12000", "subject"})
        << QStringList{"a:l1@7000", "a:l2@8000", "a:l3@9000", "c:n1@12000"};
    QTest::newRow("nothing heard before the loss")
        << QStringList{"now 10000", "join", "subject", "now 11000", "lost", "now 20000", "rejoin", "hist c n1 @12000",
                       "subject"}
        << QStringList{"c:n1@12000"};

    // Copies sent again under the sender's id.
    QTest::newRow("a live copy is dropped")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "live a x ~o1", "live a x ~o2"}
        << QStringList{"a:x@live", "a:x@live"};
    QTest::newRow("a copy in the same history is dropped")
        << QStringList{"now 10000", "join", "hist a x @1000 ~o1", "hist a x @2000 ~o1", "subject"}
        << QStringList{"a:x@1000"};
    QTest::newRow("a copy in the same history while the first waits to be placed is dropped")
        << QStringList{"now 10000", "join", "hist a x ~o1", "hist b y #r1", "hist a x ~o1", "hist b y #r1",
                       "hist c z @5000", "subject"}
        << QStringList{"a:x@4998", "b:y@4999", "c:z@5000"};
    QTest::newRow("another's id and another text name other lines")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "live b x ~o1", "live a y ~o1"}
        << QStringList{"a:x@live", "b:x@live", "a:y@live"};
    QTest::newRow("another's stanza id names no line")
        << QStringList{"now 10000", "join", "subject", "live a x !5", "live a x !5"}
        << QStringList{"a:x@live", "a:x@live"};

    // The user's own lines, by the ids they were sent with.
    QTest::newRow("an own line by its reflection, its copy not shown again")
        << QStringList{"now 10000", "join", "subject", "live me hi ~o1", "live me hi ~o1"}
        << QStringList{"own o1", "me:hi@live", "own o1"};
    QTest::newRow("an own line without its origin id by its stanza id")
        << QStringList{"now 10000", "join", "subject", "live me hi !o1"}
        << QStringList{"own o1", "me:hi@live"};
    QTest::newRow("an own line in a rejoin's history, at once")
        << QStringList{"now 10000", "join", "subject", "now 11000", "lost", "rejoin", "hist me hi @10500 ~o1",
                       "subject"}
        << QStringList{"own o1", "me:hi@11001"};
    QTest::newRow("another's line with the own id is no own line")
        << QStringList{"now 10000", "join", "subject", "live a hi ~o1"}
        << QStringList{"a:hi@live"};
}

void TestRoomLineBook::placesAndMatchesLines()
{
    QFETCH(QStringList, events);
    QFETCH(QStringList, shown);
    Script script;
    QCOMPARE(script.run(events), shown);
}

void TestRoomLineBook::staysBounded()
{
    // A history of lines without a stamp longer than a view keeps is shown at the
    // present, all of it, each after the one before.
    Script script;
    QStringList events{"now 500000", "join"};
    for (int i = 0; i < RoomLineBook::MaxShownLines + 10; ++i)
        events << QStringLiteral("hist a x%1").arg(i);
    events << "subject";
    const QStringList shown = script.run(events);
    QCOMPARE(shown.size(), RoomLineBook::MaxShownLines + 10);
    QCOMPARE(shown.first(), QStringLiteral("a:x0@%1").arg(500000 - RoomLineBook::MaxShownLines));
    QCOMPARE(shown.at(RoomLineBook::MaxShownLines), QStringLiteral("a:x%1@500000").arg(RoomLineBook::MaxShownLines));
}

void TestRoomLineBook::stampsAcrossClockSteps_data()
{
    // The chat server's clock agrees with the local one, within 10 ms, until the client
    // sees it set. Local times:
    //   step SINCE SEEN SIZE ERROR  an answer at SEEN shows the clock set by SIZE ms since
    //                               the question at SINCE, within ERROR ms
    //   refine AT OFFSET ERROR      a closer answer at AT: OFFSET ms ahead, within ERROR ms
    QTest::addColumn<QStringList>("clock");
    // When a line was heard here, by the local clock.
    QTest::addColumn<qint64>("heardMs");
    // Stamps the room can have put on that line, and stamps that name a line sent
    // later, by the server's clock.
    QTest::addColumn<QList<qint64>>("thatLine");
    QTest::addColumn<QList<qint64>>("later");

    const QStringList back{"step 10000 10500 -3000 10"};
    const QStringList ahead{"step 10000 10500 3000 10"};
    QTest::newRow("no step: the reckoning, and any time before")
        << QStringList() << qint64(20000) << QList<qint64>{20000, 20010, 12000} << QList<qint64>{20011, 25000};
    QTest::newRow("heard before the clock was set back")
        << back << qint64(9000) << QList<qint64>{9000, 7000} << QList<qint64>{9500};
    // The stamps may stand where the clock was, or anywhere on the way to where it is
    // (1% of the time since the step): a line a little late for the higher reading is
    // that line, one far below it another.
    QTest::newRow("set back, the stamps not caught up")
        << back << qint64(20000) << QList<qint64>{17000, 20000, 19950, 18900} << QList<qint64>{18500, 20100};
    QTest::newRow("set ahead, the stamps not caught up")
        << ahead << qint64(20000) << QList<qint64>{23000, 20000, 20100, 22500} << QList<qint64>{21000, 23100};
    // The clock was set between the question before and the answer that showed it: the
    // stamps may follow the new clock before the client knows it.
    QTest::newRow("set ahead, heard before the answer that showed it")
        << ahead << qint64(10200) << QList<qint64>{10200, 13200, 12500} << QList<qint64>{11500, 13300};
    QTest::newRow("set back while the client did not ask, heard before it asked again")
        << QStringList{"step 10000 310000 -3000 10"} << qint64(200000) << QList<qint64>{200000, 198500, 197500, 197000}
        << QList<qint64>{200200};
    QTest::newRow("set back while the client did not ask, heard a minute after it asked again")
        << QStringList{"step 10000 310000 -3000 10"} << qint64(380000) << QList<qint64>{379000, 377000}
        << QList<qint64>{380000};
    // The stamping clock looks once a minute: until then it may not have moved at all,
    // after that it has come its way since the step was seen.
    QTest::newRow("set back, heard before the stamping clock looked")
        << back << qint64(40000) << QList<qint64>{40000, 37000} << QList<qint64>{38500};
    QTest::newRow("set back, heard after the stamping clock looked")
        << back << qint64(71500) << QList<qint64>{70900, 68500} << QList<qint64>{71500};
    QTest::newRow("set back, the stamps caught up")
        << back << qint64(410500) << QList<qint64>{407500} << QList<qint64>{410000, 409000};
    // Read within 500 ms before the step, it may have been 3.3 s as well as 2.8 s: the
    // stamps may still lag 1% of the time since behind the clock before it.
    QTest::newRow("set back after a slow reading, the stamps not caught up with the larger step")
        << QStringList{"refine 5000 0 500", "step 10000 10500 -2800 10"} << qint64(300500)
        << QList<qint64>{298100, 297700} << QList<qint64>{298400};
    // The answer that showed the step was slow; a closer one came after it. A line heard
    // before that is reckoned by the slow one.
    QTest::newRow("set back, read again more closely")
        << QStringList{"step 10000 10500 -2800 300", "refine 11000 -3000 10"} << qint64(20000)
        << QList<qint64>{17000, 20000} << QList<qint64>{17300};
    QTest::newRow("set back, heard before the closer reading")
        << QStringList{"step 10000 10500 -2800 300", "refine 11000 -3000 10"} << qint64(10800)
        << QList<qint64>{8200, 10800} << QList<qint64>{8400};
    // Set back by 3 s and then by 2 s more: the stamps may stand where the clock is, where
    // it was before the second step, or on the way from where it was before the first,
    // which they have left by now, as far as both clocks may have drifted in 100 s.
    QTest::newRow("set back twice, the second read again more closely")
        << QStringList{"step 10000 10500 -3000 10", "step 100000 100500 -1800 300", "refine 101000 -5000 10"}
        << qint64(110000) << QList<qint64>{105000, 106900, 107000, 109000, 109060}
        << QList<qint64>{105300, 105600, 107500, 109100, 110000};
}

void TestRoomLineBook::stampsAcrossClockSteps()
{
    QFETCH(QStringList, clock);
    QFETCH(qint64, heardMs);
    QFETCH(QList<qint64>, thatLine);
    QFETCH(QList<qint64>, later);

    xmpp::ClockSteps steps;
    xmpp::ClockSteps::Reckoning known{0, 0, 10};
    // The reckoning the client had as the line was heard.
    xmpp::ClockSteps::Reckoning then = known;
    for (const QString &event : clock) {
        const QStringList words = event.split(QLatin1Char(' '));
        xmpp::ClockSteps::Reckoning reading;
        if (words.at(0) == QLatin1String("step")) {
            const xmpp::ClockSteps::Reckoning before{known.offsetMs, words.at(1).toLongLong(), known.errorMs};
            reading = {known.offsetMs + words.at(3).toLongLong(), words.at(2).toLongLong(), words.at(4).toLongLong()};
            steps.stepped(before.readMs, before, reading);
        } else {
            reading = {words.at(2).toLongLong(), words.at(1).toLongLong(), words.at(3).toLongLong()};
            steps.refined(reading);
        }
        known = reading;
        if (reading.readMs <= heardMs)
            then = reading;
    }
    const xmpp::ClockSteps::Span reckoned{heardMs + then.offsetMs - then.errorMs, heardMs + then.offsetMs + then.errorMs};
    const std::vector<xmpp::ClockSteps::Span> spans = steps.spans(heardMs, reckoned);
    for (const qint64 stampMs : thatLine)
        QVERIFY2(xmpp::ClockSteps::stampedBy(stampMs, spans), qPrintable(QString::number(stampMs)));
    for (const qint64 stampMs : later)
        QVERIFY2(!xmpp::ClockSteps::stampedBy(stampMs, spans), qPrintable(QString::number(stampMs)));
}

MAHJONG_TEST_MAIN(TestRoomLineBook)
#include "tst_roomlinebook.moc"
