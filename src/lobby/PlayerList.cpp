#include "lobby/PlayerList.h"

#include "app/Utils.h"
#include "connection/PlayerDb.h"
#include "connection/QueryUserCallback.h"

#include "ui_PlayerList.h"

#include <QCursor>
#include <QLabel>
#include <QUrl>

#include <set>

namespace {

const QString userScheme = QStringLiteral("user");

// Hands a found screen name to the list that asked, unless the list asked again since.
class ScreenNameCallback : public QueryUserCallback
{
public:
    explicit ScreenNameCallback(PlayerList *list)
        : QueryUserCallback(list)
        , m_list(list)
        , m_generation(list->generation())
    {
    }

    void queryOk(const UserRecord &user) override
    {
        if (m_list && m_list->generation() == m_generation)
            m_list->addPlayer(user.playerId, user.screenName);
    }

    void queryFailed(const QString &) override {}

private:
    QPointer<PlayerList> m_list;
    const quint64 m_generation;
};

} // namespace

PlayerList::PlayerList(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::PlayerList>())
{
    m_ui->setupUi(this);
}

PlayerList::~PlayerList() = default;

void PlayerList::setPlayerDb(PlayerDb *db)
{
    if (db == m_playerDb)
        return;
    if (m_playerDb)
        disconnect(m_playerDb, nullptr, this, nullptr);
    m_playerDb = db;
}

void PlayerList::onPlayers(const std::vector<qint32> &players)
{
    ++m_generation;
    m_labels.clear();
    if (!m_playerDb)
        return;
    std::set<qint32> asked;
    for (const qint32 id : players) {
        if (m_labels.size() >= std::size_t(MaxPlayers))
            break;
        if (m_labels.count(id) || !asked.insert(id).second)
            continue;
        m_playerDb->queryUser(id, new ScreenNameCallback(this));
    }
}

void PlayerList::addPlayer(qint32 id, const QString &name)
{
    if (m_labels.size() >= std::size_t(MaxPlayers) || name.startsWith(QLatin1String("player-")))
        return;
    auto label = std::make_unique<QLabel>(this);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    label->setTextFormat(Qt::RichText);
    connect(label.get(), &QLabel::linkActivated, this, &PlayerList::onLinkActivated);
    // Every character outside the unreserved set is percent-encoded, so that blanks,
    // slashes and capitals reach the user menu as they are.
    const QString link = userScheme + QLatin1Char(':')
        + QString::fromLatin1(QUrl::toPercentEncoding(name));
    label->setText(Utils::linkHtml(link, name.toHtmlEscaped(), m_nickColor));
    m_ui->players->addWidget(label.get());
    m_labels[id] = std::move(label);
}

void PlayerList::onLinkActivated(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (url.scheme() != userScheme)
        return;
    const QString name = url.path(QUrl::FullyDecoded);
    if (!name.isEmpty())
        emit userMenuRequested(name, QCursor::pos());
}
