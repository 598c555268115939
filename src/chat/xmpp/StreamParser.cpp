#include "chat/xmpp/StreamParser.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/XMPPNamespaces.h"

#include <QDebug>
#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace xmpp {

namespace {

constexpr qsizetype FeedSlice = 16 * 1024;

constexpr int MaxInternedNames = 256;

QByteArray base64Payload(const XmlElement &element)
{
    return QByteArray::fromBase64(element.text().toUtf8());
}

bool hasDescendant(const XmlElement &element, const QString &ns, QStringView name)
{
    return !element.firstDescendant(name, ns).isNull();
}

const QString XmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

} // namespace

void StreamByteGuard::reset()
{
    *this = StreamByteGuard();
}

namespace {

constexpr quint64 Ones = 0x0101010101010101ull;
constexpr quint64 Highs = 0x8080808080808080ull;

// The top bit of each byte of word that equals the byte of stops; the lowest one flagged
// is exact.
quint64 sameBytes(quint64 word, quint64 stops)
{
    const quint64 same = word ^ stops;
    return (same - Ones) & ~same & Highs;
}

// The number of bytes before the first one that is one of the stops or above 0x7F,
// looked for a word at a time.
qsizetype plainRun(const char *data, qsizetype size, char stop, char stop2, char stop3)
{
    const quint64 stops = Ones * uchar(stop);
    const quint64 stops2 = Ones * uchar(stop2);
    const quint64 stops3 = Ones * uchar(stop3);
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        const quint64 word = qFromLittleEndian<quint64>(data + i);
        const quint64 found = sameBytes(word, stops) | sameBytes(word, stops2)
            | sameBytes(word, stops3) | (word & Highs);
        if (found)
            return i + qCountTrailingZeroBits(found) / 8;
    }
    for (; i < size; ++i) {
        const char c = data[i];
        if (c == stop || c == stop2 || c == stop3 || uchar(c) >= 0x80)
            break;
    }
    return i;
}

} // namespace

qsizetype StreamByteGuard::plainBytes(const char *data, qsizetype size) const
{
    if (m_continuations > 0)
        return 0;
    switch (m_markup) {
    case Text:
        return plainRun(data, size, '<', '<', '<');
    case AttributeName:
        return plainRun(data, size, '"', '\'', '>');
    case Quoted:
    case ExcessQuoted:
        return plainRun(data, size, m_quote, m_quote, m_quote);
    case Skip:
        return plainRun(data, size, '>', '>', '>');
    default:
        return 0;
    }
}

void StreamByteGuard::check(const char *data, qsizetype size, QByteArray &out)
{
    if (m_error)
        return;
    // The start of the run of bytes that go on unchanged.
    qsizetype run = 0;
    for (qsizetype i = 0; i < size; ++i) {
        // Text, quoted values and skipped markup pass in runs up to the byte that ends
        // them (or one that is not ASCII); a dropped quoted value is dropped as a run.
        if (const qsizetype plain = plainBytes(data + i, size - i)) {
            if (m_markup == ExcessQuoted) {
                out.append(data + run, i - run);
                run = i + plain;
            }
            i += plain;
            if (i == size)
                break;
        }
        const uchar byte = uchar(data[i]);
        const Verdict verdict = checkUtf8(byte) ? checkMarkup(byte) : Fault;
        if (verdict == Keep)
            continue;
        out.append(data + run, i - run);
        if (verdict == Fault)
            return;
        if (verdict == Slash) {
            // The '>' goes on after it.
            out.append('/');
            run = i;
        } else {
            run = i + 1;
        }
    }
    out.append(data + run, size - run);
}

bool StreamByteGuard::takeDamaged(qint64 element)
{
    while (!m_damaged.empty() && m_damaged.front() < element)
        m_damaged.pop_front();
    if (m_damaged.empty() || m_damaged.front() != element)
        return false;
    m_damaged.pop_front();
    return true;
}

bool StreamByteGuard::checkUtf8(uchar byte)
{
    if (m_continuations > 0) {
        if (byte < m_low || byte > m_high) {
            m_error.emplace(XmlNotWellFormed, QStringLiteral("invalid UTF-8 continuation byte 0x%1")
                                                  .arg(byte, 2, 16, QLatin1Char('0')));
            return false;
        }
        --m_continuations;
        m_low = 0x80;
        m_high = 0xBF;
        return true;
    }
    if (byte < 0x80)
        return true;
    // The lead byte fixes the length and, for its first continuation byte, the range
    // that keeps out overlong forms, surrogates and code points beyond U+10FFFF.
    if (byte >= 0xC2 && byte <= 0xDF) {
        m_continuations = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        m_continuations = 2;
        if (byte == 0xE0)
            m_low = 0xA0;
        else if (byte == 0xED)
            m_high = 0x9F;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        m_continuations = 3;
        if (byte == 0xF0)
            m_low = 0x90;
        else if (byte == 0xF4)
            m_high = 0x8F;
    } else {
        m_error.emplace(XmlNotWellFormed,
                        QStringLiteral("invalid UTF-8 byte 0x%1").arg(byte, 2, 16, QLatin1Char('0')));
        return false;
    }
    return true;
}

void StreamByteGuard::startTag()
{
    if (m_depth == 1)
        ++m_topLevel;
    ++m_depth;
    m_attributes = 0;
    m_slash = false;
    m_markup = TagName;
}

StreamByteGuard::Verdict StreamByteGuard::checkMarkup(uchar byte)
{
    const bool space = byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r';
    switch (m_markup) {
    case Text:
        if (byte == '<')
            m_markup = TagOpen;
        break;
    case TagOpen:
        if (byte == '!') {
            m_markup = Declaration;
            m_run = 0;
        } else if (byte == '/') {
            --m_depth;
            m_markup = Skip;
        } else if (byte == '?') {
            m_markup = Skip;
        } else {
            // The element's name; the attributes are counted where their names begin.
            startTag();
            return checkMarkup(byte);
        }
        break;
    case TagName:
    case Tag:
        if (byte == '>') {
            if (m_slash)
                --m_depth;
            m_markup = Text;
        } else if (byte == '/') {
            m_slash = true;
        } else if (space) {
            m_markup = Tag;
        } else if (byte == '"' || byte == '\'') {
            m_markup = Quoted;
            m_quote = char(byte);
        } else if (m_markup == Tag) {
            m_slash = false;
            if (++m_attributes > MaxAttributes) {
                if (m_depth == 1) {
                    m_error.emplace(PolicyViolation, QStringLiteral("more than %1 attributes in the stream header")
                                                         .arg(MaxAttributes));
                    return Fault;
                }
                if (m_damaged.empty() || m_damaged.back() != m_topLevel)
                    m_damaged.push_back(m_topLevel);
                m_markup = Excess;
                return Drop;
            }
            m_markup = AttributeName;
        } else {
            m_slash = false;
        }
        break;
    case AttributeName:
        if (byte == '"' || byte == '\'') {
            m_markup = Quoted;
            m_quote = char(byte);
        } else if (byte == '>') {
            m_markup = Text;
        }
        break;
    case Quoted:
        if (char(byte) == m_quote)
            m_markup = Tag;
        break;
    case Excess:
        // Left out up to the end of the tag, which keeps its '/' if it had one.
        if (byte == '>') {
            m_markup = Text;
            if (!m_slash)
                return Keep;
            --m_depth;
            return Slash;
        }
        if (byte == '"' || byte == '\'') {
            m_markup = ExcessQuoted;
            m_quote = char(byte);
        } else if (!space) {
            m_slash = byte == '/';
        }
        return Drop;
    case ExcessQuoted:
        if (char(byte) == m_quote)
            m_markup = Excess;
        return Drop;
    case Declaration:
        // "<!--" opens a comment, "<![CDATA[" a character data section; anything else
        // (refused by the reader anyway) runs to the next '>'.
        if (m_run == 0 && (byte == '-' || byte == '[')) {
            m_quote = char(byte);
            m_run = 1;
        } else if (m_run > 0 && m_quote == '-' && byte == '-') {
            m_markup = Comment;
            m_run = 0;
        } else if (m_run > 0 && m_quote == '[' && byte == uchar("[CDATA["[m_run])) {
            if (++m_run == 7) {
                m_markup = CData;
                m_run = 0;
            }
        } else {
            m_markup = byte == '>' ? Text : Skip;
        }
        break;
    case CData:
    case Comment:
        if (byte == (m_markup == CData ? ']' : '-'))
            ++m_run;
        else if (byte == '>' && m_run >= 2)
            m_markup = Text;
        else
            m_run = 0;
        break;
    case Skip:
        if (byte == '>')
            m_markup = Text;
        break;
    }
    return Keep;
}

StreamParser::StreamParser() = default;

void StreamParser::reset()
{
    m_reader.emplace();
    m_guard.reset();
    m_inRoot = false;
    m_tree.clear();
    m_current = -1;
    m_depth = 0;
    m_tooDeep = false;
    m_lastElement.reset();
    m_streamLanguage.clear();
    m_streamFrom.clear();
    m_pending.clear();
    m_pendingPos = 0;
    m_fed = 0;
    m_elementStart = 0;
    m_element = 0;
}

void StreamParser::addData(const QByteArray &data)
{
    if (m_guard.error())
        return;
    if (m_pendingPos == m_pending.size()) {
        m_pending.clear();
        m_pendingPos = 0;
    }
    m_pending.append(data);
}

bool StreamParser::feedReader()
{
    const qsizetype available = m_pending.size() - m_pendingPos;
    if (available == 0) {
        // The reader has had every byte before a fault of the guard's.
        if (m_guard.error())
            throw *m_guard.error();
        return false;
    }
    const qsizetype slice = qMin(available, FeedSlice);
    // Everything fed since the last top-level element ended belongs to the current
    // one, apart from at most the slice in which it started.
    if (m_fed + slice - m_elementStart > MaxElementBytes + 2 * FeedSlice)
        throw stream_parse_error(PolicyViolation,
                                 QStringLiteral("element larger than %1 bytes").arg(MaxElementBytes));
    QByteArray accepted;
    accepted.reserve(slice);
    m_guard.check(m_pending.constData() + m_pendingPos, slice, accepted);
    // Nothing after a fault reaches the reader.
    if (m_guard.error())
        m_pending.truncate(m_pendingPos + slice);
    m_reader->addData(accepted);
    m_pendingPos += slice;
    m_fed += slice;
    if (m_pendingPos == m_pending.size()) {
        m_pending.clear();
        m_pendingPos = 0;
    }
    return true;
}

StreamParser::Result StreamParser::parse()
{
    for (;;) {
        switch (m_reader->readNext()) {
        case QXmlStreamReader::NoToken:
            return NeedMoreData;
        case QXmlStreamReader::Invalid:
            if (m_reader->error() == QXmlStreamReader::PrematureEndOfDocumentError) {
                if (feedReader())
                    continue;
                return NeedMoreData;
            }
            throw stream_parse_error(XmlNotWellFormed, m_reader->errorString());
        case QXmlStreamReader::StartDocument:
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::ProcessingInstruction:
            throw stream_parse_error(RestrictedXml,
                                     QStringLiteral("restricted xml: %1").arg(m_reader->tokenString()));
        case QXmlStreamReader::EndDocument:
            return EndOfStream;
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            if (endElement())
                return ElementReady;
            // The stream is over once its root closes, whatever bytes follow in the
            // same read.
            if (!m_inRoot)
                return EndOfStream;
            break;
        case QXmlStreamReader::Characters:
            if (!m_reader->isWhitespace() && m_current >= 0)
                m_tree.addText(m_current, m_reader->text().toString());
            break;
        default:
            throw stream_parse_error(InvalidXml, QStringLiteral("unknown xml stream token: %1")
                                                     .arg(int(m_reader->tokenType())));
        }
    }
}

QString StreamParser::intern(QStringView text)
{
    const size_t hash = qHash(text);
    const auto it = m_nameIndex.find(hash);
    if (it != m_nameIndex.end()) {
        const QString &name = m_names.at(it->second);
        return name == text ? name : text.toString();
    }
    if (m_names.size() >= MaxInternedNames)
        return text.toString();
    m_nameIndex.emplace(hash, int(m_names.size()));
    m_names.append(text.toString());
    return m_names.last();
}

void StreamParser::startElement()
{
    if (m_inRoot) {
        if (m_current < 0)
            ++m_element;
        // Deeper elements are not kept, and their stanza is dropped at its end.
        if (++m_depth > MaxElementDepth) {
            m_tooDeep = true;
            return;
        }
        const int element = m_tree.addElement(m_current, intern(m_reader->namespaceUri()),
                                              intern(m_reader->qualifiedName()), intern(m_reader->name()));
        const QXmlStreamAttributes attributes = m_reader->attributes();
        m_tree.reserveAttributes(element, attributes.size());
        for (const QXmlStreamAttribute &attribute : attributes) {
            XmlTree::Attribute copy;
            copy.namespaceURI = intern(attribute.namespaceUri());
            copy.qualifiedName = intern(attribute.qualifiedName());
            // Attributes are looked up by plain name; "xml:lang" answers to "lang".
            copy.name = copy.namespaceURI.isEmpty() || copy.namespaceURI == XmlNamespace
                ? intern(attribute.name())
                : copy.qualifiedName;
            copy.value = attribute.value().toString();
            m_tree.addAttribute(element, std::move(copy));
        }
        m_current = element;
        return;
    }
    if (m_reader->namespaceUri() != ns::Streams || m_reader->name() != u"stream")
        throw stream_parse_error(BadFormat, QStringLiteral("invalid stream start tag: %1")
                                                .arg(m_reader->qualifiedName().toString()));
    const QXmlStreamAttributes attributes = m_reader->attributes();
    const QString version = attributes.value(QStringLiteral("version")).toString();
    if (version != QLatin1String("1.0"))
        throw stream_parse_error(UnsupportedVersion,
                                 QStringLiteral("unsupported version: %1").arg(version));
    QString from;
    try {
        from = XMPPJid(attributes.value(QStringLiteral("from")).toString(), QString(), QString()).toString();
    } catch (const std::invalid_argument &e) {
        throw stream_parse_error(InvalidFrom, QString::fromLatin1(e.what()));
    }
    QString language;
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == u"lang")
            language = attribute.value().toString();
    }
    m_inRoot = true;
    m_current = -1;
    m_depth = 0;
    m_tree.clear();
    m_streamLanguage = language;
    m_streamFrom = from;
    m_elementStart = m_fed;
}

bool StreamParser::endElement()
{
    if (m_depth > MaxElementDepth) {
        --m_depth;
        return false;
    }
    if (m_current < 0) {
        // The end of the stream root; the end of the document follows.
        m_inRoot = false;
        return false;
    }
    const int finished = m_current;
    m_current = m_tree.parentOf(finished);
    --m_depth;
    if (m_current >= 0)
        return false;
    m_elementStart = m_fed;
    // Every stanza counts, also one dropped below.
    {
        const XmlElement top = m_tree.element(finished);
        const QString name = top.localName();
        if (top.namespaceURI() == ns::Client
            && (name == QLatin1String("message") || name == QLatin1String("iq") || name == QLatin1String("presence")))
            ++m_stanzasRead;
    }
    const bool tooDeep = std::exchange(m_tooDeep, false);
    if (m_guard.takeDamaged(m_element)) {
        qWarning().noquote() << QStringLiteral("Dropping a stanza with more than %1 attributes in one element")
                                    .arg(StreamByteGuard::MaxAttributes);
        m_tree.clear();
        return false;
    }
    if (tooDeep) {
        qWarning().noquote() << QStringLiteral("Dropping a stanza nested deeper than %1 levels").arg(MaxElementDepth);
        m_tree.clear();
        return false;
    }
    std::unique_ptr<StreamElement> element;
    try {
        element = parseStreamElement(m_tree.element(finished));
    } catch (...) {
        m_tree.clear();
        throw;
    }
    m_tree.clear();
    if (!element)
        return false;
    m_lastElement = std::move(element);
    return true;
}

std::unique_ptr<StreamElement> parseStreamElement(const XmlElement &element)
{
    const QString ns = element.namespaceURI();
    const QString name = element.localName();
    if (ns == ns::Client) {
        if (name != QLatin1String("message") && name != QLatin1String("iq")
            && name != QLatin1String("presence"))
            throw stream_parse_error(UnsupportedStanzaType, QString());
        try {
            return parseStanza(element);
        } catch (const stream_error &e) {
            qWarning() << "Dropping unreadable stanza:" << e.what();
            return nullptr;
        }
    }
    if (ns == ns::Streams) {
        if (name == QLatin1String("error"))
            return parseStreamError(element);
        if (name == QLatin1String("features"))
            return parseStreamFeatures(element);
    } else if (ns == ns::Tls) {
        if (name == QLatin1String("starttls"))
            return std::make_unique<TLSStart>();
        if (name == QLatin1String("proceed"))
            return std::make_unique<TLSProceed>();
        if (name == QLatin1String("failure"))
            return std::make_unique<TLSFailure>();
    } else if (ns == ns::Sasl) {
        if (name == QLatin1String("auth")) {
            return std::make_unique<SASLAuth>(element.attribute(QStringLiteral("mechanism")),
                                              base64Payload(element));
        }
        if (name == QLatin1String("challenge")) {
            auto challenge = std::make_unique<SASLChallenge>();
            challenge->data = base64Payload(element);
            return challenge;
        }
        if (name == QLatin1String("response")) {
            auto response = std::make_unique<SASLResponse>();
            response->data = base64Payload(element);
            return response;
        }
        if (name == QLatin1String("abort"))
            return std::make_unique<SASLAbort>();
        if (name == QLatin1String("success"))
            return std::make_unique<SASLSuccess>();
        if (name == QLatin1String("failure"))
            return parseSaslFailure(element);
    } else if (ns == ns::StreamManagement) {
        if (auto management = parseStreamManagement(element))
            return management;
    }
    throw stream_parse_error(UnsupportedStanzaType, name);
}

std::unique_ptr<StreamManagement> parseStreamManagement(const XmlElement &element)
{
    const QString name = element.localName();
    const auto count = [&element]() -> std::optional<quint32> {
        const QString text = element.attribute(u"h");
        if (text.isNull())
            return std::nullopt;
        bool ok = false;
        const quint32 handled = text.toUInt(&ok);
        if (!ok || text.startsWith(QLatin1Char('+')))
            throw stream_parse_error(BadFormat, QStringLiteral("stanza count out of range: %1").arg(text.left(20)));
        return handled;
    };
    const auto counted = [&name, &count]() {
        const std::optional<quint32> handled = count();
        if (!handled)
            throw stream_parse_error(BadFormat, QStringLiteral("<%1/> without a stanza count").arg(name));
        return handled;
    };
    std::unique_ptr<StreamManagement> management;
    if (name == QLatin1String("enabled")) {
        management = std::make_unique<StreamManagement>(StreamManagement::Enabled);
        const QString resume = element.attribute(u"resume");
        management->resume = resume == QLatin1String("true") || resume == QLatin1String("1");
        management->id = element.attribute(u"id");
        management->maxSeconds = std::max(0, element.attribute(u"max").toInt());
    } else if (name == QLatin1String("resumed")) {
        management = std::make_unique<StreamManagement>(StreamManagement::Resumed);
        management->id = element.attribute(u"previd");
        management->handled = counted();
    } else if (name == QLatin1String("failed")) {
        management = std::make_unique<StreamManagement>(StreamManagement::Failed);
        management->handled = count();
    } else if (name == QLatin1String("r")) {
        management = std::make_unique<StreamManagement>(StreamManagement::Request);
    } else if (name == QLatin1String("a")) {
        management = std::make_unique<StreamManagement>(StreamManagement::Answer);
        management->handled = counted();
    }
    return management;
}

std::unique_ptr<StreamFeatures> parseStreamFeatures(const XmlElement &element)
{
    auto features = std::make_unique<StreamFeatures>();
    const XmlElement startTls = firstChildNamed(element, QStringLiteral("starttls"));
    features->startTls = !startTls.isNull();
    features->tlsRequired = features->startTls && hasDescendant(startTls, ns::Tls, u"required");
    const QList<XmlElement> mechanisms = element.descendants(u"mechanism", ns::Sasl);
    for (const XmlElement &mechanism : mechanisms)
        features->mechanisms.append(mechanism.text());
    features->bind = hasDescendant(element, ns::Bind, u"bind");
    // A session marked optional needs no request.
    const XmlElement session = element.firstDescendant(u"session", ns::Session);
    features->session = !session.isNull() && firstChildNamed(session, QStringLiteral("optional")).isNull();
    features->streamManagement = hasDescendant(element, ns::StreamManagement, u"sm");
    return features;
}

std::unique_ptr<StreamError> parseStreamError(const XmlElement &element)
{
    auto error = std::make_unique<StreamError>();
    for (XmlElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.namespaceURI() != ns::StreamErrors)
            continue;
        if (child.localName() == QLatin1String("text")) {
            error->text = child.text();
            continue;
        }
        const int condition = streamErrorConditionFromName(child.localName());
        error->condition = condition < 0 ? UndefinedCondition : condition;
        if (error->condition == SeeOtherHost)
            error->seeOtherHost = child.text();
    }
    return error;
}

std::unique_ptr<SASLFailure> parseSaslFailure(const XmlElement &element)
{
    auto failure = std::make_unique<SASLFailure>();
    const XmlElement condition = element.firstChildElement();
    if (condition.isNull())
        return failure;
    const int code = saslFailureConditionFromName(condition.localName());
    if (code < 0)
        throw stream_parse_error(BadFormat, QStringLiteral("unknown SASL failure code <%1>")
                                                .arg(condition.localName()));
    failure->condition = code;
    return failure;
}

} // namespace xmpp
