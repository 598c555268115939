#include "chat/xmpp/XMPPVCard.h"

#include <QBuffer>
#include <QDebug>
#include <QImageReader>

bool XMPPVCard::loadPhoto(const QByteArray &data, const char *format)
{
    m_photo = QImage();
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.width() > MaxPhotoSide || size.height() > MaxPhotoSide) {
        qWarning() << "Refusing a vCard photo of" << size.width() << "x" << size.height() << "pixels";
        return false;
    }
    // Without a size in its header the picture is not decoded either.
    if (!size.isValid())
        return false;
    m_photo = reader.read();
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
