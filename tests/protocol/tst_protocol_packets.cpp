#include "testmain.h"

#include "protocol/packet_samples.h"
#include "protocol/packets.h"
#include "protocol/packets_json.h"

#include <cstring>
#include <set>

using namespace protocol;

namespace {

// Takes the one packet a frame decodes to, when it is of the type named. One visitor type
// for all packet types: a visitor per type would instantiate the whole dispatcher once for
// each of them, and this file would take minutes to compile under the sanitizers.
struct capture_visitor
{
    const char *wanted;
    void *out;
    int calls = 0;

    template <class T>
    void operator()(const T &p)
    {
        if (std::strcmp(T::type_name, wanted) != 0)
            throw std::runtime_error(std::string("decoded as ") + T::type_name);
        *static_cast<T *>(out) = p;
        ++calls;
    }
};

// Decodes one frame, expecting exactly one packet of type P.
template <class P>
P decodeFrame(const QByteArray &bytes)
{
    frame_buffer buffer;
    buffer.append(bytes);
    auto message = buffer.next();
    if (!message || buffer.buffered() != 0)
        throw std::runtime_error("not exactly one frame");
    P out;
    capture_visitor capture{P::type_name, &out};
    const visit_result result = visit<P::direction>(*message, capture);
    if (result != visit_result::handled || capture.calls != 1)
        throw std::runtime_error("not handled");
    return out;
}

struct any_visitor
{
    template <class P>
    void operator()(const P &) {}
};

} // namespace

// Every packet of the catalogue is covered here without code of its own.
class TestProtocolPackets : public QObject
{
    Q_OBJECT

private slots:
    void everyPacketRoundTrips()
    {
        int packets = 0;
        for_each_packet_type([&](const auto *tag) {
            using P = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
            ++packets;
            for (quint64 seed = 1; seed <= 40; ++seed) {
                samples::sample_source source(seed);
                P original;
                samples::fill(source, original);
                const QByteArray bytes = frame(original);
                const P back = decodeFrame<P>(bytes);
                if (!(back == original))
                    QFAIL(qPrintable(QStringLiteral("%1 differs after a round trip:\n%2\n%3")
                                         .arg(QLatin1String(P::type_name), dump(original), dump(back))));
                // The frame's length field counts the class id and the body.
                QCOMPARE(qFromBigEndian<quint32>(bytes.constData()), quint32(bytes.size() - 4));
                QCOMPARE(quint8(bytes.at(4)), P::class_id);
                QVERIFY(!dump(original).isEmpty());
            }
        });
        QVERIFY(packets >= 124);
    }

    void everyTruncationIsRefused()
    {
        for_each_packet_type([&](const auto *tag) {
            using P = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
            samples::sample_source source(7);
            P original;
            samples::fill(source, original);
            const QByteArray bytes = frame(original);
            // Keep the length field honest and cut the body short at every position.
            for (qsizetype cut = 1; cut < bytes.size() - 4; ++cut) {
                const message_t message(bytes.mid(4, cut));
                bool refused = false;
                try {
                    visit<P::direction>(message, any_visitor{});
                } catch (const decode_error &) {
                    refused = true;
                }
                if (!refused)
                    QFAIL(qPrintable(QStringLiteral("%1 cut to %2 bytes was accepted").arg(QLatin1String(P::type_name), QString::number(cut))));
            }
        });
    }

    void idsAreUniqueAndNamed()
    {
        std::set<std::pair<int, int>> ids;
        std::set<std::string> names;
        for_each_packet_type([&](const auto *tag) {
            using P = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
            QVERIFY(ids.insert({P::class_id, P::inner_id}).second);
            QVERIFY(names.insert(P::type_name).second);
            if (P::enveloped)
                QCOMPARE(P::inner_id < 32, P::direction == direction::to_server);
        });
        // The ids fixed by the server.
        QCOMPARE(login_t::class_id, quint8(10));
        QCOMPARE(join_table_t::class_id, quint8(30));
        QCOMPARE(join_table_answer_t::class_id, quint8(31));
    }

    void unknownIdsAndWrongDirectionAreSkipped()
    {
        QCOMPARE(visit<direction::to_client>(message_t(QByteArray("\x63\x01", 2)), any_visitor{}), visit_result::unknown_class);
        QCOMPARE(visit<direction::to_client>(message_t(QByteArray::fromHex("c8000000017f")), any_visitor{}),
                 visit_result::unknown_inner);
        // A client packet arriving at the client is not decoded.
        const QByteArray login = frame(login_t{QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(visit<direction::to_client>(message_t(login.mid(4)), any_visitor{}), visit_result::unknown_class);
        QCOMPARE(visit<direction::to_server>(message_t(login.mid(4)), any_visitor{}), visit_result::handled);
        // The envelope header alone, cut short, is malformed.
        QVERIFY_THROWS_EXCEPTION(decode_error, visit<direction::to_client>(message_t(QByteArray::fromHex("c80000")), any_visitor{}));
    }

    void envelopeLayout()
    {
        discard_tile_t d;
        d.table = 0x01020304;
        d.player = 9;
        d.discard = tile(27);
        QCOMPARE(frame(d).toHex(), QByteArray("0000000b" "c8" "01020304" "01" "00000009" "1b"));
        QCOMPARE(store_player_properties_t{}.service, 1);
    }

    void jsonFormsRoundTrip()
    {
        for_each_packet_type([&](const auto *tag) {
            using P = std::remove_const_t<std::remove_pointer_t<decltype(tag)>>;
            samples::sample_source source(11);
            P original;
            samples::fill(source, original);
            const QByteArray bytes = json::frame_from_json(QLatin1String(P::type_name), json::to_json(original).toObject());
            QCOMPARE(bytes, frame(original));
        });
        QVERIFY_THROWS_EXCEPTION(json::json_error, json::frame_from_json(QStringLiteral("login_t"), {{QStringLiteral("usr"), 1}}));
        QVERIFY_THROWS_EXCEPTION(json::json_error, json::frame_from_json(QStringLiteral("no_such_t"), {}));
    }
};

MAHJONG_TEST_MAIN(TestProtocolPackets)
#include "tst_protocol_packets.moc"
