// The table lobby's chain (table list -> lobby model -> lobby table filter) changing its
// filter, searching and sorting, bare and in a tree view; beside a plain item model of the
// same rows under a plain sort and filter proxy doing the comparable work.
#include "app/TableInfo.h"
#include "connection/ConnectionManager.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyController.h"
#include "lobby/LobbyFilter.h"
#include "lobby/LobbyModel.h"
#include "lobby/LobbyTableFilter.h"
#include "lobby/TableModel.h"
#include "RepeatedRuns.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const char *const Words[] = {"Bamboo", "Lotus", "Plum", "Crane", "Orchid", "Pine", "Dragon"};

TableInfo makeTable(qint32 id)
{
    TableInfo info(id);
    info.setLobbyPath(QStringLiteral("101/Regular/") + QLatin1String(Words[id % 7]));
    info.setRuleset(id % 6);
    info.setGameType((id % 3) == 1 ? 0 : id % 3);
    info.setWindRounds(1 + id % 2);
    info.setCapacity(TableCapacity(4, id % 5, 0));
    TableValue value;
    value.setKind(id % 6);
    value.setBet(100 * (id % 70));
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

TableModelRequests acceptAll()
{
    TableModelRequests requests;
    requests.subscribe = [](const QString &) { return true; };
    requests.unsubscribe = [](const QString &) { return true; };
    return requests;
}

void drain(TableModel &model)
{
    while (model.hasQueuedRequests())
        model.processSubscriptions();
}

// The table lobby's chain, with every box of the lobby window checked.
struct LobbyChain
{
    std::unique_ptr<TableModel> ownModel;
    TableModel &model;
    TableLobbyFilter filter;
    LobbyModel lobby;
    LobbyTableFilter tables;
    std::unique_ptr<QTreeView> view;

    LobbyChain(int count, bool shown, TableModel *fedModel = nullptr)
        : ownModel(fedModel ? nullptr : std::make_unique<TableModel>(acceptAll(), nullptr))
        , model(fedModel ? *fedModel : *ownModel)
    {
        filter.paths << QStringLiteral("101/Regular");
        for (int id = 0; id < count; ++id)
            filter.tableIds.insert(id);
        lobby.setSourceModel(&model);
        lobby.setFilter(&filter);
        drain(model);
        tables.setGameTypeFilterEnabled(true);
        tables.setRulesFilterEnabled(true);
        tables.setBuyInFilterEnabled(true);
        for (int value : {0, 2, 3})
            tables.addGameType(value);
        for (int value = 0; value < 6; ++value)
            tables.addRuleset(value);
        for (int value = 0; value < 4; ++value)
            tables.addBuyInLevel(value);
        tables.setEmptyTablesMode(Ignore);
        tables.setSourceModel(&lobby);
        tables.sort(TableModel::PlayersColumn, Qt::DescendingOrder);
        if (shown)
            showIn(&tables);
        model.addOrUpdateTables(makeTables(count));
        QCoreApplication::processEvents();
    }

    ~LobbyChain()
    {
        view.reset();
        lobby.setFilter(nullptr);
        drain(model);
    }

    void showIn(QAbstractItemModel *shownModel)
    {
        view = std::make_unique<QTreeView>();
        view->setModel(shownModel);
        view->resize(800, 600);
        view->show();
        QCoreApplication::processEvents();
    }
};

// The same rows as plain cells: ruleset, game type, players and buy-in as numbers, the
// texts as the lobby shows them.
struct PlainChain
{
    QStandardItemModel model;
    QSortFilterProxyModel proxy;
    std::unique_ptr<QTreeView> view;

    PlainChain(int count, bool shown)
    {
        proxy.setSourceModel(&model);
        proxy.setDynamicSortFilter(true);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        proxy.sort(TableModel::PlayersColumn, Qt::DescendingOrder);
        if (shown) {
            view = std::make_unique<QTreeView>();
            view->setModel(&proxy);
            view->resize(800, 600);
            view->show();
            QCoreApplication::processEvents();
        }
        for (const TableInfo &info : makeTables(count))
            model.appendRow(row(info));
        QCoreApplication::processEvents();
    }

    static QList<QStandardItem *> row(const TableInfo &info)
    {
        const auto number = [](int value) {
            auto *item = new QStandardItem;
            item->setData(value, Qt::DisplayRole);
            return item;
        };
        return {new QStandardItem(info.lobbyPath().section(QLatin1Char('/'), 2) + QLatin1Char(' ')
                                  + QString::number(info.id())),
                number(info.ruleset()), number(info.gameType()), number(info.capacity().players()),
                number(info.value().buyIn()), number(info.value().maxWin())};
    }
};

void BM_FilterChange(benchmark::State &state)
{
    LobbyChain chain(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        for (int ruleset : {2, 3, 4})
            chain.tables.removeRuleset(ruleset);
        for (int ruleset : {2, 3, 4})
            chain.tables.addRuleset(ruleset);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = chain.tables.rowCount();
}

void BM_FilterChangePlain(benchmark::State &state)
{
    PlainChain chain(int(state.range(0)), state.range(1) != 0);
    chain.proxy.setFilterKeyColumn(TableModel::RulesColumn);
    const QStringList steps{"^[0134]$", "^[014]$", "^[01]$", "^[012]$", "^[0123]$", "^[01234]$"};
    for (auto _ : state) {
        for (const QString &step : steps)
            chain.proxy.setFilterRegularExpression(step);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = chain.proxy.rowCount();
}

void BM_SearchTyped(benchmark::State &state)
{
    LobbyChain chain(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        for (const char *text : {"b", "ba", "bam"})
            chain.tables.setSearchText(QLatin1String(text));
        chain.tables.setSearchText(QString());
        QCoreApplication::processEvents();
    }
}

void BM_SearchTypedPlain(benchmark::State &state)
{
    PlainChain chain(int(state.range(0)), state.range(1) != 0);
    chain.proxy.setFilterKeyColumn(-1);
    for (auto _ : state) {
        for (const char *text : {"b", "ba", "bam"})
            chain.proxy.setFilterFixedString(QLatin1String(text));
        chain.proxy.setFilterFixedString(QString());
        QCoreApplication::processEvents();
    }
}

void BM_Sort(benchmark::State &state)
{
    LobbyChain chain(int(state.range(0)), state.range(1) != 0);
    const int column = int(state.range(2));
    for (auto _ : state) {
        chain.tables.sort(column, Qt::AscendingOrder);
        chain.tables.sort(column, Qt::DescendingOrder);
        QCoreApplication::processEvents();
    }
}

void BM_SortPlain(benchmark::State &state)
{
    PlainChain chain(int(state.range(0)), state.range(1) != 0);
    const int column = int(state.range(2));
    for (auto _ : state) {
        chain.proxy.sort(column, Qt::AscendingOrder);
        chain.proxy.sort(column, Qt::DescendingOrder);
        QCoreApplication::processEvents();
    }
}

// The full list arriving: the records of one burst from the connection, through the
// lobby controller into the table list behind the whole chain and a view; against the
// plain model filled row by row behind its proxy and view.
void BM_FullListArrives(benchmark::State &state)
{
    const int count = int(state.range(0));
    const auto tables = makeTables(count);
    ConnectionManager connection(false);
    for (auto _ : state) {
        state.PauseTiming();
        auto controller = std::make_unique<LobbyController>(&connection, nullptr);
        auto chain = std::make_unique<LobbyChain>(0, true, controller->tableModel());
        for (int id = 0; id < count; ++id)
            chain->filter.tableIds.insert(id);
        state.ResumeTiming();
        for (const TableInfo &info : tables)
            emit connection.tableInfoUpdate(info);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(chain->tables.rowCount());
        state.PauseTiming();
        chain.reset();
        controller.reset();
        state.ResumeTiming();
    }
}

void BM_FullListArrivesPlain(benchmark::State &state)
{
    const int count = int(state.range(0));
    const auto tables = makeTables(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto chain = std::make_unique<PlainChain>(0, true);
        state.ResumeTiming();
        for (const TableInfo &info : tables)
            chain->model.appendRow(PlainChain::row(info));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(chain->proxy.rowCount());
        state.PauseTiming();
        chain.reset();
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    for (int shown : {0, 1})
        for (int count : {10000, 20000})
            b->Args({count, shown});
    b->ArgNames({"tables", "view"})->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
}

void sortSizes(benchmark::internal::Benchmark *b)
{
    for (int shown : {0, 1})
        for (int count : {10000, 20000})
            for (int column : {int(TableModel::BetColumn), int(TableModel::RulesColumn)})
                b->Args({count, shown, column});
    b->ArgNames({"tables", "view", "column"})->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
}

} // namespace

BENCHMARK(BM_FilterChange)->Apply(sizes);
BENCHMARK(BM_FilterChangePlain)->Apply(sizes);
BENCHMARK(BM_SearchTyped)->Apply(sizes);
BENCHMARK(BM_SearchTypedPlain)->Apply(sizes);
BENCHMARK(BM_Sort)->Apply(sortSizes);
BENCHMARK(BM_SortPlain)->Apply(sortSizes);
BENCHMARK(BM_FullListArrives)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_FullListArrivesPlain)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
