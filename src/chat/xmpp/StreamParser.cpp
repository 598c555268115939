#include "chat/xmpp/StreamParser.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/XMPPNamespaces.h"

#include <QDebug>

#include <stdexcept>

namespace xmpp {

namespace {

constexpr qsizetype FeedSlice = 16 * 1024;

QByteArray base64Payload(const QDomElement &element)
{
    return QByteArray::fromBase64(element.text().toUtf8());
}

bool hasDescendant(const QDomElement &element, const QString &ns, const QString &name)
{
    return !element.elementsByTagNameNS(ns, name).isEmpty();
}

} // namespace

StreamParser::StreamParser() = default;

void StreamParser::reset()
{
    m_reader.clear();
    if (!m_root.isNull())
        m_document.removeChild(m_root);
    m_root.clear();
    m_current.clear();
    m_lastElement.reset();
    m_streamLanguage.clear();
    m_streamFrom.clear();
    m_pending.clear();
    m_pendingPos = 0;
    m_fed = 0;
    m_elementStart = 0;
}

void StreamParser::addData(const QByteArray &data)
{
    if (m_pendingPos == m_pending.size()) {
        m_pending.clear();
        m_pendingPos = 0;
    }
    m_pending.append(data);
}

bool StreamParser::feedReader()
{
    const qsizetype available = m_pending.size() - m_pendingPos;
    if (available == 0)
        return false;
    const qsizetype slice = qMin(available, FeedSlice);
    // Everything fed since the last top-level element ended belongs to the current
    // one, apart from at most the slice in which it started.
    if (m_fed + slice - m_elementStart > MaxElementBytes + 2 * FeedSlice)
        throw stream_parse_error(PolicyViolation,
                                 QStringLiteral("element larger than %1 bytes").arg(MaxElementBytes));
    m_reader.addData(QByteArray(m_pending.constData() + m_pendingPos, slice));
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
        switch (m_reader.readNext()) {
        case QXmlStreamReader::NoToken:
            return NeedMoreData;
        case QXmlStreamReader::Invalid:
            if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
                if (feedReader())
                    continue;
                return NeedMoreData;
            }
            throw stream_parse_error(XmlNotWellFormed, m_reader.errorString());
        case QXmlStreamReader::StartDocument:
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::ProcessingInstruction:
            throw stream_parse_error(RestrictedXml,
                                     QStringLiteral("restricted xml: %1").arg(m_reader.tokenString()));
        case QXmlStreamReader::EndDocument:
            return EndOfStream;
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            if (endElement())
                return ElementReady;
            break;
        case QXmlStreamReader::Characters:
            if (!m_reader.isWhitespace() && !m_current.isNull())
                m_current.appendChild(m_document.createTextNode(m_reader.text().toString()));
            break;
        default:
            throw stream_parse_error(InvalidXml, QStringLiteral("unknown xml stream token: %1")
                                                     .arg(int(m_reader.tokenType())));
        }
    }
}

void StreamParser::startElement()
{
    QDomElement element = m_document.createElementNS(m_reader.namespaceUri().toString(),
                                                     m_reader.qualifiedName().toString());
    const QXmlStreamAttributes attributes = m_reader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.namespaceUri().isEmpty())
            element.setAttribute(attribute.name().toString(), attribute.value().toString());
        else
            element.setAttributeNS(attribute.namespaceUri().toString(),
                                   attribute.qualifiedName().toString(),
                                   attribute.value().toString());
    }
    if (!m_current.isNull()) {
        m_current.appendChild(element);
        m_current = element;
        return;
    }
    if (element.namespaceURI() != ns::Streams || element.localName() != QLatin1String("stream"))
        throw stream_parse_error(BadFormat,
                                 QStringLiteral("invalid stream start tag: %1")
                                     .arg(m_reader.qualifiedName().toString()));
    const QString version = element.attribute(QStringLiteral("version"));
    if (version != QLatin1String("1.0"))
        throw stream_parse_error(UnsupportedVersion,
                                 QStringLiteral("unsupported version: %1").arg(version));
    QString from;
    try {
        from = XMPPJid(element.attribute(QStringLiteral("from")), QString(), QString()).toString();
    } catch (const std::invalid_argument &e) {
        throw stream_parse_error(InvalidFrom, QString::fromLatin1(e.what()));
    }
    m_document.appendChild(element);
    m_root = element;
    m_current = element;
    m_streamLanguage = element.attribute(QStringLiteral("lang"));
    m_streamFrom = from;
    m_elementStart = m_fed;
}

bool StreamParser::endElement()
{
    QDomElement finished = m_current;
    m_current = finished.parentNode().toElement();
    if (m_current.isNull() || m_current != m_root)
        return false;
    m_elementStart = m_fed;
    std::unique_ptr<StreamElement> element;
    try {
        element = parseStreamElement(finished);
    } catch (...) {
        m_root.removeChild(finished);
        throw;
    }
    m_root.removeChild(finished);
    if (!element)
        return false;
    m_lastElement = std::move(element);
    return true;
}

std::unique_ptr<StreamElement> parseStreamElement(const QDomElement &element)
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
    }
    throw stream_parse_error(UnsupportedStanzaType, name);
}

std::unique_ptr<StreamFeatures> parseStreamFeatures(const QDomElement &element)
{
    auto features = std::make_unique<StreamFeatures>();
    const QDomElement startTls = firstChildNamed(element, QStringLiteral("starttls"));
    features->startTls = !startTls.isNull();
    features->tlsRequired = features->startTls
        && hasDescendant(startTls, ns::Tls, QStringLiteral("required"));
    const QDomNodeList mechanisms = element.elementsByTagNameNS(ns::Sasl, QStringLiteral("mechanism"));
    for (int i = 0; i < mechanisms.size(); ++i)
        features->mechanisms.append(mechanisms.at(i).toElement().text());
    features->bind = hasDescendant(element, ns::Bind, QStringLiteral("bind"));
    features->session = hasDescendant(element, ns::Session, QStringLiteral("session"));
    if (features->session) {
        // A session marked optional needs no request.
        const QDomElement session =
            element.elementsByTagNameNS(ns::Session, QStringLiteral("session")).at(0).toElement();
        if (!firstChildNamed(session, QStringLiteral("optional")).isNull())
            features->session = false;
    }
    return features;
}

std::unique_ptr<StreamError> parseStreamError(const QDomElement &element)
{
    auto error = std::make_unique<StreamError>();
    for (QDomElement child = element.firstChildElement(); !child.isNull();
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

std::unique_ptr<SASLFailure> parseSaslFailure(const QDomElement &element)
{
    auto failure = std::make_unique<SASLFailure>();
    const QDomElement condition = element.firstChildElement();
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
