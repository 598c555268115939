#include "chat/xmpp/XMPPVCard.h"

bool XMPPVCard::loadPhoto(const QByteArray &data, const char *format)
{
    m_photo = QImage::fromData(data, format);
    return !m_photo.isNull();
}

QString XMPPVCard::fieldText(const QString &name) const
{
    for (const Field &field : m_fields) {
        if (field.name == name)
            return field.text;
    }
    return QString();
}
