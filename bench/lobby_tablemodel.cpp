// The table list under load: taking a full list of tables, 1,000 partial updates and
// 1,000 removals, side by side with a plain item model of the same cells; both behind the
// same sorting proxy and an offscreen view, as the lobby shows them.
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

// A sorting proxy and an offscreen view over a model, as the lobby shows it. Both sides
// of every comparison below are shown this way.
class Shown
{
public:
    explicit Shown(QAbstractItemModel *model)
    {
        m_proxy.setSourceModel(model);
        m_proxy.setDynamicSortFilter(true);
        m_proxy.sort(0);
        m_view.setModel(&m_proxy);
        m_view.resize(800, 600);
        m_view.show();
        QCoreApplication::processEvents();
    }
    ~Shown() { m_view.setModel(nullptr); }
    int rowCount() const { return m_proxy.rowCount(); }

private:
    QSortFilterProxyModel m_proxy;
    QTableView m_view;
};

// The floor: a plain item model holding the same cells as texts.
class PlainSide
{
public:
    void fill(const std::vector<TableInfo> &tables)
    {
        for (const TableInfo &info : tables) {
            QList<QStandardItem *> row;
            for (int column = 0; column < TableModel::ColumnCount; ++column)
                row << new QStandardItem(QString::number(info.id() * 7 + column));
            m_model.appendRow(row);
        }
    }
    void update(int i, int round)
    {
        const int row = (i * 7 + round) % m_model.rowCount();
        m_model.item(row, 4)->setText(QString::number(300 + round));
        m_model.item(row, 3)->setText(QString::number((i + round) % 5));
    }
    void remove(int i) { m_model.removeRow((i * 9) % m_model.rowCount()); }
    QAbstractItemModel *model() { return &m_model; }

private:
    QStandardItemModel m_model;
};

class TableModelSide
{
public:
    TableModelSide() : m_model(subscribedModel()) {}
    void fill(const std::vector<TableInfo> &tables)
    {
        m_size = int(tables.size());
        for (const TableInfo &info : tables)
            m_model->addOrUpdateTable(info);
    }
    void update(int i, int round)
    {
        static const TableInfoUpdates updates{{TableInfo::BET, 300}, {TableInfo::SPEED, 15000}};
        m_model->updateTableInfo((i * 7 + round) % m_size, (i + round) % 5, updates);
    }
    // Ids are removed in the same order as the plain side's rows; an id already gone is
    // a miss on both sides alike.
    void remove(int i) { m_model->onTableRemoved((i * 9) % m_size); }
    QAbstractItemModel *model() { return m_model.get(); }

private:
    std::unique_ptr<TableModel> m_model;
    int m_size = 0;
};

template <class Side>
void BM_Fill(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto side = std::make_unique<Side>();
        auto shown = std::make_unique<Shown>(side->model());
        state.ResumeTiming();
        side->fill(tables);
        QCoreApplication::processEvents();
        if (shown->rowCount() != int(tables.size()))
            state.SkipWithError("rows missing");
        state.PauseTiming();
        shown.reset();
        side.reset();
        state.ResumeTiming();
    }
}

template <class Side>
void BM_Updates1000(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    Side side;
    Shown shown(side.model());
    side.fill(tables);
    QCoreApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            side.update(i, round);
        QCoreApplication::processEvents();
        ++round;
    }
}

template <class Side>
void BM_Removals1000(benchmark::State &state)
{
    const auto tables = makeTables(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto side = std::make_unique<Side>();
        auto shown = std::make_unique<Shown>(side->model());
        side->fill(tables);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            side->remove(i);
        QCoreApplication::processEvents();
        state.PauseTiming();
        shown.reset();
        side.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK_TEMPLATE(BM_Fill, PlainSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Fill, TableModelSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Updates1000, PlainSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Updates1000, TableModelSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Removals1000, PlainSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Removals1000, TableModelSide)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

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
