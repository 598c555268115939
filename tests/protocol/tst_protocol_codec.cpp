#include "testmain.h"

#include "protocol/packets.h"

#include <QtEndian>

#include <atomic>
#include <limits>
#include <thread>
#include <vector>

using namespace protocol;

namespace {

QByteArray be32(qint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}

template <class T>
T roundTrip(const T &value)
{
    writer w;
    write(w, value);
    const QByteArray bytes = w.take();
    reader r(bytes.constData(), bytes.size());
    T back{};
    read(r, back);
    r.expectEnd();
    return back;
}

template <class T>
void expectRefused(const QByteArray &bytes, const char *text)
{
    reader r(bytes.constData(), bytes.size());
    T value{};
    try {
        read(r, value);
        r.expectEnd();
    } catch (const decode_error &e) {
        QVERIFY2(QString::fromLatin1(e.what()).contains(QLatin1String(text)), e.what());
        return;
    }
    QFAIL(qPrintable(QStringLiteral("malformed input was accepted: %1").arg(QLatin1String(text))));
}

} // namespace

class TestProtocolCodec : public QObject
{
    Q_OBJECT

private slots:
    void primitivesRoundTrip()
    {
        QCOMPARE(roundTrip(qint32(std::numeric_limits<qint32>::min())), std::numeric_limits<qint32>::min());
        QCOMPARE(roundTrip(qint32(-1)), qint32(-1));
        QCOMPARE(roundTrip(qint64(std::numeric_limits<qint64>::max())), std::numeric_limits<qint64>::max());
        QCOMPARE(roundTrip(qint64(std::numeric_limits<qint64>::min())), std::numeric_limits<qint64>::min());
        QCOMPARE(roundTrip(qint8(-128)), qint8(-128));
        QCOMPARE(roundTrip(quint8(255)), quint8(255));
        QCOMPARE(roundTrip(true), true);
        QCOMPARE(roundTrip(QString()), QString());
        const QString mixed = QString::fromUtf8("Practice \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x80\x84");
        QCOMPARE(roundTrip(mixed), mixed);
        QCOMPARE(roundTrip(QByteArray("\x00\xff", 2)), QByteArray("\x00\xff", 2));
        QCOMPARE(roundTrip(tile(tile::Unknown)), tile(tile::Unknown));
        QCOMPARE(roundTrip(std::vector<qint32>{}), std::vector<qint32>{});
        QCOMPARE(roundTrip(std::vector<QString>{QString(), QStringLiteral("x")}), (std::vector<QString>{QString(), QStringLiteral("x")}));
    }

    void sharedShortStringsStayDistinct()
    {
        // Short ASCII strings are shared between reads; many of them share cache slots.
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < 3000; ++i) {
                const QString s = QStringLiteral("P%1").arg(i * 7919);
                QCOMPARE(roundTrip(s), s);
            }
        }
        QCOMPARE(roundTrip(QString(32, QLatin1Char('x'))), QString(32, QLatin1Char('x')));
        QCOMPARE(roundTrip(QString(33, QLatin1Char('x'))), QString(33, QLatin1Char('x')));
        QVERIFY(roundTrip(QStringLiteral("")).isEmpty());

        // Upper-case names are kept for good, from several threads at once; more of them
        // than the table holds, of every length, differing only in their last byte, read
        // at the very end of the bytes or before others.
        const auto names = [](int thread) {
            QStringList list;
            for (int i = 0; i < 1500; ++i)
                list << QStringLiteral("NAME_%1_%2").arg(i).arg(thread % 2);
            for (int n = 1; n <= 33; ++n) {
                list << QString(n, QLatin1Char('A'));
                list << QString(n - 1, QLatin1Char('A')) + QLatin1Char('B');
            }
            return list;
        };
        std::vector<std::thread> threads;
        std::atomic<int> wrong{0};
        for (int thread = 0; thread < 4; ++thread) {
            threads.emplace_back([&, thread] {
                const QStringList list = names(thread);
                for (int round = 0; round < 2; ++round) {
                    for (const QString &name : list) {
                        writer w;
                        w.str(name);
                        w.str(name);
                        w.i32(7);
                        const QByteArray bytes = w.take();
                        reader r(bytes.constData(), bytes.size());
                        QString first = r.str();
                        const QString second = r.str();
                        // A name read is a string like any other: changing it changes no other.
                        first += QLatin1Char('x');
                        if (second != name || first != name + QLatin1Char('x') || roundTrip(name) != name)
                            ++wrong;
                    }
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(roundTrip(QString::fromUtf8("RULESET\xc3\xa9")), QString::fromUtf8("RULESET\xc3\xa9"));
    }

    void bigEndianLayout()
    {
        writer w;
        w.i32(0x01020304);
        w.str(QStringLiteral("\u00e9"));
        w.time(QDateTime());
        QCOMPARE(w.take().toHex(), QByteArray("01020304" "00000002c3a9" "ffffffffffffffff"));
    }

    void times()
    {
        const QDateTime t = QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC);
        QCOMPARE(roundTrip(t), t);
        QVERIFY(roundTrip(QDateTime()).isNull());
        // Times from the wire are UTC whatever the writer's zone was.
        QCOMPARE(roundTrip(t.toLocalTime()).timeSpec(), Qt::UTC);
        QCOMPARE(roundTrip(QDateTime::fromMSecsSinceEpoch(-5, Qt::UTC)).toMSecsSinceEpoch(), qint64(-5));
    }

    void anyValues()
    {
        any_t::list_t nested{any_t(qint32(1)), any_t(QStringLiteral("two")),
                             any_t(any_t::list_t{any_t(qint64(-3)), any_t(any_t::list_t{})}),
                             any_t(pot_share_t{250000})};
        const any_t value(nested);
        QCOMPARE(roundTrip(value), value);
        QVERIFY(roundTrip(any_t(qint64(5))).value().index() == 2); // a 64-bit value stays 64-bit
        QCOMPARE(roundTrip(any_t(qint64(5))).toInteger(), qint64(5));
        QCOMPARE(roundTrip(value).toList().at(3).get_if<pot_share_t>()->share, 250000);
        QCOMPARE(dump(value), QStringLiteral("[1, \"two\", [-3L, []], pot_share_t { share: 250000 }]"));
    }

    void malformedInputIsRefused()
    {
        expectRefused<qint32>(QByteArray("\x00\x01", 2), "truncated");
        expectRefused<QString>(be32(5) + "abc", "truncated");
        expectRefused<QString>(be32(-1), "negative");
        expectRefused<QString>(be32(2) + "\xc3\x28", "UTF-8");
        expectRefused<QString>(be32(3) + "\xed\xa0\x80", "UTF-8"); // an encoded surrogate
        expectRefused<bool>(QByteArray("\x02", 1), "boolean");
        // A claimed count that the bytes left cannot hold is refused before allocating.
        expectRefused<std::vector<qint32>>(be32(std::numeric_limits<qint32>::max()), "longer than the packet");
        expectRefused<std::vector<QString>>(be32(3) + be32(0) + be32(0), "longer than the packet");
        expectRefused<std::vector<qint32>>(be32(-2), "negative");
        expectRefused<any_t>(QByteArray("\x09", 1), "tag");
        expectRefused<any_t>(QByteArray("\x04\x63", 2), "unknown structure");
        expectRefused<qint32>(be32(1) + "x", "left over");
    }

    void deepNestingIsRefused()
    {
        // 200 nested any lists: refused before the stack could suffer.
        QByteArray bytes;
        for (int i = 0; i < 200; ++i)
            bytes += QByteArray("\x03", 1) + be32(1);
        bytes += QByteArray("\x01", 1) + be32(7);
        expectRefused<any_t>(bytes, "nested too deep");

        QByteArray shallow;
        for (int i = 0; i < 10; ++i)
            shallow += QByteArray("\x03", 1) + be32(1);
        shallow += QByteArray("\x01", 1) + be32(7);
        reader r(shallow.constData(), shallow.size());
        any_t v;
        read(r, v);
        QCOMPARE(r.remaining(), 0);
    }

    void frameBufferCutsAtEveryPosition()
    {
        QByteArray stream;
        stream += frame(login_t{QStringLiteral("alice"), QStringLiteral("pw")});
        stream += frame(logout_t{});
        stream += frame(discard_tile_t{7, 1001, tile(5)});
        for (int split = 0; split <= stream.size(); ++split) {
            frame_buffer buffer;
            std::vector<QByteArray> frames;
            buffer.append(stream.left(split));
            while (auto m = buffer.next())
                frames.push_back(m->bytes());
            buffer.append(stream.mid(split));
            while (auto m = buffer.next())
                frames.push_back(m->bytes());
            QCOMPARE(frames.size(), std::size_t(3));
            QCOMPARE(frames[1], QByteArray("\x0d", 1));
            QCOMPARE(buffer.buffered(), 0);
        }
        // One byte at a time.
        frame_buffer buffer;
        int count = 0;
        for (char c : stream) {
            buffer.append(QByteArray(1, c));
            while (buffer.next())
                ++count;
        }
        QCOMPARE(count, 3);
    }

    void frameLengthLimits()
    {
        for (quint32 bad : {0u, MaxFrameLength + 1, 0xffffffffu}) {
            frame_buffer buffer;
            char b[4];
            qToBigEndian(bad, b);
            buffer.append(QByteArray(b, 4));
            QVERIFY_THROWS_EXCEPTION(decode_error, buffer.next());
            QCOMPARE(buffer.buffered(), 0);
        }
        // The largest allowed length only waits for its bytes.
        frame_buffer buffer;
        char b[4];
        qToBigEndian(MaxFrameLength, b);
        buffer.append(QByteArray(b, 4) + "x");
        QVERIFY(!buffer.next());
    }

    void dumpHidesSecrets()
    {
        const QString text = dump(login_t{QStringLiteral("alice"), QStringLiteral("hunter2")});
        QCOMPARE(text, QStringLiteral("login_t { user: \"alice\", password: <hidden> }"));
        lobby_summary_t summary;
        summary.latest_logins.assign(100, 1);
        QVERIFY(dump(summary).contains(QLatin1String("... 68 more")));
    }
};

MAHJONG_TEST_MAIN(TestProtocolCodec)
#include "tst_protocol_codec.moc"
