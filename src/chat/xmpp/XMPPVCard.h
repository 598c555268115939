#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

// A player's vCard as far as the client uses it: the photo with the digest of its
// encoded bytes, and the other elements as they were received, so that a new photo
// can be stored without losing the name and nickname the user directory finds.
class XMPPVCard
{
public:
    // One vCard element other than the photo: its name and text, or its children.
    struct Field
    {
        QString name;
        QString text;
        QList<Field> children;

        bool operator==(const Field &other) const
        {
            return name == other.name && text == other.text && children == other.children;
        }
    };

    void setPhoto(const QImage &photo) { m_photo = photo; }
    const QImage &photo() const { return m_photo; }
    // The SHA-1 digest of the photo's bytes as received; null for a vCard built here.
    const QByteArray &photoHash() const { return m_photoHash; }
    void setPhotoHash(const QByteArray &hash) { m_photoHash = hash; }
    // Players' pictures are shown small; a photo larger than this on either side is
    // refused before it is decoded.
    static constexpr int MaxPhotoSide = 512;

    // Replaces the photo by the image decoded from data (a null format lets the
    // decoder guess); true when the result is not null. A photo whose size cannot be
    // read or is over MaxPhotoSide leaves a null photo.
    bool loadPhoto(const QByteArray &data, const char *format);

    const QList<Field> &fields() const { return m_fields; }
    void setFields(const QList<Field> &fields) { m_fields = fields; }
    // The text of the first top-level element of that name; empty when there is none.
    QString fieldText(const QString &name) const;

private:
    QImage m_photo;
    QByteArray m_photoHash;
    QList<Field> m_fields;
};

Q_DECLARE_METATYPE(XMPPVCard)
