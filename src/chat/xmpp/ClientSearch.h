#pragma once

#include <QObject>
#include <QString>

#include "chat/xmpp/ClientExtension.h"
#include "chat/xmpp/XMPPDataForm.h"

namespace xmpp {

class Iq;

// Looks users up in a search service: asks for its form, submits it filled in, and
// hands each answer back with the tag its caller chose.
class ClientSearch : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    explicit ClientSearch(XMPPClient *client);

    // Without a connection the answer is the error signal, delivered from the event loop.
    void requestSearchForm(const QString &to, const QString &requestTag);
    void search(const QString &to, const XMPPDataForm &form, const QString &requestTag);

signals:
    void requestSearchFormResult(const XMPPDataForm &searchFields, const QString &requestTag);
    void requestSearchFormError(const QString &requestTag);
    void searchReport(const XMPPDataReport &searchReport, const QString &requestTag);
    void searchError(const QString &requestTag);

private:
    void searchFormReply(const QString &requestTag, const Iq *reply);
    void searchReply(const QString &requestTag, const Iq *reply);
};

} // namespace xmpp
