// The table list under load: taking a full list of tables, partial updates and removals,
// side by side with a plain item model that only appends the same rows.
#include "app/TableInfo.h"
#include "lobby/TableModel.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

TableInfo makeTable(qint32 id)
{
    TableInfo info(id);
    info.setLobbyPath(id % 2 ? QStringLiteral("101/Practice") : QStringLiteral("101/Regular/x"));
    info.setRuleset(id % 6);
    info.setGameType(id % 3);
    info.setCapacity(TableCapacity(4, id % 5, 0));
    TableValue value;
    value.setKind(id % 6);
    value.setBet(100 * (id % 7));
    value.setFee(10);
    value.setPlayers(4);
    info.setValue(value);
    return info;
}

std::vector<TableInfo> makeTables(int count)
{
    std::vector<TableInfo> tables;
    tables.reserve(count);
    for (int id = 0; id < count; ++id)
        tables.push_back(makeTable(id));
    return tables;
}

std::unique_ptr<TableModel> subscribedModel()
{
    TableModelRequests requests;
    requests.subscribe = [](const QString &) { return true; };
    requests.unsubscribe = [](const QString &) { return true; };
    auto model = std::make_unique<TableModel>(requests, nullptr);
    model->subscribe(QStringLiteral("101/Practice"));
    model->subscribe(QStringLiteral("101/Regular"));
    while (model->hasQueuedRequests())
        model->processSubscriptions();
    return model;
}

void BM_PlainModelAppend(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        QStandardItemModel model;
        for (const TableInfo &info : tables) {
            QList<QStandardItem *> row;
            for (int column = 0; column < TableModel::ColumnCount; ++column)
                row << new QStandardItem(QString::number(info.id()));
            model.appendRow(row);
        }
        benchmark::DoNotOptimize(model.rowCount());
    }
}

void BM_TableModelFullList(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        auto model = subscribedModel();
        for (const TableInfo &info : tables)
            model->addOrUpdateTable(info);
        benchmark::DoNotOptimize(model->rowCount());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_TableModelFullListShown(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto model = subscribedModel();
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(model.get());
        proxy.setDynamicSortFilter(true);
        proxy.sort(0);
        QTableView view;
        view.setModel(&proxy);
        view.resize(800, 600);
        view.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (const TableInfo &info : tables)
            model->addOrUpdateTable(info);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(proxy.rowCount());
        state.PauseTiming();
        view.setModel(nullptr);
        model.reset();
        state.ResumeTiming();
    }
}

void BM_TableModelPartialUpdates(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    auto model = subscribedModel();
    for (const TableInfo &info : tables)
        model->addOrUpdateTable(info);
    const TableInfoUpdates updates{{TableInfo::BET, 300}, {TableInfo::SPEED, 15000}};
    int round = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            model->updateTableInfo((i * 7 + round) % int(tables.size()), (i + round) % 5, updates);
        ++round;
    }
}

void BM_TableModelRemovals(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto model = subscribedModel();
        for (const TableInfo &info : tables)
            model->addOrUpdateTable(info);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            model->onTableRemoved((i * 9) % int(tables.size()));
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PlainModelAppend)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableModelFullList)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableModelFullListShown)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableModelPartialUpdates)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableModelRemovals)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    // Every model of a run ends with its subscriptions held: keep those lines out of the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type >= QtCriticalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
