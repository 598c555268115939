// The friends list under a flood of presences: the roster model under the friends
// models and a list view, side by side with a plain item model whose rows are found
// through a hash and changed with one call per presence.
#include "app/startup/ResourceSearchPaths.h"
#include "chat/FriendsFilter.h"
#include "chat/FriendsRosterModel.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"
#include "connection/PlayerDb.h"
#include "connection/PlayerDbChatClient.h"

#include <QApplication>
#include <QHash>
#include <QListView>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include "RepeatedRuns.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class ChatDomain : public PlayerDbChatClient
{
public:
    bool isConnected() const override { return false; }
    QString domain() const override { return QStringLiteral("localhost"); }
    void requestVCard(const XMPPJid &) override {}
    void uploadPhoto(const QImage &) override {}
    void setPhotoHash(const QByteArray &) override {}
};

XMPPJid contact(int index)
{
    return XMPPJid(QStringLiteral("localhost"), QString::number(10000 + index), QString());
}

QString nameOf(int index)
{
    static const char *const syllables[] = {"ka", "mi", "ro", "tsu", "ne", "ha", "yo", "shi"};
    QString name;
    for (int value = index * 7919 + 13; name.size() < 8; value /= 8)
        name += QLatin1String(syllables[value % 8]);
    return name + QString::number(index);
}

// A flood of presences: a random contact, one of three resources, changing show and
// status, now and then going offline.
std::vector<XMPPPresence> flood(int contacts, int count)
{
    QRandomGenerator random(42);
    std::vector<XMPPPresence> presences;
    presences.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        xmpp::PresenceStanza stanza;
        const int index = int(random.bounded(contacts));
        stanza.from = XMPPJid(QStringLiteral("localhost"), QString::number(10000 + index),
                              QStringLiteral("r%1").arg(random.bounded(3)));
        if (random.bounded(6) == 0)
            stanza.type = QStringLiteral("unavailable");
        else
            stanza.show = int(random.bounded(5));
        stanza.statuses.insert(QStringLiteral("UND"), QStringLiteral("status %1").arg(random.bounded(100)));
        presences.emplace_back(stanza);
    }
    return presences;
}

std::unique_ptr<QListView> shownView(QAbstractItemModel *model)
{
    auto view = std::make_unique<QListView>();
    view->setModel(model);
    view->resize(300, 600);
    view->show();
    QApplication::processEvents();
    return view;
}

void BM_PlainModelPresences(benchmark::State &state)
{
    const int contacts = int(state.range(0));
    const std::vector<XMPPPresence> presences = flood(contacts, contacts * 10);
    const QIcon icons[] = {QIcon(QStringLiteral("resources:xmpp_available.png")),
                           QIcon(QStringLiteral("resources:xmpp_away.png"))};
    for (auto _ : state) {
        state.PauseTiming();
        QStandardItemModel model;
        QHash<XMPPJid, QStandardItem *> rows;
        for (int i = 0; i < contacts; ++i) {
            auto item = new QStandardItem(icons[0], nameOf(i));
            rows.insert(contact(i), item);
            model.appendRow(item);
        }
        QSortFilterProxyModel sorted;
        sorted.setDynamicSortFilter(true);
        sorted.setSourceModel(&model);
        sorted.sort(0);
        auto view = shownView(&sorted);
        state.ResumeTiming();
        for (const XMPPPresence &presence : presences) {
            QStandardItem *item = rows.value(jidBare(presence.from()));
            model.setItemData(item->index(), {{Qt::DecorationRole, icons[presence.availability() == 2 ? 0 : 1]},
                                              {Qt::ToolTipRole, presence.status()}});
        }
        QApplication::processEvents();
    }
}

void BM_FriendsListPresences(benchmark::State &state)
{
    const int contacts = int(state.range(0));
    const std::vector<XMPPPresence> presences = flood(contacts, contacts * 10);
    ChatDomain chat;
    PlayerDb players(nullptr, &chat);
    for (int i = 0; i < contacts; ++i)
        players.setLocalPlayer(10000 + i, nameOf(i));
    players.setLocalPlayer(1, QStringLiteral("me"));
    XMPPClient client;
    for (auto _ : state) {
        state.PauseTiming();
        XMPPRosterModel roster(&client);
        for (int i = 0; i < contacts; ++i)
            roster.onRosterUpdate(contact(i), 3, false, QString(), QString());
        FriendsRosterModel friends(&roster, &players);
        FriendsFilter filter;
        filter.setSourceModel(&friends);
        auto view = shownView(&filter);
        state.ResumeTiming();
        for (const XMPPPresence &presence : presences)
            roster.onPresence(presence);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_PlainModelPresences)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);
BENCHMARK(BM_FriendsListPresences)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Apply(repeatedRuns);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type >= QtCriticalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    setupResourceSearchPaths({}, QStringLiteral("default"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
