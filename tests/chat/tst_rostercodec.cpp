#include "testmain.h"

#include "chat/xmpp/IqRoster.h"
#include "chat/xmpp/IqVCard.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/StreamWriter.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QRegularExpression>

using namespace xmpp;

namespace {

const QByteArray StreamHeader =
    "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='1' version='1.0'>";

template <typename T>
std::unique_ptr<T> parseAs(const QByteArray &element)
{
    StreamParser parser;
    parser.addData(StreamHeader + element);
    if (parser.parse() != StreamParser::ElementReady)
        return nullptr;
    std::unique_ptr<StreamElement> parsed = parser.takeLastElement();
    if (!dynamic_cast<T *>(parsed.get()))
        return nullptr;
    return std::unique_ptr<T>(static_cast<T *>(parsed.release()));
}

// What the writer sends for one element, without the stream header.
QByteArray written(const StreamElement &element)
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid(QStringLiteral("localhost"), QString(), QString()), QStringLiteral("en"));
    writer.open(&device);
    const qsizetype header = device.data().size();
    writer.write(element);
    return device.data().mid(header);
}

QByteArray png(const QColor &colour, int size = 8)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

QByteArray sha1(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}

} // namespace

class TestRosterCodec : public QObject
{
    Q_OBJECT

private slots:
    void readsRosterItems();
    void writesRosterRequests();
    void readsTheDecodablePhoto();
    void uploadKeepsTheOtherFields();
};

void TestRosterCodec::readsRosterItems()
{
    auto roster = parseAs<IqRoster>(
        "<iq type='result' id='7'><query xmlns='jabber:iq:roster'>"
        "<item jid='1002@localhost' subscription='both' ask='subscribe' name='Bob'><group>Friends</group><group>Other</group></item>"
        "<item jid='1003@localhost' subscription='remove'/>"
        "<item jid='1004@localhost' subscription='from'><name>Carol</name></item>"
        "<item xmlns='other' jid='1005@localhost' subscription='to'/>"
        "<item jid='1006@localhost' subscription='to' ask='unsubscribe'/>"
        "<item jid='1007@localhost'/>"
        "</query></iq>");
    QVERIFY(roster);
    QCOMPARE(roster->kind(), 18);
    QCOMPARE(roster->items.size(), 5);
    const IqRoster::Item &bob = roster->items.at(0);
    QCOMPARE(bob.jid.toString(), QStringLiteral("1002@localhost"));
    QCOMPARE(bob.subscription, 7);
    QVERIFY(!bob.remove);
    QCOMPARE(bob.name, QStringLiteral("Bob"));
    QCOMPARE(bob.group, QStringLiteral("Friends"));
    QVERIFY(roster->items.at(1).remove);
    QCOMPARE(roster->items.at(1).subscription, 0);
    QCOMPARE(roster->items.at(2).subscription, 2);
    QCOMPARE(roster->items.at(2).name, QStringLiteral("Carol"));
    QCOMPARE(roster->items.at(3).jid.toString(), QStringLiteral("1006@localhost"));
    QCOMPARE(roster->items.at(3).subscription, 1);
    QCOMPARE(roster->items.at(4).subscription, 0);

    // An answer without items is still a roster.
    auto empty = parseAs<IqRoster>("<iq type='result' id='8'><query xmlns='jabber:iq:roster'/></iq>");
    QVERIFY(empty);
    QVERIFY(empty->items.isEmpty());
}

void TestRosterCodec::writesRosterRequests()
{
    QCOMPARE(written(IqRoster(QStringLiteral("3"))),
             QByteArray("<iq id=\"3\" type=\"get\"><query xmlns=\"jabber:iq:roster\"/></iq>"));

    IqRoster::Item removal;
    removal.jid = parseJid(QStringLiteral("1002@localhost"));
    removal.remove = true;
    QCOMPARE(written(IqRoster({removal}, QStringLiteral("4"))),
             QByteArray("<iq id=\"4\" type=\"set\"><query xmlns=\"jabber:iq:roster\">"
                        "<item jid=\"1002@localhost\" subscription=\"remove\"/></query></iq>"));

    IqRoster::Item named;
    named.jid = parseJid(QStringLiteral("1003@localhost"));
    named.name = QStringLiteral("A & B");
    named.group = QStringLiteral("<Friends>");
    QCOMPARE(written(IqRoster({named}, QStringLiteral("5"))),
             QByteArray("<iq id=\"5\" type=\"set\"><query xmlns=\"jabber:iq:roster\">"
                        "<item jid=\"1003@localhost\" name=\"A &amp; B\"><group>&lt;Friends&gt;</group></item>"
                        "</query></iq>"));
}

void TestRosterCodec::readsTheDecodablePhoto()
{
    const QByteArray red = png(Qt::red);
    const QByteArray blue = png(Qt::blue);
    auto vcard = parseAs<IqVCard>(
        "<iq type='result' id='9' from='1002@localhost'><vCard xmlns='vcard-temp'>"
        "<FN>Bob Example</FN><N><FAMILY>Example</FAMILY><GIVEN>Bob</GIVEN></N>"
        "<PHOTO><BINVAL>" + red.toBase64() + "</BINVAL></PHOTO>"
        "<PHOTO><TYPE>image/jpeg</TYPE><BINVAL>bm90IGFuIGltYWdl</BINVAL></PHOTO>"
        "<PHOTO><TYPE>image/png</TYPE><BINVAL>\n" + blue.toBase64().insert(20, "\n  ") + "\n</BINVAL></PHOTO>"
        "<NICKNAME>bobby</NICKNAME></vCard></iq>");
    QVERIFY(vcard);
    QCOMPARE(vcard->kind(), 16);
    QVERIFY(vcard->vcard());
    const XMPPVCard &card = *vcard->vcard();
    QCOMPARE(card.photo().pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(card.photoHash(), sha1(blue));
    QCOMPARE(vcard->photoHash(), sha1(blue));
    QCOMPARE(card.fieldText(QStringLiteral("FN")), QStringLiteral("Bob Example"));
    QCOMPARE(card.fieldText(QStringLiteral("NICKNAME")), QStringLiteral("bobby"));
    QCOMPARE(card.fields().size(), 3);
    QCOMPARE(card.fields().at(1).children.size(), 2);

    // Without a photo that decodes, there is neither photo nor hash.
    auto none = parseAs<IqVCard>("<iq type='result' id='10'><vCard xmlns='vcard-temp'>"
                                 "<PHOTO><TYPE>image/png</TYPE><BINVAL>AAAA</BINVAL></PHOTO></vCard></iq>");
    QVERIFY(none && none->vcard());
    QVERIFY(none->vcard()->photo().isNull());
    QVERIFY(none->vcard()->photoHash().isNull());
}

void TestRosterCodec::uploadKeepsTheOtherFields()
{
    QCOMPARE(written(IqVCard(QStringLiteral("11"), XMPPJid())),
             QByteArray("<iq id=\"11\" type=\"get\"><vCard xmlns=\"vcard-temp\"/></iq>"));

    // A vCard built here without fields and photo names nobody and has no hash.
    const IqVCard bare(QStringLiteral("12"), XMPPVCard());
    QCOMPARE(written(bare), QByteArray("<iq id=\"12\" type=\"set\"><vCard xmlns=\"vcard-temp\">"
                                       "<FN>Unknown</FN><N/></vCard></iq>"));
    QVERIFY(bare.photoHash().isNull());

    // The fields received come back around the new photo; its hash is the digest of
    // the bytes written.
    auto received = parseAs<IqVCard>("<iq type='result' id='13'><vCard xmlns='vcard-temp'>"
                                     "<FN>Bob &amp; co</FN><N><FAMILY>Example</FAMILY></N>"
                                     "<NICKNAME>bobby</NICKNAME></vCard></iq>");
    QVERIFY(received && received->vcard());
    XMPPVCard card = *received->vcard();
    QImage photo(100, 100, QImage::Format_RGB32);
    photo.fill(Qt::green);
    card.setPhoto(photo);
    const IqVCard upload(QStringLiteral("14"), card);
    const QByteArray xml = written(upload);
    QVERIFY2(xml.startsWith("<iq id=\"14\" type=\"set\"><vCard xmlns=\"vcard-temp\"><FN>Bob &amp; co</FN>"
                            "<N><FAMILY>Example</FAMILY></N><NICKNAME>bobby</NICKNAME>"
                            "<PHOTO><TYPE>image/png</TYPE><BINVAL>"),
             xml.constData());
    const QRegularExpressionMatch binval =
        QRegularExpression(QStringLiteral("<BINVAL>([^<]*)</BINVAL>")).match(QString::fromLatin1(xml));
    QVERIFY(binval.hasMatch());
    const QByteArray sent = QByteArray::fromBase64(binval.captured(1).toLatin1());
    QCOMPARE(QImage::fromData(sent, "PNG").size(), QSize(100, 100));
    QCOMPARE(upload.photoHash(), sha1(sent));
    QCOMPARE(upload.photoHash().size(), 20);
}

MAHJONG_TEST_MAIN(TestRosterCodec)
#include "tst_rostercodec.moc"
