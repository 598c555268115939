// The table list under load: taking the full lists of two lobby folders, 1,000 partial
// updates, 1,000 removals and the leaving of a whole folder, side by side with a plain
// item model of the same cells; both behind the same sorting proxy and an offscreen view,
// as the lobby shows them. The tables of each folder arrive together (the answer to its
// subscription, "mixed:0"), or both folders' tables arrive in one burst, alternating
// ("mixed:1"). A second folder's burst merges into the sorted rows of the first, which
// costs the sorting proxy more than a burst into an empty list.
#include "app/TableInfo.h"
#include "lobby/TableModel.h"
#include "RepeatedRuns.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const QString Practice = QStringLiteral("101/Practice");

TableInfo makeTable(qint32 id, bool practice)
{
    TableInfo info(id);
    info.setLobbyPath(practice ? Practice : QStringLiteral("101/Regular/x"));
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

// The answers to the two folders' subscriptions: the first half of the ids in the
// practice folder, the rest in the other; or one burst of both, alternating by id.
std::vector<std::vector<TableInfo>> makeBursts(int count, bool mixed = false)
{
    std::vector<std::vector<TableInfo>> bursts(mixed ? 1 : 2);
    for (int id = 0; id < count; ++id) {
        const bool practice = mixed ? id % 2 == 1 : id < count / 2;
        bursts[mixed || practice ? 0 : 1].push_back(makeTable(id, practice));
    }
    return bursts;
}

int tableCount(const std::vector<std::vector<TableInfo>> &bursts)
{
    int count = 0;
    for (const auto &burst : bursts)
        count += int(burst.size());
    return count;
}

std::unique_ptr<TableModel> subscribedModel()
{
    TableModelRequests requests;
    requests.subscribe = [](const QString &) { return true; };
    requests.unsubscribe = [](const QString &) { return true; };
    auto model = std::make_unique<TableModel>(requests, nullptr);
    model->subscribe(Practice);
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

// The floor: a plain item model holding the same cells as texts. A burst goes in with
// one notice, as the table list announces it.
class PlainModel : public QStandardItemModel
{
public:
    void appendBurst(const QList<QList<QStandardItem *>> &rows)
    {
        const int first = rowCount();
        beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
        {
            const QSignalBlocker blocker(this);
            for (const QList<QStandardItem *> &row : rows)
                appendRow(row);
        }
        endInsertRows();
    }
};

class PlainSide
{
public:
    void fill(const std::vector<std::vector<TableInfo>> &bursts)
    {
        for (const auto &burst : bursts) {
            QList<QList<QStandardItem *>> rows;
            for (const TableInfo &info : burst) {
                QList<QStandardItem *> row;
                for (int column = 0; column < TableModel::ColumnCount; ++column)
                    row << new QStandardItem(QString::number(info.id() * 7 + column));
                row.first()->setData(info.lobbyPath(), Qt::UserRole + 1);
                rows << row;
            }
            m_model.appendBurst(rows);
        }
    }
    void update(int i, int round)
    {
        const int row = (i * 7 + round) % m_model.rowCount();
        m_model.item(row, 4)->setText(QString::number(300 + round));
        m_model.item(row, 3)->setText(QString::number((i + round) % 5));
    }
    void remove(int i) { m_model.removeRow((i * 9) % m_model.rowCount()); }
    // The practice folder's rows, in runs of neighbours from the last.
    void leavePractice()
    {
        const auto practice = [this](int row) {
            return m_model.item(row, 0)->data(Qt::UserRole + 1).toString() == Practice;
        };
        for (int row = m_model.rowCount() - 1; row >= 0; --row) {
            if (!practice(row))
                continue;
            int first = row;
            while (first > 0 && practice(first - 1))
                --first;
            m_model.removeRows(first, row - first + 1);
            row = first;
        }
    }
    QAbstractItemModel *model() { return &m_model; }

private:
    PlainModel m_model;
};

class TableModelSide
{
public:
    TableModelSide() : m_model(subscribedModel()) {}
    void fill(const std::vector<std::vector<TableInfo>> &bursts)
    {
        m_size = tableCount(bursts);
        for (const auto &burst : bursts)
            m_model->addOrUpdateTables(burst);
    }
    void update(int i, int round)
    {
        static const TableInfoUpdates updates{{TableInfo::BET, 300}, {TableInfo::SPEED, 15000}};
        m_model->updateTableInfo((i * 7 + round) % m_size, (i + round) % 5, updates);
    }
    // Ids are removed in the same order as the plain side's rows; an id already gone is
    // a miss on both sides alike.
    void remove(int i) { m_model->onTableRemoved((i * 9) % m_size); }
    void leavePractice()
    {
        m_model->unsubscribe(Practice);
        while (m_model->hasQueuedRequests())
            m_model->processSubscriptions();
    }
    QAbstractItemModel *model() { return m_model.get(); }

private:
    std::unique_ptr<TableModel> m_model;
    int m_size = 0;
};

template <class Side>
void BM_Fill(benchmark::State &state)
{
    const auto tables = makeBursts(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto side = std::make_unique<Side>();
        auto shown = std::make_unique<Shown>(side->model());
        state.ResumeTiming();
        side->fill(tables);
        QCoreApplication::processEvents();
        if (shown->rowCount() != tableCount(tables))
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
    const auto tables = makeBursts(int(state.range(0)));
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
    const auto tables = makeBursts(int(state.range(0)));
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

// The practice folder leaves: half the rows, neighbours when they arrived together,
// every other row when mixed.
template <class Side>
void BM_FolderLeaves(benchmark::State &state)
{
    const auto tables = makeBursts(int(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto side = std::make_unique<Side>();
        auto shown = std::make_unique<Shown>(side->model());
        side->fill(tables);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        side->leavePractice();
        QCoreApplication::processEvents();
        if (shown->rowCount() != tableCount(tables) - tableCount(tables) / 2)
            state.SkipWithError("rows left behind");
        state.PauseTiming();
        shown.reset();
        side.reset();
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
}

void folderSizes(benchmark::internal::Benchmark *b)
{
    for (int mixed : {0, 1})
        for (int count : {10000, 20000})
            b->Args({count, mixed});
    b->ArgNames({"tables", "mixed"})->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
}

} // namespace

BENCHMARK_TEMPLATE(BM_Fill, PlainSide)->Apply(folderSizes);
BENCHMARK_TEMPLATE(BM_Fill, TableModelSide)->Apply(folderSizes);
BENCHMARK_TEMPLATE(BM_Updates1000, PlainSide)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_Updates1000, TableModelSide)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_Removals1000, PlainSide)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_Removals1000, TableModelSide)->Apply(sizes);
BENCHMARK_TEMPLATE(BM_FolderLeaves, PlainSide)->Apply(folderSizes);
BENCHMARK_TEMPLATE(BM_FolderLeaves, TableModelSide)->Apply(folderSizes);

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
