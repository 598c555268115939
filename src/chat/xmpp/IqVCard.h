#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

#include "chat/xmpp/XMPPElements.h"
#include "chat/xmpp/XMPPVCard.h"

namespace xmpp {

class XmlElement;

// A vCard query ("vcard-temp"): a request for a user's vCard, the answer holding it,
// or the upload of the user's own.
class IqVCard : public Iq
{
public:
    enum { Kind = 16 };

    IqVCard() = default;
    // A request; an empty address asks for the user's own vCard.
    IqVCard(const QString &id, const XMPPJid &to) : Iq(id, to, Get) {}
    // An upload of the user's own vCard.
    IqVCard(const QString &id, const XMPPVCard &vcard) : Iq(id, XMPPJid(), Set), m_vcard(vcard) {}
    int kind() const override { return Kind; }

    const std::optional<XMPPVCard> &vcard() const { return m_vcard; }
    // The photo's encoded bytes: as received, or the photo encoded as PNG once.
    QByteArray photoData() const;
    // The SHA-1 digest of photoData(); null without a photo.
    QByteArray photoHash() const;

private:
    friend std::unique_ptr<IqVCard> readVCard(const XmlElement &vCard);

    std::optional<XMPPVCard> m_vcard;
    mutable QByteArray m_photoData;
    mutable QByteArray m_photoHash;
};

// Reads a received "vCard" element: the first PHOTO that decodes, and every other
// element kept as it came.
std::unique_ptr<IqVCard> readVCard(const XmlElement &vCard);

} // namespace xmpp
