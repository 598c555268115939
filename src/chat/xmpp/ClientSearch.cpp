#include "chat/xmpp/ClientSearch.h"

#include "chat/xmpp/IqSearch.h"
#include "chat/xmpp/XMPPClient.h"

#include <QDebug>
#include <QTimer>

namespace xmpp {

namespace {

// The reply as a search query; a result of another kind breaks the protocol.
const IqSearch *searchQuery(const Iq *reply)
{
    if (reply->kind() != IqSearch::Kind)
        throw stream_error(UndefinedCondition, QStringLiteral("Expected search query"));
    return static_cast<const IqSearch *>(reply);
}

XMPPJid serviceJid(const QString &to)
{
    try {
        return parseJid(to);
    } catch (const stream_error &) {
        qWarning() << "Search service address is too long";
        return XMPPJid();
    }
}

bool isResult(const Iq *reply)
{
    return reply && reply->type == QLatin1String("result");
}

} // namespace

ClientSearch::ClientSearch(XMPPClient *client) : ClientExtension(client)
{
    qRegisterMetaType<XMPPDataForm>("XMPPDataForm");
    qRegisterMetaType<XMPPDataReport>("XMPPDataReport");
}

void ClientSearch::requestSearchForm(const QString &to, const QString &requestTag)
{
    const XMPPJid service = serviceJid(to);
    if (client()->state() != XMPPClient::ConnectedState || service.isEmpty()) {
        QTimer::singleShot(0, this, [this, requestTag] { searchFormReply(requestTag, nullptr); });
        return;
    }
    const QString id = client()->nextStanzaId();
    client()->send(IqSearch(id, service));
    client()->addIqHandler(id, [this, requestTag](const Iq *reply) { searchFormReply(requestTag, reply); });
}

void ClientSearch::search(const QString &to, const XMPPDataForm &form, const QString &requestTag)
{
    const XMPPJid service = serviceJid(to);
    if (client()->state() != XMPPClient::ConnectedState || service.isEmpty()) {
        QTimer::singleShot(0, this, [this, requestTag] { searchReply(requestTag, nullptr); });
        return;
    }
    const QString id = client()->nextStanzaId();
    client()->send(IqSearch(id, service, form));
    client()->addIqHandler(id, [this, requestTag](const Iq *reply) { searchReply(requestTag, reply); });
}

void ClientSearch::searchFormReply(const QString &requestTag, const Iq *reply)
{
    if (isResult(reply)) {
        const IqSearch *query = searchQuery(reply);
        if (query->form()) {
            emit requestSearchFormResult(*query->form(), requestTag);
            qDebug() << "Search form query ok";
            return;
        }
    }
    emit requestSearchFormError(requestTag);
    qWarning() << "Search form query error";
}

void ClientSearch::searchReply(const QString &requestTag, const Iq *reply)
{
    if (!isResult(reply) || searchQuery(reply)->isMalformed()) {
        emit searchError(requestTag);
        qWarning() << "Search query error";
        return;
    }
    const IqSearch *query = searchQuery(reply);
    if (query->report()) {
        emit searchReport(*query->report(), requestTag);
        qDebug() << "Search query ok";
        return;
    }
    emit searchReport(XMPPDataReport(), requestTag);
    qWarning() << "Search query error";
}

} // namespace xmpp
