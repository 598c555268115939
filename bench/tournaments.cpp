// The tournament list and the standings under load, side by side with a plain item model:
// (a) a list of tournaments arriving, then one partial update of REGISTERED for each;
// (b) one ranking update in which every player's score changes, behind the player filter.
#include "app/TournamentInfo.h"
#include "lobby/TournamentRankingModel.h"
#include "lobby/TournamentsLobbyModel.h"

#include <QApplication>
#include <QStandardItemModel>

#include "RepeatedRuns.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

TournamentInfo makeTournament(qint32 id)
{
    TournamentInfo info(id);
    info.setName(QStringLiteral("Cup %1").arg(id));
    info.setStatus(TournamentInfo::Open);
    info.setStart(QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(id % 997) * 600));
    info.setRegisteredPlayers(id % 50);
    info.setMaxPlayers(64);
    info.setRuleset(id % 6);
    info.setBet(100 * (id % 7));
    info.setFee(10);
    return info;
}

// The floor: the same eight cells as texts, appended, one cell set per update, sorted once.
void plainList(QStandardItemModel &model, int count)
{
    std::vector<QStandardItem *> players;
    players.reserve(std::size_t(count));
    for (int id = 0; id < count; ++id) {
        const TournamentInfo info = makeTournament(id);
        QList<QStandardItem *> row;
        for (int column = 0; column < TournamentsLobbyModel::ColumnCount; ++column)
            row << new QStandardItem(QString::number(id * 8 + column));
        row[TournamentsLobbyModel::StartColumn]->setText(info.start().toString(Qt::ISODate));
        players.push_back(row[TournamentsLobbyModel::PlayersColumn]);
        model.appendRow(row);
    }
    for (int id = 0; id < count; ++id)
        players[std::size_t(id)]->setText(QString::number(id % 50 + 1));
    model.sort(TournamentsLobbyModel::StartColumn);
    benchmark::DoNotOptimize(model.rowCount());
}

void tournamentList(TournamentsLobbyModel &model, int count)
{
    for (int id = 0; id < count; ++id)
        model.addOrUpdateTournament(makeTournament(id));
    for (int id = 0; id < count; ++id)
        model.updateTournamentInfo(id, {{TournamentInfo::REGISTERED, id % 50 + 1}});
    benchmark::DoNotOptimize(model.rowCount());
}

// Taking a sorted item model down is quadratic in Qt (each item looks for its own row
// when deleted), so both sides are timed without their teardown.
template <class Model, void (*fill)(Model &, int)>
void listBenchmark(benchmark::State &state)
{
    for (auto _ : state) {
        auto model = std::make_unique<Model>(nullptr);
        fill(*model, int(state.range(0)));
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_ListPlain(benchmark::State &state)
{
    listBenchmark<QStandardItemModel, plainList>(state);
}

void BM_ListTournaments(benchmark::State &state)
{
    listBenchmark<TournamentsLobbyModel, tournamentList>(state);
}

TournamentRankings makeRankings(int count, int round)
{
    TournamentRankings rankings;
    rankings.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        TournamentRanking r;
        r.pid = (i * 7 + round) % count;
        r.screenName = QStringLiteral("player%1").arg(r.pid);
        r.table_points = (count - i) * 2 + round;
        r.competition_points = count - i;
        rankings.push_back(r);
    }
    return rankings;
}

// The floor: the rows cleared and made again under the same filter.
void refill(QStandardItemModel &model, const TournamentRankings &rankings)
{
    model.clear();
    int position = 1;
    for (const TournamentRanking &r : rankings) {
        auto *positionItem = new QStandardItem;
        positionItem->setData(position++, Qt::DisplayRole);
        model.appendRow({positionItem, new QStandardItem(r.screenName),
                         new QStandardItem(QStringLiteral("%1/%2").arg(r.table_points * 0.5).arg(r.competition_points))});
    }
}

void BM_RankingRefill(benchmark::State &state)
{
    const int count = int(state.range(0));
    const TournamentRankings rankings[2] = {makeRankings(count, 0), makeRankings(count, 1)};
    QStandardItemModel model;
    TournamentPlayerFilter filter(nullptr);
    filter.setSourceModel(&model);
    refill(model, rankings[0]);
    int round = 0;
    for (auto _ : state) {
        refill(model, rankings[++round % 2]);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}

void BM_RankingInPlace(benchmark::State &state)
{
    const int count = int(state.range(0));
    const TournamentRankings rankings[2] = {makeRankings(count, 0), makeRankings(count, 1)};
    TournamentRankingModel model(1, nullptr);
    TournamentPlayerFilter filter(nullptr);
    filter.setSourceModel(&model);
    model.onTournamentRankings(1, rankings[0]);
    int round = 0;
    for (auto _ : state) {
        model.onTournamentRankings(1, rankings[++round % 2]);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}

} // namespace

BENCHMARK(BM_ListPlain)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_ListTournaments)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_RankingRefill)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_RankingInPlace)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
