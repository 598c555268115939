#include "testmain.h"

#include "chat_fuzz_entry.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPNamespaces.h"
#include "chat/xmpp/XMPPPresence.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QDomDocument>
#include <QFile>
#include <QTimer>

using namespace xmpp;

namespace {

QByteArray readData(const QString &name)
{
    QFile file(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tests/chat/data/" + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

// Feeds the data in the given slices and collects every element until the end.
QStringList parseInSlices(const QByteArray &data, const QList<int> &cuts, bool *ended = nullptr)
{
    StreamParser parser;
    QStringList elements;
    int from = 0;
    QList<int> ends = cuts;
    ends.append(data.size());
    bool end = false;
    for (int to : ends) {
        parser.addData(data.mid(from, to - from));
        from = to;
        for (;;) {
            const StreamParser::Result result = parser.parse();
            if (result == StreamParser::NeedMoreData)
                break;
            if (result == StreamParser::EndOfStream) {
                end = true;
                break;
            }
            elements << describeElement(*parser.lastElement());
        }
    }
    if (ended)
        *ended = end;
    return elements;
}

// Feeds the data in two reads, cut at the given byte; returns the elements read and
// the stream error condition that ended the stream (-1 for none).
int parseInTwoReads(const QByteArray &data, qsizetype cut, QStringList &elements)
{
    StreamParser parser;
    try {
        for (const QByteArray &read : {data.left(cut), data.mid(cut)}) {
            parser.addData(read);
            while (parser.parse() == StreamParser::ElementReady)
                elements << describeElement(*parser.lastElement());
        }
    } catch (const stream_error &e) {
        return e.condition();
    }
    return -1;
}

// The best of three times of parsing the data to its end or its first error.
qint64 parseTime(const QByteArray &data)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        StreamParser parser;
        parser.addData(data);
        try {
            while (parser.parse() == StreamParser::ElementReady) {
            }
        } catch (const stream_error &) {
        }
        best = std::min(best, timer.nsecsElapsed());
    }
    return best;
}

const QByteArray StreamHeader =
    "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
    "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='1' version='1.0' "
    "xml:lang='en'>";

QStringList parseAll(const QByteArray &body)
{
    return parseInSlices(StreamHeader + body, {});
}

// The element the parser builds of one top-level element; null when none.
std::unique_ptr<StreamElement> parseOne(const QByteArray &element)
{
    StreamParser parser;
    parser.addData(StreamHeader + element);
    if (parser.parse() != StreamParser::ElementReady)
        return nullptr;
    return parser.takeLastElement();
}

template <typename T>
std::unique_ptr<T> parseAs(const QByteArray &element)
{
    std::unique_ptr<StreamElement> parsed = parseOne(element);
    T *typed = dynamic_cast<T *>(parsed.get());
    if (!typed)
        return nullptr;
    parsed.release();
    return std::unique_ptr<T>(typed);
}

int parseErrorCode(const QByteArray &data, QString *text = nullptr)
{
    StreamParser parser;
    parser.addData(data);
    try {
        while (parser.parse() == StreamParser::ElementReady) {
        }
    } catch (const stream_error &e) {
        if (text)
            *text = e.text();
        return e.condition();
    }
    return -1;
}

// Parses written XML into a DOM with the stream's namespaces for comparison.
QDomElement toDom(const QByteArray &xml, QDomDocument &document)
{
    const QByteArray wrapped = "<stream:stream xmlns='jabber:client' "
                               "xmlns:stream='http://etherx.jabber.org/streams'>"
                               + xml + "</stream:stream>";
    document.setContent(wrapped, true);
    return document.documentElement();
}

QString canonical(const QDomElement &element)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        attributes << "{" + attribute.namespaceURI() + "}" + attribute.localName() + "=" + attribute.value();
    }
    attributes.sort();
    QString result = "{" + element.namespaceURI() + "}" + element.localName() + "[" + attributes.join(',') + "](";
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement())
            result += canonical(child.toElement());
        else if (child.isText())
            result += "'" + child.toText().data() + "'";
    }
    return result + ")";
}

} // namespace

class TestXmppCodec : public QObject
{
    Q_OBJECT

private slots:
    void transcriptSlicings_data();
    void transcriptSlicings();
    void transcriptContent();
    void streamHeader();
    void badStreamStart_data();
    void badStreamStart();
    void restartForgetsTheStreamBefore();
    void restrictedXml_data();
    void restrictedXml();
    void oversizedElementEndsStream();
    void deepNestingDropsStanza();
    void invalidUtf8EndsStreamWhateverTheReads_data();
    void invalidUtf8EndsStreamWhateverTheReads();
    void attributeFloodCostsNoMoreThanOrdinaryStanzas();
    void largeElementFits();
    void whitespaceAndEnd();
    void streamErrors();
    void features();
    void saslElements();
    void stanzaErrors_data();
    void stanzaErrors();
    void anotherUsersFaults();
    void iqPayloads();
    void presencePayload();
    void delayStamps_data();
    void delayStamps();
    void messageDelay();
    void writerGolden_data();
    void writerGolden();
    void writerHeaderAndClose();
    void writerStripsForbiddenCharacters();
    void writerRoundTrip();
    void keepAliveFollowsOutput();
    void mixedText();
};

void TestXmppCodec::transcriptSlicings_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("own account") << "ejabberd-session-1.xml";
    QTest::newRow("second account") << "ejabberd-session-2.xml";
    // Every element the client reads that those sessions leave out, also a seed of the
    // chat fuzzer.
    QTest::newRow("every reader") << "reader-elements.xml";
}

void TestXmppCodec::transcriptSlicings()
{
    QFETCH(QString, file);
    const QByteArray data = readData(file);
    bool ended = false;
    const QStringList whole = parseInSlices(data, {}, &ended);
    QVERIFY(ended);
    QVERIFY(whole.size() > 10);

    QList<int> everyByte;
    for (int i = 1; i < data.size(); ++i)
        everyByte << i;
    QCOMPARE(parseInSlices(data, everyByte, &ended), whole);
    QVERIFY(ended);

    // Cut inside every multi-byte character: after its first byte.
    QList<int> insideCharacters;
    for (int i = 1; i < data.size(); ++i) {
        if ((uchar(data[i]) & 0xC0) == 0x80 && (uchar(data[i - 1]) & 0xC0) != 0x80)
            insideCharacters << i;
    }
    QVERIFY(insideCharacters.size() > 5);
    QCOMPARE(parseInSlices(data, insideCharacters), whole);

    QList<int> reads;
    for (int i = 4096; i < data.size(); i += 4096)
        reads << i;
    QCOMPARE(parseInSlices(data, reads), whole);
}

void TestXmppCodec::transcriptContent()
{
    const QStringList first = parseInSlices(readData("ejabberd-session-1.xml"), {});
    const QString features = first.value(0);
    QVERIFY2(features.startsWith("1 0 1 0"), qPrintable(features)); // optional session: no request
    QVERIFY(first.value(1).startsWith("15 1 result"));
    QVERIFY(first.value(1).contains("1001@localhost/"));
    QVERIFY(first.value(2).startsWith("14 2 result localhost 1001@localhost/")); // empty session result
    const QString ownPresence = first.value(3);
    QVERIFY2(ownPresence.contains("/Classic/Beginners/Table 7|/Riichi/Tokyo/卓 12"), qPrintable(ownPresence));
    QVERIFY(ownPresence.contains(" 5 ")); // priority
    QVERIFY(ownPresence.contains("3f786850e387550fdab836ed7e6dc881de23001b"));
    QCOMPARE(first.filter(QRegularExpression("^19 3 result localhost")).size(), 1);
    QVERIFY(first.filter(QRegularExpression("^20 4 result localhost")).value(0).endsWith(
        "conference.localhost search.localhost vjud.localhost"));
    QCOMPARE(first.filter(QRegularExpression("^12  groupchat lobby@conference.localhost/alice 1001@localhost/\\d+ 0 0 "
                                             "UND=Hello <all> & \"everyone\" 1 — 你好 $")).size(), 1);
    QVERIFY(!first.filter("UND=Hi 🀄 from bob").isEmpty());
    QCOMPARE(first.filter(QRegularExpression("^19 7 error nobody@localhost \\S+ 4 20 \"Not subscribed\" $")).size(), 1);
    QCOMPARE(first.filter(QRegularExpression("^13   lobby@conference.localhost/alice .* 4 201 110$")).size(), 1);

    // The archived room's id of a line, and the sender's own, live and in a history.
    QCOMPARE(first.filter(QRegularExpression("^12 3e1d9a7c-kept groupchat archive@conference.localhost/alice .* "
                                             "UND=Kept line  id \\d+ by archive@conference.localhost origin 3e1d9a7c-kept$")).size(), 1);
    QCOMPARE(first.filter(QRegularExpression(" origin 5b0e6f2c-private$")).size(), 1);

    const QStringList second = parseInSlices(readData("ejabberd-session-2.xml"), {});
    const QStringList delayed = second.filter(QRegularExpression("^12 .*Hello.*Z$"));
    QCOMPARE(delayed.size(), 3);
    QCOMPARE(second.filter(QRegularExpression("^12 3e1d9a7c-kept .*Z id \\d+ by archive@conference.localhost origin 3e1d9a7c-kept$")).size(), 1);
    // A room refuses a line of somebody not in it, in its own words.
    QCOMPARE(second.filter(QRegularExpression("^12 9c4f-outside error archive@conference.localhost \\S+ \\d+ \\d+ "
                                              "\"Only occupants are allowed to send messages to the conference\" UND=From outside")).size(), 1);
    QVERIFY(second.filter(QRegularExpression("^13 .* subscribe 1001@localhost ")).size() == 1);
}

void TestXmppCodec::streamHeader()
{
    StreamParser parser;
    parser.addData("<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                   "xmlns:stream='http://etherx.jabber.org/streams' from='chat.example' "
                   "lang='de' version='1.0'>");
    QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
    QCOMPARE(parser.streamFrom(), QStringLiteral("chat.example"));
    QCOMPARE(parser.streamLanguage(), QStringLiteral("de"));
    parser.reset();
    QVERIFY(parser.streamFrom().isEmpty());
    parser.addData(StreamHeader + "<presence/>");
    QCOMPARE(parser.parse(), StreamParser::ElementReady);
    QCOMPARE(parser.lastElement()->kind(), 13);
}

void TestXmppCodec::badStreamStart_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("version 1.1") << QByteArray("<stream:stream xmlns:stream='http://etherx.jabber.org/streams' version='1.1'>")
                                 << 22 << "unsupported version: 1.1";
    QTest::newRow("no version") << QByteArray("<stream:stream xmlns:stream='http://etherx.jabber.org/streams'>")
                                << 22 << "unsupported version: ";
    QTest::newRow("other namespace") << QByteArray("<s:stream xmlns:s='urn:other' version='1.0'>") << 0
                                     << "invalid stream start tag: s:stream";
    QTest::newRow("not xml") << QByteArray("HTTP/1.1 400 Bad Request\r\n") << 23 << "";
    QTest::newRow("long from") << QByteArray("<stream:stream xmlns:stream='http://etherx.jabber.org/streams' version='1.0' from='")
                                      + QByteArray(1024, 'a') + "'>"
                               << 8 << "domainId too long";
}

void TestXmppCodec::badStreamStart()
{
    QFETCH(QByteArray, header);
    QFETCH(int, code);
    QFETCH(QString, text);
    QString actualText;
    QCOMPARE(parseErrorCode(header, &actualText), code);
    if (!text.isEmpty())
        QCOMPARE(actualText, text);
}

void TestXmppCodec::restartForgetsTheStreamBefore()
{
    // A stream started again after the login declares its prefixes anew: those of the
    // stream before do not hold in it.
    StreamParser parser;
    parser.addData(StreamHeader);
    QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
    parser.reset();
    parser.addData("<?xml version='1.0'?><stream:stream xmlns='jabber:client' xmlns:strea='mhttp://etherx.jabber.org/streams' "
                   "from='localhost' id='2' version='1.0' xml:lang='en'>");
    try {
        parser.parse();
        QFAIL("a stream without its prefix declared was taken");
    } catch (const stream_error &e) {
        QCOMPARE(e.condition(), int(XmlNotWellFormed));
    }
}

void TestXmppCodec::restrictedXml_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("comment") << StreamHeader + "<message><!-- hi --><body>x</body></message>";
    QTest::newRow("processing instruction") << StreamHeader + "<message><?pi data?></message>";
    QTest::newRow("dtd") << QByteArray("<?xml version='1.0'?><!DOCTYPE stream [<!ENTITY lol 'lol'>]>")
                                + StreamHeader.mid(21);
}

void TestXmppCodec::restrictedXml()
{
    QFETCH(QByteArray, data);
    QCOMPARE(parseErrorCode(data), int(RestrictedXml));
}

void TestXmppCodec::oversizedElementEndsStream()
{
    StreamParser parser;
    parser.addData(StreamHeader + "<message><body>");
    QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
    const QByteArray block(4096, 'x');
    qint64 fed = 0;
    try {
        for (; fed < 8 * StreamParser::MaxElementBytes; fed += block.size()) {
            parser.addData(block);
            QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
        }
        QFAIL("an endless element was buffered");
    } catch (const stream_error &e) {
        QCOMPARE(e.condition(), int(PolicyViolation));
    }
    QVERIFY(fed > StreamParser::MaxElementBytes);
    QVERIFY(fed < StreamParser::MaxElementBytes + 64 * 1024);
}

void TestXmppCodec::deepNestingDropsStanza()
{
    // Nesting within the size limit but deep enough to exhaust the stack of the
    // readers: not kept as it arrives, so no reader walks it, and its stanza goes.
    const auto nested = [](int depth) -> QByteArray {
        return "<message from='1@localhost/a'>" + QByteArray("<x>").repeated(depth - 1)
            + QByteArray("</x>").repeated(depth - 1) + "</message>";
    };
    const QByteArray next = "<message><body>next</body></message>";
    QCOMPARE(parseAll(nested(StreamParser::MaxElementDepth) + next).size(), 2);
    for (const int depth : {StreamParser::MaxElementDepth + 1, 140000}) {
        QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza nested deeper than 256 levels");
        const QStringList read = parseAll(nested(depth) + next);
        QCOMPARE(read.size(), 1);
        QVERIFY(read.at(0).contains("next"));
    }
}

void TestXmppCodec::invalidUtf8EndsStreamWhateverTheReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("stray byte") << QByteArray("\xff");
    QTest::newRow("lone continuation") << QByteArray("\x80");
    QTest::newRow("overlong") << QByteArray("\xc0\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
    QTest::newRow("cut short") << QByteArray("\xe2\x82<");
}

void TestXmppCodec::invalidUtf8EndsStreamWhateverTheReads()
{
    QFETCH(QByteArray, bytes);
    // In text, in a quoted value and between an attribute's name and its value.
    for (const QByteArray &faulty : QByteArrayList{"<body>" + bytes + "</body>", "<body xml:lang='e" + bytes + "n'>x</body>",
                                     "<body xml:lang" + bytes + "='en'>x</body>"}) {
        const QByteArray data = StreamHeader
            + "<message from='1002@localhost/a' id='\xe6\x97\xa5'><body>f\xc3\xbcr</body></message>"
            + "<message from='1002@localhost/a'>" + faulty + "</message>"
            + "<message from='1002@localhost/a'><body>after</body></message>";
        for (qsizetype cut = 0; cut <= data.size(); ++cut) {
            QStringList elements;
            QCOMPARE(parseInTwoReads(data, cut, elements), int(XmlNotWellFormed));
            QCOMPARE(elements.size(), 1);
        }
    }
}

void TestXmppCodec::attributeFloodCostsNoMoreThanOrdinaryStanzas()
{
    const QByteArray start = "<message from='1002@localhost/a' id='m1'><x xmlns='urn:x'";
    QByteArray flood = StreamHeader + start;
    for (int i = 0; flood.size() < 930 * 1024; ++i)
        flood += " a" + QByteArray::number(i) + "='>/' b" + QByteArray::number(i) + "=\"'\"";
    flood += "/></message>";
    // The stanza that carried the flood is dropped, whatever the read boundaries, and
    // the stream goes on; a stream header with too many attributes ends it.
    const QByteArray after = "<message from='1002@localhost/a' id='m2'><x xmlns='urn:x' a='1'/>"
                             "<body>after</body></message>";
    const QByteArray tail = flood.right(2000) + after;
    for (qsizetype cut = 0; cut <= tail.size(); cut += 37) {
        QStringList elements;
        QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza with more than 256 attributes in one element");
        QCOMPARE(parseInTwoReads(flood + after, flood.size() - 2000 + cut, elements), -1);
        QCOMPARE(elements.size(), 1);
        QVERIFY2(elements.at(0).contains("m2"), qPrintable(elements.at(0)));
    }
    QByteArray header = StreamHeader;
    header.chop(1);
    for (int i = 0; i < 300; ++i)
        header += " a" + QByteArray::number(i) + "=''";
    QString text;
    QCOMPARE(parseErrorCode(header + ">" + after, &text), int(PolicyViolation));
    QCOMPARE(text, QStringLiteral("more than 256 attributes in the stream header"));

    // Start tags with as many attributes as are allowed, up to the same size.
    QByteArray crowdedTag = start;
    for (int i = 1; i < StreamByteGuard::MaxAttributes; ++i)
        crowdedTag += " a" + QByteArray::number(i) + "=''";
    crowdedTag += "/></message>";
    QByteArray crowded = StreamHeader;
    while (crowded.size() < flood.size())
        crowded += crowdedTag;
    QByteArray ordinary = StreamHeader;
    while (ordinary.size() < flood.size())
        ordinary += "<message from='1002@localhost/a' to='1001@localhost/r1' type='chat' id='m1'>"
                    "<body>A message of ordinary length, with some words in it.</body></message>";
    QStringList elements;
    QCOMPARE(parseInTwoReads(crowded, crowded.size(), elements), -1);

    const qint64 ordinaryTime = parseTime(ordinary);
    QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza with more than 256 attributes in one element");
    QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza with more than 256 attributes in one element");
    QTest::ignoreMessage(QtWarningMsg, "Dropping a stanza with more than 256 attributes in one element");
    const qint64 floodTime = parseTime(flood);
    const qint64 crowdedTime = parseTime(crowded);
    qInfo("1 MiB: ordinary %lld us, flood %lld us, crowded %lld us", ordinaryTime / 1000, floodTime / 1000,
          crowdedTime / 1000);
    // Generous factors, as other processes share the machine: a cost that grew with the
    // square of the attributes would be hundreds of times the ordinary stream's.
    QVERIFY(floodTime < 3 * ordinaryTime);
    QVERIFY(crowdedTime < 10 * ordinaryTime);
}

void TestXmppCodec::largeElementFits()
{
    // A vCard photo close to the limit, after many small stanzas.
    QByteArray data = StreamHeader;
    for (int i = 0; i < 2000; ++i)
        data += "<presence from='1@localhost/r'><status>keep going</status></presence>";
    data += "<iq type='result' id='9'><vCard xmlns='vcard-temp'><PHOTO><BINVAL>"
            + QByteArray(StreamParser::MaxElementBytes - 200, 'A')
            + "</BINVAL></PHOTO></vCard></iq>";
    QList<int> reads;
    for (int i = 4096; i < data.size(); i += 4096)
        reads << i;
    const QStringList elements = parseInSlices(data, reads);
    QCOMPARE(elements.size(), 2001);
    QVERIFY(elements.last().startsWith("16 9 result"));
}

void TestXmppCodec::whitespaceAndEnd()
{
    StreamParser parser;
    parser.addData(StreamHeader + " \n <iq type='result' id='1'/> <iq type='result' id='2'/>  ");
    QCOMPARE(parser.parse(), StreamParser::ElementReady);
    QCOMPARE(static_cast<Stanza *>(parser.lastElement())->id, QStringLiteral("1"));
    QCOMPARE(parser.parse(), StreamParser::ElementReady);
    QCOMPARE(static_cast<Stanza *>(parser.lastElement())->id, QStringLiteral("2"));
    QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
    parser.addData(" ");
    QCOMPARE(parser.parse(), StreamParser::NeedMoreData);
    parser.addData("</stream:stream>");
    QCOMPARE(parser.parse(), StreamParser::EndOfStream);
}

void TestXmppCodec::streamErrors()
{
    auto error = parseAs<StreamError>(
        "<stream:error><conflict xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>"
        "<text xmlns='urn:ietf:params:xml:ns:xmpp-streams'>Replaced by new connection</text></stream:error>");
    QVERIFY(error);
    QCOMPARE(error->condition, int(Conflict));
    QCOMPARE(error->text, QStringLiteral("Replaced by new connection"));

    error = parseAs<StreamError>("<stream:error><reset xmlns='urn:ietf:params:xml:ns:xmpp-streams'/></stream:error>");
    QVERIFY(error);
    QCOMPARE(error->condition, int(UndefinedCondition));

    error = parseAs<StreamError>(
        "<stream:error><see-other-host xmlns='urn:ietf:params:xml:ns:xmpp-streams'>other.example</see-other-host>"
        "</stream:error>");
    QCOMPARE(error->condition, int(SeeOtherHost));
    QCOMPARE(error->seeOtherHost, QStringLiteral("other.example"));

    error = parseAs<StreamError>("<stream:error><conflict xmlns='urn:other'/><text xmlns='urn:other'>x</text></stream:error>");
    QCOMPARE(error->condition, int(UndefinedCondition));
    QVERIFY(error->text.isEmpty());

    QString text;
    QCOMPARE(parseErrorCode(StreamHeader + "<stream:unknown/>", &text), int(UnsupportedStanzaType));
    QCOMPARE(text, QStringLiteral("unknown"));
    QCOMPARE(parseErrorCode(StreamHeader + "<foo/>", &text), int(UnsupportedStanzaType));
    QCOMPARE(parseErrorCode(StreamHeader + "<x:y xmlns:x='urn:x'/>"), int(UnsupportedStanzaType));
}

void TestXmppCodec::features()
{
    auto features = parseAs<StreamFeatures>(
        "<stream:features><starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'><required/></starttls>"
        "<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>SCRAM-SHA-1</mechanism>"
        "<mechanism>PLAIN</mechanism></mechanisms></stream:features>");
    QVERIFY(features);
    QVERIFY(features->startTls);
    QVERIFY(features->tlsRequired);
    QCOMPARE(features->mechanisms, QStringList({"SCRAM-SHA-1", "PLAIN"}));
    QVERIFY(!features->bind);

    features = parseAs<StreamFeatures>(
        "<stream:features><starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'><required xmlns='urn:x'/></starttls>"
        "<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/><session xmlns='urn:ietf:params:xml:ns:xmpp-session'/>"
        "</stream:features>");
    QVERIFY(features->startTls);
    QVERIFY(!features->tlsRequired);
    QVERIFY(features->bind);
    QVERIFY(features->session);

    features = parseAs<StreamFeatures>(
        "<stream:features><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/>"
        "<session xmlns='urn:ietf:params:xml:ns:xmpp-session'><optional/></session></stream:features>");
    QVERIFY(features->bind);
    QVERIFY(!features->session);
}

void TestXmppCodec::saslElements()
{
    auto failure = parseAs<SASLFailure>(
        "<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><not-authorized/><text>Invalid</text></failure>");
    QVERIFY(failure);
    QCOMPARE(failure->condition, int(SaslNotAuthorized));
    failure = parseAs<SASLFailure>("<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>");
    QCOMPARE(failure->condition, int(SaslNotAuthorized));

    QString text;
    QCOMPARE(parseErrorCode(StreamHeader + "<failure xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><text>x</text></failure>",
                            &text),
             int(BadFormat));
    QCOMPARE(text, QStringLiteral("unknown SASL failure code <text>"));

    auto challenge = parseAs<SASLChallenge>("<challenge xmlns='urn:ietf:params:xml:ns:xmpp-sasl'>cmVh!bG0=</challenge>");
    QVERIFY(challenge);
    QCOMPARE(challenge->data, QByteArray("realm"));
    auto auth = parseAs<SASLAuth>("<auth xmlns='urn:ietf:params:xml:ns:xmpp-sasl' mechanism='PLAIN'>AHUAcA==</auth>");
    QCOMPARE(auth->mechanism, QStringLiteral("PLAIN"));
    QCOMPARE(auth->data, QByteArray("\0u\0p", 4));
    QVERIFY(parseAs<SASLSuccess>("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'>ignored</success>"));
    QVERIFY(parseAs<TLSProceed>("<proceed xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>"));
}

void TestXmppCodec::stanzaErrors_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("errorType");
    QTest::addColumn<int>("condition");
    QTest::newRow("item-not-found after text")
        << QByteArray("<iq type='error' id='1'><error type='cancel'><text>gone</text><item-not-found/></error></iq>")
        << 1 << 7;
    QTest::newRow("newer condition") << QByteArray("<message type='error'><error type='modify'><policy-violation "
                                                   "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></message>")
                                     << 3 << 23;
    QTest::newRow("unknown condition") << QByteArray("<message type='error'><error type='modify'><too-loud "
                                                     "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></message>")
                                       << 3 << 21;
    QTest::newRow("missing type") << QByteArray("<iq type='error' id='1'><error><forbidden/></error></iq>") << 1 << 4;
    QTest::newRow("missing condition") << QByteArray("<iq type='error' id='1'><error type='wait'/></iq>") << 5 << 21;
    QTest::newRow("missing error") << QByteArray("<presence type='error'/>") << 1 << 21;
    QTest::newRow("error child of a result") << QByteArray("<iq type='result' id='1'><error type='wait'><gone/></error></iq>")
                                             << 0 << 0;
}

void TestXmppCodec::stanzaErrors()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, errorType);
    QFETCH(int, condition);
    auto stanza = parseAs<Stanza>(xml);
    QVERIFY(stanza);
    QCOMPARE(stanza->errorType, errorType);
    QCOMPARE(stanza->errorCondition, condition);
}

void TestXmppCodec::anotherUsersFaults()
{
    // Faults in one stanza drop that stanza or field; the stream goes on.
    const QStringList elements = parseAll(
        "<presence from='1@localhost/a'><show>sleeping</show><priority>128</priority></presence>"
        "<presence from='2@localhost/a'><priority>abc</priority><status>fine</status></presence>"
        "<presence from='3@localhost/a'><priority>-128</priority></presence>"
        "<presence from='" + QByteArray(1024, 'n') + "@localhost'/>"
        "<iq type='fetch' id='5'/>"
        "<presence from='room@conference.localhost/x'><x xmlns='http://jabber.org/protocol/muc#user'>"
        "<item affiliation='king' role='jester' jid='" + QByteArray(1100, 'j') + "@localhost' nick='x'/>"
        "<status code='abc'/><status code='110'/></x></presence>"
        "<message from='4@localhost/a'><body>still here</body>"
        "<delay xmlns='urn:xmpp:delay' stamp='yesterday' from='localhost'/></message>");
    QCOMPARE(elements.size(), 5);
    QCOMPARE(elements[0], QStringLiteral("13   1@localhost/a  0 0 0 0    0"));
    QCOMPARE(elements[1], QStringLiteral("13   2@localhost/a  0 0 0 0    0"));
    QCOMPARE(elements[2], QStringLiteral("13   3@localhost/a  0 0 0 -128    0"));
    QCOMPARE(elements[3], QStringLiteral("13   room@conference.localhost/x  0 0 0 0   x 0 110"));
    QCOMPARE(elements[4], QStringLiteral("12   4@localhost/a  0 0 UND=still here "));
}

void TestXmppCodec::iqPayloads()
{
    auto bind = parseAs<IqBind>("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                                "<jid>1001@localhost/abc</jid></bind></iq>");
    QVERIFY(bind);
    QCOMPARE(bind->jid, QStringLiteral("1001@localhost/abc"));

    QVERIFY(parseAs<IqSession>("<iq type='result' id='2'><session xmlns='urn:ietf:params:xml:ns:xmpp-session'/></iq>"));
    auto plain = parseOne("<iq type='result' id='2'/>");
    QCOMPARE(plain->kind(), 14);
    // Only the first child decides.
    QCOMPARE(parseOne("<iq type='result' id='2'><other xmlns='urn:x'/><session "
                      "xmlns='urn:ietf:params:xml:ns:xmpp-session'/></iq>")->kind(), 14);

    auto info = parseAs<IqDiscoInfo>("<iq type='result' id='3' from='conference.localhost'>"
                                     "<query xmlns='http://jabber.org/protocol/disco#info'>"
                                     "<identity category='conference' type='text' name='Chatrooms'/>"
                                     "<feature var='http://jabber.org/protocol/muc'/><feature/></query></iq>");
    QVERIFY(info);
    QCOMPARE(info->identities.size(), 1);
    QCOMPARE(info->identities[0].category, QStringLiteral("conference"));
    QCOMPARE(info->identities[0].name, QStringLiteral("Chatrooms"));
    QCOMPARE(info->features, QStringList({"http://jabber.org/protocol/muc", ""}));

    auto items = parseAs<IqDiscoItems>("<iq type='result' id='4'><query xmlns='http://jabber.org/protocol/disco#items'>"
                                       "<item jid='lobby@conference.localhost' name='Lobby' node='n'/>"
                                       "<item jid='" + QByteArray(1024, 'x') + "@conference.localhost'/>"
                                       "<item jid='table-7@conference.localhost'/></query></iq>");
    QVERIFY(items);
    QCOMPARE(items->items.size(), 2);
    QCOMPARE(items->items[0].name, QStringLiteral("Lobby"));
    QCOMPARE(items->items[0].node, QStringLiteral("n"));
    QCOMPARE(items->items[1].jid.toString(), QStringLiteral("table-7@conference.localhost"));

    // The server's clock, to the millisecond; a time that cannot be read is none.
    auto time = parseAs<IqTime>("<iq type='result' id='clock-1' from='localhost'><time xmlns='urn:xmpp:time'>"
                                "<tzo>+09:00</tzo><utc>2026-12-08T21:38:57.311208Z</utc></time></iq>");
    QVERIFY(time);
    QCOMPARE(time->utc, QDateTime(QDate(2026, 12, 8), QTime(21, 38, 57, 311), Qt::UTC));
    time = parseAs<IqTime>("<iq type='result' id='clock-2'><time xmlns='urn:xmpp:time'><utc>noon</utc></time></iq>");
    QVERIFY(time);
    QVERIFY(!time->utc.isValid());
}

void TestXmppCodec::presencePayload()
{
    auto presence = parseAs<PresenceStanza>(
        "<presence from='1001@localhost/r'><show>dnd</show><status>a</status><status>b</status>"
        "<status lang='de'>c</status><priority>-1</priority>"
        "<tables xmlns='" + ns::TablePresence.toUtf8() + "'><path>/t/1</path><path>/t/1</path>"
        "<path>/t/2</path></tables><tables xmlns='urn:other'><path>/t/9</path></tables>"
        "<x xmlns='vcard-temp:x:update'><photo>00FFab</photo></x></presence>");
    QVERIFY(presence);
    QCOMPARE(presence->kind(), 13);
    QCOMPARE(presence->show, 3);
    QCOMPARE(presence->statuses.value("UND"), QStringLiteral("b"));
    QCOMPARE(presence->statuses.value("de"), QStringLiteral("c"));
    QCOMPARE(presence->priority, -1);
    QCOMPARE(presence->tables, QSet<QString>({"/t/1", "/t/2"}));
    QCOMPARE(presence->photoHash, QByteArray::fromHex("00ffab"));

    presence = parseAs<PresenceStanza>("<presence><x xmlns='vcard-temp:x:update'><photo/></x></presence>");
    QVERIFY(!presence->photoHash.isNull());
    QVERIFY(presence->photoHash.isEmpty());
    presence = parseAs<PresenceStanza>("<presence><x xmlns='vcard-temp:x:update'/><priority/></presence>");
    QVERIFY(presence->photoHash.isNull());
    QCOMPARE(presence->priority, 0);

    presence = parseAs<PresenceStanza>(
        "<presence from='room@conference.localhost/bob' type='unavailable'><x xmlns='http://jabber.org/protocol/muc#user'>"
        "<item affiliation='outcast' role='none' jid='1002@localhost/r'><actor jid='1001@localhost'/>"
        "<reason>spam</reason><continue thread='t'/></item><status code='301'/></x></presence>");
    QCOMPARE(presence->kind(), 13);
    QVERIFY(presence->roomUser);
    QCOMPARE(presence->roomData.affiliation, 3);
    QCOMPARE(presence->roomData.actor, QStringLiteral("1001@localhost"));
    QCOMPARE(presence->roomData.reason, QStringLiteral("spam"));
    QCOMPARE(presence->roomData.continueThread, QStringLiteral("t"));
    QCOMPARE(XMPPPresence(*presence).roomStatusCodes(), QList<int>({14}));
    QCOMPARE(XMPPPresence(*presence).availability(), 1);
    QVERIFY(!XMPPPresence(*presence).isRoomDestroyed());

    // A room destroyed, with its owner's reason, and one without: the reasons are kept
    // up to a length, as an error's words.
    presence = parseAs<PresenceStanza>(
        "<presence from='room@conference.localhost/bob' type='unavailable'><x xmlns='http://jabber.org/protocol/muc#user'>"
        "<destroy jid='other@conference.localhost'><reason>closed for the night</reason></destroy>"
        "<item affiliation='none' role='none'><reason>" + QByteArray(5000, 'r') + "</reason></item></x></presence>");
    QVERIFY(XMPPPresence(*presence).isRoomDestroyed());
    QCOMPARE(XMPPPresence(*presence).roomDestroyReason(), QStringLiteral("closed for the night"));
    QCOMPARE(presence->roomData.reason, QString(500, 'r'));
    presence = parseAs<PresenceStanza>(
        "<presence from='room@conference.localhost/bob' type='unavailable'><x xmlns='http://jabber.org/protocol/muc#user'>"
        "<destroy><reason>" + QByteArray(5000, 'r') + "</reason></destroy></x></presence>");
    QCOMPARE(XMPPPresence(*presence).roomDestroyReason(), QString(500, 'r'));
    presence = parseAs<PresenceStanza>(
        "<presence from='room@conference.localhost/bob' type='unavailable'><x xmlns='http://jabber.org/protocol/muc#user'>"
        "<destroy/></x></presence>");
    QVERIFY(XMPPPresence(*presence).isRoomDestroyed());
    QVERIFY(XMPPPresence(*presence).roomDestroyReason().isNull());

    QCOMPARE(parseOne("<presence><x xmlns='http://jabber.org/protocol/muc'/></presence>")->kind(), 22);
}

void TestXmppCodec::delayStamps_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("utc");
    QTest::newRow("whole seconds") << "2011-01-21T08:55:00Z" << "2011-01-21T08:55:00.000Z";
    QTest::newRow("milliseconds") << "2011-01-21T08:55:00.123Z" << "2011-01-21T08:55:00.123Z";
    QTest::newRow("microseconds") << "2026-12-07T04:41:36.143253Z" << "2026-12-07T04:41:36.143Z";
    QTest::newRow("one digit") << "2011-01-21T08:55:00.5Z" << "2011-01-21T08:55:00.500Z";
    QTest::newRow("offset") << "2011-01-21T08:55:00+01:00" << "2011-01-21T07:55:00.000Z";
    QTest::newRow("negative offset") << "2011-01-21T23:30:00.25-02:30" << "2011-01-22T02:00:00.250Z";
    QTest::newRow("no zone") << "2011-01-21T08:55:00" << "";
    QTest::newRow("bad month") << "2011-13-21T08:55:00Z" << "";
    QTest::newRow("garbage") << "soon" << "";
}

void TestXmppCodec::delayStamps()
{
    QFETCH(QString, stamp);
    QFETCH(QString, utc);
    const QDateTime parsed = parseDelayStamp(stamp);
    if (utc.isEmpty()) {
        QVERIFY(!parsed.isValid());
        return;
    }
    QVERIFY(parsed.isValid());
    QCOMPARE(parsed.timeSpec(), Qt::UTC);
    QCOMPARE(parsed.toString(Qt::ISODateWithMs), utc);
}

void TestXmppCodec::messageDelay()
{
    auto message = parseAs<MessageStanza>(
        "<message from='lobby@conference.localhost/a' type='groupchat'><body>x</body><body lang='de'>y</body>"
        "<thread>t1</thread><thread>t2</thread>"
        "<x xmlns='jabber:x:delay' stamp='20110121T08:55:00' from='lobby@conference.localhost'/>"
        "<delay xmlns='urn:xmpp:delay' stamp='2011-01-21T08:56:00Z' from='lobby@conference.localhost'/></message>");
    QVERIFY(message);
    QCOMPARE(message->bodies.size(), 2);
    QCOMPARE(message->bodies.value("de"), QStringLiteral("y"));
    QCOMPARE(message->thread, QStringLiteral("t1"));
    QCOMPARE(message->delays.size(), 1);
    QCOMPARE(message->delays.at(0).stamp, QDateTime(QDate(2011, 1, 21), QTime(8, 56), Qt::UTC));
    QCOMPARE(message->delays.at(0).from.toString(), QStringLiteral("lobby@conference.localhost"));

    message = parseAs<MessageStanza>("<message><x xmlns='jabber:x:delay' stamp='20110121T08:55:00'/>"
                                     "<delay xmlns='urn:other' stamp='2011-01-21T08:56:00Z'/></message>");
    QCOMPARE(message->delays.size(), 1);
    QCOMPARE(message->delays.at(0).stamp, QDateTime(QDate(2011, 1, 21), QTime(8, 55), Qt::UTC));
    message = parseAs<MessageStanza>("<message><x xmlns='jabber:x:delay' stamp='2011-01-21T08:55:00Z'/></message>");
    QCOMPARE(message->delays.at(0).stamp, QDateTime(QDate(2011, 1, 21), QTime(8, 55), Qt::UTC));
    message = parseAs<MessageStanza>("<message><delay xmlns='urn:xmpp:delay' stamp='21.01.2011'/><body>b</body></message>");
    QVERIFY(message->delays.isEmpty());
    QCOMPARE(message->bodies.value("UND"), QStringLiteral("b"));

    // Every stamp is read: the sender's own, and the room's after it.
    const XMPPMessage value(*parseAs<MessageStanza>(
        "<message type='groupchat'><body>hi</body>"
        "<delay xmlns='urn:xmpp:delay' stamp='2001-01-01T00:00:00Z' from='1002@localhost'/>"
        "<delay xmlns='urn:xmpp:delay' stamp='2011-01-21T08:56:00Z' from='Lobby@conference.localhost'/></message>"), "en");
    QCOMPARE(value.type(), int(XMPPMessage::GroupChat));
    QVERIFY(value.hasDelay());
    QCOMPARE(value.delayStamp(), QDateTime(QDate(2011, 1, 21), QTime(8, 56), Qt::UTC));
    QCOMPARE(value.delayStampBy("lobby@conference.localhost"), QDateTime(QDate(2011, 1, 21), QTime(8, 56), Qt::UTC));
    QCOMPARE(value.delayStampBy("1002@localhost"), QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
    QVERIFY(value.delayStampBy("localhost").isNull());
    QCOMPARE(value.body(), QStringLiteral("hi"));
    QCOMPARE(value.body("en"), QStringLiteral("hi"));
}

static QByteArray written(const StreamElement &element)
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid("localhost", QString(), QString()), "en");
    writer.open(&device);
    const qint64 headerSize = device.size();
    writer.write(element);
    return device.data().mid(headerSize);
}

void TestXmppCodec::writerGolden_data()
{
    QTest::addColumn<std::shared_ptr<StreamElement>>("element");
    QTest::addColumn<QByteArray>("expected");

    auto presence = std::make_shared<PresenceStanza>();
    QTest::newRow("bare presence") << std::shared_ptr<StreamElement>(presence)
                                   << QByteArray("<presence><x xmlns='vcard-temp:x:update'/></presence>");

    presence = std::make_shared<PresenceStanza>(XMPPJid(), 0, QString());
    presence->show = 1;
    presence->statuses.insert("UND", "");
    presence->statuses.insert("de", "weg");
    presence->priority = -1;
    presence->tables = {"/Classic/Table 1"};
    presence->photoHash = QByteArray::fromHex("0a0B");
    QTest::newRow("full presence")
        << std::shared_ptr<StreamElement>(presence)
        << QByteArray("<presence><show>away</show><status xml:lang='de'>weg</status><priority>-1</priority>"
                      "<tables xmlns='http://pellandor.net/protocol/tablepresence'><path>/Classic/Table 1</path></tables>"
                      "<x xmlns='vcard-temp:x:update'><photo>0a0b</photo></x></presence>");

    auto room = std::make_shared<MucPresenceStanza>(parseJid("lobby@conference.localhost/bob"), 5, "7");
    room->tables = {"/ignored"};
    room->photoHash = QByteArray("");
    QTest::newRow("room presence")
        << std::shared_ptr<StreamElement>(room)
        << QByteArray("<presence to='lobby@conference.localhost/bob' id='7' type='unavailable'>"
                      "<x xmlns='http://jabber.org/protocol/muc'/><x xmlns='vcard-temp:x:update'><photo/></x></presence>");

    auto message = std::make_shared<MessageStanza>("3", parseJid("1002@localhost"), "chat");
    message->bodies.insert("UND", "a <b> & \"c\" 'd'\x01\x1b end");
    message->bodies.insert("ja", "やあ");
    message->thread = "th";
    QTest::newRow("message")
        << std::shared_ptr<StreamElement>(message)
        << QByteArray("<message to='1002@localhost' id='3' type='chat'><body xml:lang='UND'>"
                      "a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos; end</body>"
                      "<body xml:lang='ja'>\xe3\x82\x84\xe3\x81\x82</body><thread>th</thread></message>")
               .replace("xml:lang='UND'", "xml:lang='UND'");

    auto error = std::make_shared<Iq>("9", XMPPJid(), 3);
    error->errorType = Cancel;
    error->errorCondition = FeatureNotImplemented;
    QTest::newRow("iq error")
        << std::shared_ptr<StreamElement>(error)
        << QByteArray("<iq id='9' type='error'><error type='cancel'><feature-not-implemented "
                      "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>");

    QTest::newRow("bind") << std::shared_ptr<StreamElement>(std::make_shared<IqBind>("1", QString()))
                          << QByteArray("<iq id='1' type='set'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/></iq>");
    QTest::newRow("session") << std::shared_ptr<StreamElement>(std::make_shared<IqSession>("2"))
                             << QByteArray("<iq id='2' type='set'><session xmlns='urn:ietf:params:xml:ns:xmpp-session'/></iq>");
    QTest::newRow("disco info")
        << std::shared_ptr<StreamElement>(std::make_shared<IqDiscoInfo>("3", parseJid("localhost")))
        << QByteArray("<iq to='localhost' id='3' type='get'><query xmlns='http://jabber.org/protocol/disco#info'/></iq>");
    QTest::newRow("disco items")
        << std::shared_ptr<StreamElement>(std::make_shared<IqDiscoItems>("4", parseJid("conference.localhost")))
        << QByteArray("<iq to='conference.localhost' id='4' type='get'><query xmlns='http://jabber.org/protocol/disco#items'/></iq>");
    QTest::newRow("entity time")
        << std::shared_ptr<StreamElement>(std::make_shared<IqTime>("clock-1", parseJid("localhost")))
        << QByteArray("<iq to='localhost' id='clock-1' type='get'><time xmlns='urn:xmpp:time'/></iq>");
    QTest::newRow("instant room")
        << std::shared_ptr<StreamElement>(std::make_shared<IqInstantRoom>("5", parseJid("r@conference.localhost")))
        << QByteArray("<iq to='r@conference.localhost' id='5' type='set'><query xmlns='http://jabber.org/protocol/muc#owner'>"
                      "<x xmlns='jabber:x:data' type='submit'/></query></iq>");
    QTest::newRow("starttls") << std::shared_ptr<StreamElement>(std::make_shared<TLSStart>())
                              << QByteArray("<starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>");
    QTest::newRow("auth") << std::shared_ptr<StreamElement>(std::make_shared<SASLAuth>("PLAIN", QByteArray("\0u\0p", 4)))
                          << QByteArray("<auth xmlns='urn:ietf:params:xml:ns:xmpp-sasl' mechanism='PLAIN'>AHUAcA==</auth>");
    QTest::newRow("stream error")
        << std::shared_ptr<StreamElement>(std::make_shared<StreamError>(13, "TLS <required>"))
        << QByteArray("<stream:error><policy-violation xmlns='urn:ietf:params:xml:ns:xmpp-streams'/>"
                      "<text xmlns='urn:ietf:params:xml:ns:xmpp-streams'>TLS &lt;required&gt;</text></stream:error>");
    auto other = std::make_shared<StreamError>(17, QString());
    other->seeOtherHost = "b.example";
    QTest::newRow("see other host")
        << std::shared_ptr<StreamElement>(other)
        << QByteArray("<stream:error><see-other-host xmlns='urn:ietf:params:xml:ns:xmpp-streams'>b.example"
                      "</see-other-host></stream:error>");
}

void TestXmppCodec::writerGolden()
{
    QFETCH(std::shared_ptr<StreamElement>, element);
    QFETCH(QByteArray, expected);
    const QByteArray actual = written(*element);
    QDomDocument actualDocument;
    QDomDocument expectedDocument;
    QCOMPARE(canonical(toDom(actual, actualDocument)), canonical(toDom(expected, expectedDocument)));
}

void TestXmppCodec::writerHeaderAndClose()
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid("localhost", QString(), QString()), "en");
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, writer.write(TLSStart()));
    QCOMPARE(device.size(), 0);
    writer.open(&device);
    QCOMPARE(device.data(),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><stream:stream xmlns=\"jabber:client\" "
                        "xmlns:stream=\"http://etherx.jabber.org/streams\" xml:lang=\"en\" to=\"localhost\" "
                        "version=\"1.0\">"));
    const qint64 headerSize = device.size();
    writer.sendKeepAlive();
    QCOMPARE(device.data().mid(headerSize), QByteArray(" "));
    writer.close();
    QCOMPARE(device.data().mid(headerSize + 1).trimmed(), QByteArray("</stream:stream>"));
    const qint64 closedSize = device.size();
    writer.sendKeepAlive();
    writer.close();
    QCOMPARE(device.size(), closedSize);
    try {
        writer.write(TLSStart());
        QFAIL("write after close");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("writing requires an open stream"));
    }
}

void TestXmppCodec::writerStripsForbiddenCharacters()
{
    QCOMPARE(xmlSafe(QString::fromUtf8("a\x01" "b\tc\nd\x1f" "e\xef\xbf\xbe" "f")), QString("ab\tc\nd" "ef"));
    QCOMPARE(xmlSafe(QString("x") + QChar(0xD800) + "y"), QStringLiteral("xy"));
    QCOMPARE(xmlSafe(QString::fromUtf8("🀄")), QString::fromUtf8("🀄"));
    // Pairs after a dropped character are kept whole; a lone half at either end goes.
    QCOMPARE(xmlSafe(QChar(0xDC00) + QString::fromUtf8("\x02🀄z🀅") + QChar(0xD83C)),
             QString::fromUtf8("🀄z🀅"));

    // The written stream stays readable after hostile text in every field.
    MessageStanza message("\x02id", parseJid("1002@localhost"), "chat");
    message.bodies.insert("UND", QString("bell\x07") + QChar(0xDC00) + "!");
    message.subjects.insert("UND", "\x1b[31m");
    message.thread = "\x00t";
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid("localhost", QString(), QString()), "en");
    writer.open(&device);
    writer.write(message);
    StreamParser parser;
    parser.addData(StreamHeader + device.data().mid(device.data().indexOf("<message")));
    QCOMPARE(parser.parse(), StreamParser::ElementReady);
    const auto *read = static_cast<MessageStanza *>(parser.lastElement());
    QCOMPARE(read->bodies.value("UND"), QStringLiteral("bell!"));
    QCOMPARE(read->subjects.value("UND"), QStringLiteral("[31m"));
    QCOMPARE(read->id, QStringLiteral("id"));
}

void TestXmppCodec::writerRoundTrip()
{
    PresenceStanza presence;
    presence.tables = {"/a/1", "/b/<2>", "/c/卓"};
    presence.photoHash = QByteArray::fromHex("3f786850e387550fdab836ed7e6dc881de23001b");
    presence.priority = 127;
    StreamParser parser;
    parser.addData(StreamHeader + written(presence));
    QCOMPARE(parser.parse(), StreamParser::ElementReady);
    const auto *read = static_cast<PresenceStanza *>(parser.lastElement());
    QCOMPARE(read->tables, presence.tables);
    QCOMPARE(read->photoHash, presence.photoHash);
    QCOMPARE(read->priority, 127);
}

void TestXmppCodec::keepAliveFollowsOutput()
{
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    StreamWriter writer(XMPPJid("localhost", QString(), QString()), "en");
    auto *timer = writer.findChild<QTimer *>();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    writer.open(&device);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 60000);
    // A minute-long timer counts in whole seconds.
    QTest::qWait(1500);
    QVERIFY(timer->remainingTime() <= 59000);
    writer.write(PresenceStanza());
    QVERIFY(timer->remainingTime() > 59000);
    const qint64 size = device.size();
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QCOMPARE(device.data().mid(size), QByteArray(" "));
    QVERIFY(timer->isActive());
    // A closed stream has nothing left to keep alive.
    writer.close();
    QVERIFY(!timer->isActive());
}

void TestXmppCodec::mixedText()
{
    auto message = parseAs<MessageStanza>("<message><body>a<b>x<i>y</i></b>c<br/>d</body>"
                                          "<subject>  </subject></message>");
    QVERIFY(message);
    QCOMPARE(message->bodies.value("UND"), QStringLiteral("axycd"));
    QCOMPARE(message->subjects.value("UND"), QString());
}

MAHJONG_TEST_MAIN(TestXmppCodec)
#include "tst_xmppcodec.moc"
