#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "chat/xmpp/XMPPDataForm.h"
#include "chat/xmpp/XMPPElements.h"

class QXmlStreamWriter;

namespace xmpp {

class XmlElement;

// A user directory query ("jabber:iq:search"): the request for the search form, the
// submit of a filled form, and the replies holding a form or a result table.
class IqSearch : public Iq
{
public:
    enum { Kind = 21 };

    IqSearch() = default;
    // The request for the service's search form.
    IqSearch(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    // The submit of a filled form.
    IqSearch(const QString &id, const XMPPJid &to, const XMPPDataForm &form)
        : Iq(id, to, Set), m_form(form) {}
    int kind() const override { return Kind; }

    const std::optional<XMPPDataForm> &form() const { return m_form; }
    const std::optional<XMPPDataReport> &report() const { return m_report; }
    // A received query whose form or table could not be read; it holds neither.
    bool isMalformed() const { return m_malformed; }

    // Reads a received "query"; a malformed one gives a malformed iq, never an exception.
    static std::unique_ptr<IqSearch> read(const XmlElement &query);
    // Writes the "query" element of this iq (nothing for a type or form it cannot carry).
    void writeQuery(QXmlStreamWriter &xml) const;

private:
    void readQuery(const XmlElement &query);
    void parseDataForm(const XmlElement &x);
    XMPPDataForm::Field parseField(const XmlElement &field) const;
    void parseReport(const XmlElement &x);
    void parsePlainForm(const XmlElement &query);
    void parsePlainResult(const XmlElement &query);
    void writeDataFormSubmit(QXmlStreamWriter &xml) const;
    void writePlainSubmit(QXmlStreamWriter &xml) const;

    std::optional<XMPPDataForm> m_form;
    std::optional<XMPPDataReport> m_report;
    bool m_malformed = false;
};

} // namespace xmpp
