#include "testmain.h"

#include "chat/xmpp/RoomLineBook.h"

#include <map>

namespace {

const QString Room = QStringLiteral("table-1@conference.localhost");

// Runs a room's events through a book and writes down what it shows, one short text
// each: "nick:text@ms" for a line placed at a time, "nick:text@live" for a live line at
// its arrival, "settled ID" for an own line the room has, "refused ID" for one it
// refused while it waited. The user speaks as "me". Events, one word each part:
//   now MS                      the present
//   join                        a join from scratch, asking for all the history
//   lost                        the connection is lost (ending a history cut short)
//   rejoin                      the connection is back: a join asking for the history since
//   subject                     the room's subject, which ends a join's history
//   sent ID / refuse ID         the user sends a line with the id / the room refuses it
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
    void step(const QStringList &words)
    {
        const QString what = words.at(0);
        if (what == QLatin1String("now")) {
            m_nowMs = words.at(1).toLongLong();
        } else if (what == QLatin1String("join")) {
            book.reset();
            book.setOwnOccupant(Room + QStringLiteral("/me"));
            book.historyRequested(m_nowMs);
        } else if (what == QLatin1String("lost")) {
            apply(book.endHistory(m_nowMs));
            book.lostAt(m_nowMs);
        } else if (what == QLatin1String("rejoin")) {
            book.prepareRejoin(m_nowMs);
            book.historyRequested(m_nowMs);
        } else if (what == QLatin1String("subject")) {
            apply(book.endHistory(m_nowMs));
        } else if (what == QLatin1String("sent")) {
            book.ownLineSent(words.at(1));
        } else if (what == QLatin1String("refuse")) {
            if (book.ownLineRefused(words.at(1)))
                m_shown << QStringLiteral("refused ") + words.at(1);
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
            apply(what == QLatin1String("hist") ? book.historyLine(line, token, m_nowMs)
                                                : book.liveLine(line, token, m_nowMs));
        }
    }

    void apply(const RoomLineBook::Verdict &verdict)
    {
        if (!verdict.settledOwnId.isEmpty())
            m_shown << QStringLiteral("settled ") + verdict.settledOwnId;
        for (const RoomLineBook::Placement &placement : verdict.show) {
            QVERIFY2(m_lines.count(placement.token) == 1, "a line shown twice");
            m_shown << m_lines[placement.token] + QLatin1Char('@')
                    + (placement.atMs ? QString::number(*placement.atMs) : QStringLiteral("live"));
            m_lines.erase(placement.token);
        }
    }

    qint64 m_nowMs = 0;
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
};

void TestRoomLineBook::placesAndMatchesLines_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("shown");

    // Where the lines of a join's history go.
    QTest::newRow("the history keeps the room's stamps")
        << QStringList{"now 10000", "join", "hist a x @1000", "hist b y @2000", "subject", "live a z"}
        << QStringList{"a:x@1000", "b:y@2000", "a:z@live"};
    QTest::newRow("a stamp ahead of the present follows the line before")
        << QStringList{"now 10000", "join", "hist a x @1000", "hist b y @99999", "hist a z @3000"}
        << QStringList{"a:x@1000", "b:y@1001", "a:z@3000"};
    QTest::newRow("a stamp earlier than the line before comes after it")
        << QStringList{"now 10000", "join", "hist a x @5000", "hist b y @1000"}
        << QStringList{"a:x@5000", "b:y@5001"};
    QTest::newRow("lines without a stamp at the start go just before the first placed")
        << QStringList{"now 10000", "join", "hist a x", "hist b y @99999", "hist c z @5000"}
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

    // A rejoin: the lines not shown yet, below the loss, no earlier than asked for.
    QTest::newRow("a rejoin's new lines come below the loss")
        << QStringList{"now 10000", "join", "subject", "live a x", "now 11000", "lost", "now 20000", "rejoin",
                       "hist a x @9990", "hist b y @10500", "subject"}
        << QStringList{"a:x@live", "b:y@11001"};
    QTest::newRow("a rejoin's lines come below the loss whatever their stamps")
        << QStringList{"now 10000", "join", "subject", "live a x", "now 30000", "lost", "now 40000", "rejoin",
                       "hist c z @1000"}
        << QStringList{"a:x@live", "c:z@30001"};
    QTest::newRow("by the room's id")
        << QStringList{"now 10000", "join", "hist a x @1000 #r1", "subject", "lost", "rejoin", "hist a x @1000 #r1",
                       "hist a x @1500 #r2"}
        << QStringList{"a:x@1000", "a:x@10001"};
    QTest::newRow("by the id its sender gave it")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "lost", "rejoin", "hist a x @9000 ~o1",
                       "hist a x @9500 ~o2"}
        << QStringList{"a:x@live", "a:x@10001"};
    QTest::newRow("by sender and text, in the room's order")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist a x @9990", "hist b y @9995", "hist c z @10500"}
        << QStringList{"a:x@live", "b:y@live", "c:z@11001"};
    QTest::newRow("the first new line ends the overlap")
        << QStringList{"now 10000", "join", "subject", "live a x", "live b y", "now 11000", "lost", "rejoin",
                       "hist a x @9990", "hist c z @9992", "hist b y @9995"}
        << QStringList{"a:x@live", "b:y@live", "c:z@11001", "b:y@11002"};
    QTest::newRow("a line said again, stamped after the first was heard, is another")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @11000", "hist a gap @11500"}
        << QStringList{"a:ok@live", "a:ok@12001", "a:gap@12002"};
    QTest::newRow("the same line again, stamped before it was heard")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @9990", "hist a gap @11500"}
        << QStringList{"a:ok@live", "a:gap@12001"};
    QTest::newRow("a stamp ahead of the present does not tell a line apart")
        << QStringList{"now 10000", "join", "subject", "live a ok", "now 12000", "lost", "now 13000", "rejoin",
                       "hist a ok @99999", "hist a gap @11500"}
        << QStringList{"a:ok@live", "a:gap@12001"};

    // Copies sent again under the sender's id.
    QTest::newRow("a live copy is dropped")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "live a x ~o1", "live a x ~o2"}
        << QStringList{"a:x@live", "a:x@live"};
    QTest::newRow("a copy in the same history is dropped")
        << QStringList{"now 10000", "join", "hist a x @1000 ~o1", "hist a x @2000 ~o1", "subject"}
        << QStringList{"a:x@1000"};
    QTest::newRow("another's id and another text name other lines")
        << QStringList{"now 10000", "join", "subject", "live a x ~o1", "live b x ~o1", "live a y ~o1"}
        << QStringList{"a:x@live", "b:x@live", "a:y@live"};
    QTest::newRow("another's stanza id names no line")
        << QStringList{"now 10000", "join", "subject", "live a x !5", "live a x !5"}
        << QStringList{"a:x@live", "a:x@live"};

    // The user's own lines.
    QTest::newRow("an own line is settled by its reflection")
        << QStringList{"now 10000", "join", "subject", "sent o1", "live me hi ~o1", "live me hi ~o1"}
        << QStringList{"settled o1", "me:hi@live"};
    QTest::newRow("an own line without its origin id is settled by its stanza id")
        << QStringList{"now 10000", "join", "subject", "sent o1", "live me hi !o1", "live me hi !o1"}
        << QStringList{"settled o1", "me:hi@live"};
    QTest::newRow("an own line is settled by a rejoin's history")
        << QStringList{"now 10000", "join", "subject", "sent o1", "now 11000", "lost", "rejoin", "hist me hi @10500 ~o1"}
        << QStringList{"settled o1", "me:hi@11001"};
    QTest::newRow("another's line with the own id settles nothing")
        << QStringList{"now 10000", "join", "subject", "sent o1", "live a hi ~o1"}
        << QStringList{"a:hi@live"};
    QTest::newRow("a refused line waits no more")
        << QStringList{"now 10000", "join", "subject", "sent o1", "refuse o1", "refuse o1", "refuse o2",
                       "live me hi ~o1"}
        << QStringList{"refused o1", "me:hi@live"};
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

    // The own lines waiting are kept up to their bound: the oldest goes first.
    RoomLineBook &book = script.book;
    for (int i = 0; i <= RoomLineBook::MaxOwnLines; ++i)
        book.ownLineSent(QString::number(i));
    QVERIFY(!book.ownLineRefused(QStringLiteral("0")));
    QVERIFY(book.ownLineRefused(QStringLiteral("1")));
    QVERIFY(book.ownLineRefused(QString::number(RoomLineBook::MaxOwnLines)));
}

MAHJONG_TEST_MAIN(TestRoomLineBook)
#include "tst_roomlinebook.moc"
