// Decode and encode throughput of the game protocol codec on a realistic mix (a lobby
// list of 2,000 tables, the game packets of a whole hand), side by side with a
// QDataStream form of the same fields and with memcpy of the same bytes.

#include "protocol/packets.h"
#include "protocol/packets_qdatastream.h"
#include "RepeatedRuns.h"

#include <QBuffer>
#include <QDataStream>

#include <benchmark/benchmark.h>

#include <cstring>
#include <variant>

using namespace protocol;

namespace {

using lobby_packet = std::variant<table_info_t>;
using hand_packet = std::variant<start_hand_t, private_player_data_t, tiles_from_wall_t, hidden_tiles_from_wall_t,
                                 player_should_act_t, tile_discarded_t, waiting_for_t, waiting_over_t,
                                 meld_suggestion_t, meld_declared_t, hand_end_t, end_of_round_t>;

property_t prop(const char *name, any_t value)
{
    return {QString::fromLatin1(name), std::move(value)};
}

std::vector<lobby_packet> lobbyList()
{
    static const char *const names[] = {"Bamboo Grove", "Red Dragon", "East Wind", "Jade Garden", "Lotus Pond"};
    std::vector<lobby_packet> out;
    for (qint32 i = 0; i < 2000; ++i) {
        table_info_t t;
        t.table = 10000 + i;
        t.game_id = 101;
        t.path_rest = i % 3 ? QByteArray("Practice/Riichi") : QByteArray("Money/Classic");
        t.properties = {
            prop("NAME", QStringLiteral("%1 %2").arg(QLatin1String(names[i % 5])).arg(i)),
            prop("RULESET", qint32(i % 6)), prop("SEATS", qint32(4)), prop("PLAYERS", qint32(i % 5)),
            prop("BOTS", qint32(i % 2)), prop("GAME_TYPE", qint32(2)), prop("SPEED", qint32(15000)),
            prop("VALUE_KIND", qint32(1)), prop("BET", qint32(100 * (i % 10))), prop("FEE", qint32(10)),
            prop("PLACE_BONUS_1", qint32(300)), prop("PLACE_BONUS_2", qint32(100)),
            prop("PLACE_BONUS_3", qint32(-100)), prop("PLACE_BONUS_4", qint32(-300)),
            prop("RAKE_PERCENT", qint32(5)), prop("VALUE_PLAYERS", qint32(4)), prop("ABORTED", qint32(0)),
            prop("WIND_ROUNDS", qint32(2)), prop("MIN_DOUBLES", qint32(1)), prop("MAX_DOUBLES", qint32(13)),
            prop("PC_INDEX", qint32(0)), prop("MIN_SCORE", qint32(-100)), prop("START_SCORE", qint32(25000)),
            prop("MTT_ID", qint32(-1))};
        out.emplace_back(std::move(t));
    }
    return out;
}

std::vector<hand_packet> wholeHand()
{
    const qint32 table = 5001;
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
    const span_t span{now, now.addMSecs(15000)};
    std::vector<hand_packet> out;
    start_hand_t start;
    start.table = table;
    start.hand_id = 123456789;
    start.seating = {1001, 1002, 1003, 1004};
    for (qint32 p = 0; p < 4; ++p)
        start.scores.push_back({1001 + p, 25000, 0});
    start.table_state = {1001, 0, 0, -1, 0, 0};
    start.wall_state = {12, {tile(5)}, 70, 14, 0};
    out.emplace_back(start);
    private_player_data_t own;
    own.table = table;
    for (int i = 0; i < 13; ++i)
        own.concealed.push_back(tile(quint8((i * 7) % 34)));
    own.active = true;
    out.emplace_back(own);
    for (int turn = 0; turn < 70; ++turn) {
        const qint32 player = 1001 + turn % 4;
        if (player == 1001)
            out.emplace_back(tiles_from_wall_t{table, {tile(quint8(turn % 34))}, false});
        else
            out.emplace_back(hidden_tiles_from_wall_t{table, player, 1, false});
        out.emplace_back(player_should_act_t{table, span, player});
        out.emplace_back(tile_discarded_t{table, player, tile(quint8((turn * 5) % 34))});
        out.emplace_back(waiting_for_t{table, 0, span, {1001, 1002, 1003, 1004}});
        if (turn % 9 == 4) {
            out.emplace_back(meld_suggestion_t{table, span, {offer_rec_t{1, tile(3)}, offer_rec_t{2, tile(4)}}});
            out.emplace_back(meld_declared_t{table, player, meld_rec_t{2, 0, tile(4), player - 1, 0}});
        }
        out.emplace_back(waiting_over_t{table});
    }
    hand_end_t end;
    end.table = table;
    end.end_kind = 2;
    for (qint32 p = 0; p < 4; ++p) {
        end_hand_player_rec_t r;
        r.player = 1001 + p;
        r.name = QStringLiteral("player%1").arg(p);
        r.result = p == 0 ? 2 : 0;
        r.points = {{1, 20}, {2, 10}};
        r.doubles = {{7, 1}, {9, 2}};
        r.hand = {{{tile(1), tile(2), tile(3)}, -1}, {{tile(4), tile(4), tile(4)}, 1}};
        r.current_score = 25000 + p * 1000;
        end.players.push_back(r);
    }
    end.dora = {tile(5)};
    out.emplace_back(end);
    out.emplace_back(end_of_round_t{table, {{1001, 30, 1500}, {1002, -10, -500}, {1003, -10, -500}, {1004, -10, -500}}});
    return out;
}

template <class Packets>
QByteArray encodeCodec(const Packets &packets)
{
    writer w;
    for (const auto &p : packets)
        std::visit([&w](const auto &x) { write_frame(w, x); }, p);
    return w.take();
}

template <class Packets>
QByteArray encodeQds(const Packets &packets)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    for (const auto &p : packets) {
        std::visit([&s](const auto &x) {
            using P = std::decay_t<decltype(x)>;
            // Each frame as the QDataStream form would carry it: class, inner id, fields.
            s << P::class_id << P::inner_id;
            qds::put(s, x);
        }, p);
    }
    return out;
}

template <class... P>
bool decodeOneQds(QDataStream &s, quint8 classId, quint8 innerId, std::variant<P...> *)
{
    // The first packet type of those ids decodes; the others are not tried.
    return ((P::class_id == classId && P::inner_id == innerId
             && ([&s] { P p; qds::get(s, p); benchmark::DoNotOptimize(p); }(), true))
            || ...);
}

template <class Variant>
std::size_t decodeQds(const QByteArray &bytes)
{
    QDataStream s(bytes);
    std::size_t n = 0;
    while (!s.atEnd()) {
        quint8 classId = 0, innerId = 0;
        s >> classId >> innerId;
        if (!decodeOneQds(s, classId, innerId, static_cast<Variant *>(nullptr)))
            break;
        ++n;
    }
    return n;
}

std::size_t decodeCodec(const QByteArray &bytes)
{
    frame_buffer frames;
    frames.append(bytes);
    std::size_t n = 0;
    while (auto m = frames.next()) {
        if (visit<direction::to_client>(*m, [](const auto &p) { benchmark::DoNotOptimize(p); })
            == visit_result::handled)
            ++n;
    }
    return n;
}

const std::vector<lobby_packet> &lobby()
{
    static const auto packets = lobbyList();
    return packets;
}

const std::vector<hand_packet> &hand()
{
    static const auto packets = wholeHand();
    return packets;
}

template <class Packets>
void report(benchmark::State &state, const Packets &packets, qsizetype bytes)
{
    state.SetItemsProcessed(qint64(state.iterations()) * qint64(packets.size()));
    state.SetBytesProcessed(qint64(state.iterations()) * bytes);
}

void LobbyDecodeCodec(benchmark::State &state)
{
    const QByteArray bytes = encodeCodec(lobby());
    if (decodeCodec(bytes) != lobby().size())
        state.SkipWithError("not every packet was decoded");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeCodec(bytes));
    report(state, lobby(), bytes.size());
}

void LobbyDecodeQDataStream(benchmark::State &state)
{
    const QByteArray bytes = encodeQds(lobby());
    if (decodeQds<lobby_packet>(bytes) != lobby().size())
        state.SkipWithError("the QDataStream form does not read back");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeQds<lobby_packet>(bytes));
    report(state, lobby(), bytes.size());
}

void LobbyMemcpy(benchmark::State &state)
{
    const QByteArray bytes = encodeCodec(lobby());
    QByteArray target(bytes.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), std::size_t(bytes.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    report(state, lobby(), bytes.size());
}

void LobbyEncodeCodec(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeCodec(lobby());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    report(state, lobby(), size);
}

void LobbyEncodeQDataStream(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeQds(lobby());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    report(state, lobby(), size);
}

void HandDecodeCodec(benchmark::State &state)
{
    const QByteArray bytes = encodeCodec(hand());
    if (decodeCodec(bytes) != hand().size())
        state.SkipWithError("not every packet was decoded");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeCodec(bytes));
    report(state, hand(), bytes.size());
}

void HandDecodeQDataStream(benchmark::State &state)
{
    const QByteArray bytes = encodeQds(hand());
    if (decodeQds<hand_packet>(bytes) != hand().size())
        state.SkipWithError("the QDataStream form does not read back");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeQds<hand_packet>(bytes));
    report(state, hand(), bytes.size());
}

void HandMemcpy(benchmark::State &state)
{
    const QByteArray bytes = encodeCodec(hand());
    QByteArray target(bytes.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), std::size_t(bytes.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    report(state, hand(), bytes.size());
}

void HandEncodeCodec(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeCodec(hand());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    report(state, hand(), size);
}

void HandEncodeQDataStream(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeQds(hand());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    report(state, hand(), size);
}

} // namespace

BENCHMARK(LobbyDecodeCodec)->Apply(repeatedRuns);
BENCHMARK(LobbyDecodeQDataStream)->Apply(repeatedRuns);
BENCHMARK(LobbyMemcpy)->Apply(repeatedRuns);
BENCHMARK(LobbyEncodeCodec)->Apply(repeatedRuns);
BENCHMARK(LobbyEncodeQDataStream)->Apply(repeatedRuns);
BENCHMARK(HandDecodeCodec)->Apply(repeatedRuns);
BENCHMARK(HandDecodeQDataStream)->Apply(repeatedRuns);
BENCHMARK(HandMemcpy)->Apply(repeatedRuns);
BENCHMARK(HandEncodeCodec)->Apply(repeatedRuns);
BENCHMARK(HandEncodeQDataStream)->Apply(repeatedRuns);

BENCHMARK_MAIN();
