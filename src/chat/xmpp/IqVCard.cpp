#include "chat/xmpp/IqVCard.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/XMPPNamespaces.h"
#include "chat/xmpp/XmlElement.h"

#include <QBuffer>
#include <QCryptographicHash>

namespace xmpp {

namespace {

// vCards nest two levels (N/FAMILY, EMAIL/USERID); deeper elements are not kept.
constexpr int MaxFieldDepth = 4;

XMPPVCard::Field readField(const XmlElement &element, int depth)
{
    XMPPVCard::Field field;
    field.name = element.localName();
    if (element.firstChildElement().isNull() || depth >= MaxFieldDepth) {
        field.text = element.text();
        return field;
    }
    for (XmlElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        field.children.append(readField(child, depth + 1));
    return field;
}

QByteArray sha1(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}

} // namespace

QByteArray IqVCard::photoData() const
{
    if (m_photoData.isNull() && m_vcard && !m_vcard->photo().isNull()) {
        QBuffer buffer(&m_photoData);
        buffer.open(QIODevice::WriteOnly);
        m_vcard->photo().save(&buffer, "PNG");
    }
    return m_photoData;
}

QByteArray IqVCard::photoHash() const
{
    if (!m_vcard || m_vcard->photo().isNull())
        return QByteArray();
    if (m_photoHash.isNull())
        m_photoHash = sha1(photoData());
    return m_photoHash;
}

std::unique_ptr<IqVCard> readVCard(const XmlElement &vCard)
{
    auto iq = std::make_unique<IqVCard>();
    XMPPVCard card;
    bool photoRead = false;
    QList<XMPPVCard::Field> fields;
    for (XmlElement child = vCard.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.namespaceURI() != ns::VCard)
            continue;
        if (child.localName() != QLatin1String("PHOTO")) {
            fields.append(readField(child, 1));
            continue;
        }
        if (photoRead)
            continue;
        const XmlElement type = firstChildElementNS(child, QStringLiteral("TYPE"), ns::VCard);
        const XmlElement binval = firstChildElementNS(child, QStringLiteral("BINVAL"), ns::VCard);
        if (type.isNull() || binval.isNull())
            continue;
        const char *format = type.text() == QLatin1String("image/png") ? "PNG" : nullptr;
        const QByteArray data = QByteArray::fromBase64(binval.text().toLatin1());
        if (card.loadPhoto(data, format)) {
            iq->m_photoData = data;
            iq->m_photoHash = sha1(data);
            card.setPhotoHash(iq->m_photoHash);
            photoRead = true;
        }
    }
    card.setFields(fields);
    iq->m_vcard = card;
    return iq;
}

} // namespace xmpp
