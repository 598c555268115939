#include "chat/xmpp/IqSearch.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPNamespaces.h"
#include "chat/xmpp/XmlElement.h"

#include <QDebug>
#include <QSet>
#include <QXmlStreamWriter>

namespace xmpp {

namespace {

// A form or table that cannot be read: the whole reply is unusable.
struct MalformedSearch
{
    const char *reason;
};

struct PlainField
{
    const char *var;
    const char *label;
};

// The fields of a search service without data forms, in the order they are written.
const PlainField PlainFields[] = {
    {"first", "Given name"},
    {"last", "Family name"},
    {"nick", "Nickname"},
    {"email", "Email address"},
};

QString childText(const XmlElement &parent, const QString &name)
{
    const XmlElement child = firstChildNamed(parent, name);
    return child.isNull() ? QString() : child.text();
}

QList<XmlElement> childrenNamed(const XmlElement &parent, const QString &name)
{
    QList<XmlElement> children;
    for (XmlElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.localName() == name)
            children.append(child);
    }
    return children;
}

XMPPJid jidFromText(const QString &text)
{
    try {
        return parseJid(text);
    } catch (const stream_error &) {
        throw MalformedSearch{"an address that is too long"};
    }
}

// "1" and "true" are true, "0" and "false" false; another number is true when not zero.
bool booleanFromText(const QString &text)
{
    const QString value = text.trimmed();
    if (value == QLatin1String("true"))
        return true;
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    return ok && number != 0;
}

void writeField(QXmlStreamWriter &xml, const XMPPDataForm::Field &field, const QStringList &values)
{
    xml.writeStartElement(QStringLiteral("field"));
    xml.writeAttribute(QStringLiteral("var"), xmlSafe(field.var));
    xml.writeAttribute(QStringLiteral("type"), XMPPDataForm::fieldTypeName(field.type));
    for (const QString &value : values)
        xml.writeTextElement(QStringLiteral("value"), xmlSafe(value));
    xml.writeEndElement();
}

} // namespace

std::unique_ptr<IqSearch> IqSearch::read(const XmlElement &query)
{
    auto iq = std::make_unique<IqSearch>();
    try {
        iq->readQuery(query);
    } catch (const MalformedSearch &malformed) {
        qWarning() << "Unreadable search reply:" << malformed.reason;
        iq->m_form.reset();
        iq->m_report.reset();
        iq->m_malformed = true;
    }
    return iq;
}

void IqSearch::readQuery(const XmlElement &query)
{
    const XmlElement x = firstChildElementNS(query, QStringLiteral("x"), ns::DataForms);
    if (!x.isNull()) {
        m_form.emplace(XMPPDataForm::XData);
        const QString type = x.attribute(QStringLiteral("type"));
        if (type == QLatin1String("form")) {
            parseDataForm(x);
        } else if (type == QLatin1String("result")) {
            parseDataForm(x);
            parseReport(x);
        } else {
            throw MalformedSearch{"a data form of an unknown type"};
        }
        return;
    }
    m_form.emplace(XMPPDataForm::PlainSearch);
    if (!firstChildElementNS(query, QStringLiteral("item"), ns::Search).isNull())
        parsePlainResult(query);
    else
        parsePlainForm(query);
}

void IqSearch::parseDataForm(const XmlElement &x)
{
    const XmlElement title = firstChildNamed(x, QStringLiteral("title"));
    if (!title.isNull())
        m_form->setTitle(title.text());
    const XmlElement instructions = firstChildNamed(x, QStringLiteral("instructions"));
    if (!instructions.isNull())
        m_form->setInstructions(instructions.text());
    for (XmlElement field = firstChildElementNS(x, QStringLiteral("field"), ns::DataForms); !field.isNull();
         field = nextSiblingElementNS(field, QStringLiteral("field"), ns::DataForms))
        m_form->addField(parseField(field));
}

XMPPDataForm::Field IqSearch::parseField(const XmlElement &element) const
{
    const XMPPDataForm::FieldType type =
        XMPPDataForm::fieldTypeFromName(element.attribute(QStringLiteral("type")));
    QList<XMPPDataForm::Option> options;
    if (type == XMPPDataForm::ListSingle || type == XMPPDataForm::ListMulti) {
        for (const XmlElement &option : childrenNamed(element, QStringLiteral("option"))) {
            const XmlElement value = firstChildNamed(option, QStringLiteral("value"));
            if (option.attribute(QStringLiteral("label")).isNull() || value.isNull())
                throw MalformedSearch{"an option without label or value"};
            options.append({option.attribute(QStringLiteral("label")), value.text()});
        }
    }
    XMPPDataForm::Field field(type, element.attribute(QStringLiteral("var")),
                              element.attribute(QStringLiteral("label")), options);

    const QList<XmlElement> values = childrenNamed(element, QStringLiteral("value"));
    switch (type) {
    case XMPPDataForm::Boolean:
        if (!values.isEmpty())
            field.value = booleanFromText(values.first().text());
        break;
    case XMPPDataForm::JidSingle:
        if (!values.isEmpty())
            field.value = jidFromText(values.first().text());
        break;
    case XMPPDataForm::JidMulti: {
        QList<XMPPJid> jids;
        for (const XmlElement &value : values)
            jids.append(jidFromText(value.text()));
        field.value = jids;
        break;
    }
    case XMPPDataForm::ListMulti:
    case XMPPDataForm::TextMulti: {
        QStringList texts;
        for (const XmlElement &value : values)
            texts.append(value.text());
        field.value = texts;
        break;
    }
    default:
        if (!values.isEmpty())
            field.value = values.first().text();
        break;
    }
    field.required = !firstChildNamed(element, QStringLiteral("required")).isNull();
    field.desc = childText(element, QStringLiteral("desc"));
    return field;
}

void IqSearch::parseReport(const XmlElement &x)
{
    m_report.emplace();
    QSet<QString> seen;
    const XmlElement reported = firstChildNamed(x, QStringLiteral("reported"));
    if (!reported.isNull()) {
        for (const XmlElement &field : childrenNamed(reported, QStringLiteral("field"))) {
            const QString var = field.attribute(QStringLiteral("var"));
            if (var.isNull())
                throw MalformedSearch{"a reported field without var"};
            m_report->addColumn(var, field.attribute(QStringLiteral("label")));
            seen.insert(var);
        }
    }
    for (const XmlElement &item : childrenNamed(x, QStringLiteral("item"))) {
        XMPPDataReport::Row row;
        for (const XmlElement &field : childrenNamed(item, QStringLiteral("field"))) {
            const QString var = field.attribute(QStringLiteral("var"));
            if (var.isNull())
                throw MalformedSearch{"an item field without var"};
            const XmlElement value = firstChildNamed(field, QStringLiteral("value"));
            if (value.isNull())
                continue;
            const QString text = value.text();
            row.insert(var, text);
            if (!text.isEmpty() && !seen.contains(var)) {
                m_report->addColumn(var, QString());
                seen.insert(var);
            }
        }
        m_report->addRow(row);
    }
}

void IqSearch::parsePlainForm(const XmlElement &query)
{
    const XmlElement instructions = firstChildNamed(query, QStringLiteral("instructions"));
    if (!instructions.isNull())
        m_form->setInstructions(instructions.text());
    for (const PlainField &plain : PlainFields) {
        if (!firstChildNamed(query, QLatin1String(plain.var)).isNull())
            m_form->addField(XMPPDataForm::Field(XMPPDataForm::TextSingle, QLatin1String(plain.var),
                                                 QLatin1String(plain.label)));
    }
}

void IqSearch::parsePlainResult(const XmlElement &query)
{
    m_report.emplace();
    m_report->addColumn(QStringLiteral("jid"), QString());
    QSet<QString> seen;
    for (const XmlElement &item : childrenNamed(query, QStringLiteral("item"))) {
        const QString jid = item.attribute(QStringLiteral("jid"));
        if (jid.isNull())
            throw MalformedSearch{"an item without jid"};
        XMPPDataReport::Row row;
        row.insert(QStringLiteral("jid"), jid);
        for (const PlainField &plain : PlainFields) {
            const QString var = QLatin1String(plain.var);
            const XmlElement child = firstChildNamed(item, var);
            if (child.isNull())
                continue;
            const QString text = child.text();
            row.insert(var, text);
            if (!text.isEmpty() && !seen.contains(var)) {
                m_report->addColumn(var, QLatin1String(plain.label));
                seen.insert(var);
            }
        }
        m_report->addRow(row);
    }
}

void IqSearch::writeQuery(QXmlStreamWriter &xml) const
{
    if (type == QLatin1String("get")) {
        xml.writeEmptyElement(QStringLiteral("query"));
        xml.writeDefaultNamespace(ns::Search);
        return;
    }
    if (type != QLatin1String("set") || !m_form)
        return;
    xml.writeStartElement(QStringLiteral("query"));
    xml.writeDefaultNamespace(ns::Search);
    if (m_form->kind() == XMPPDataForm::XData)
        writeDataFormSubmit(xml);
    else
        writePlainSubmit(xml);
    xml.writeEndElement();
}

void IqSearch::writePlainSubmit(QXmlStreamWriter &xml) const
{
    for (const PlainField &plain : PlainFields) {
        const QString var = QLatin1String(plain.var);
        if (!m_form->hasField(var))
            continue;
        const auto *text = std::get_if<QString>(&m_form->fields().at(m_form->fieldIndex(var)).value);
        if (text && !text->isEmpty())
            xml.writeTextElement(var, xmlSafe(*text));
    }
}

void IqSearch::writeDataFormSubmit(QXmlStreamWriter &xml) const
{
    xml.writeStartElement(QStringLiteral("x"));
    xml.writeDefaultNamespace(ns::DataForms);
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("submit"));
    for (const XMPPDataForm::Field &field : m_form->fields()) {
        if (field.value.index() != XMPPDataForm::defaultValue(field.type).index()) {
            qWarning() << "Search form field" << field.var << "holds a value of another type; not sent";
            continue;
        }
        switch (field.type) {
        case XMPPDataForm::Boolean:
            writeField(xml, field, {std::get<bool>(field.value) ? QStringLiteral("1") : QStringLiteral("0")});
            break;
        case XMPPDataForm::Fixed:
            break;
        case XMPPDataForm::Hidden:
            writeField(xml, field, {std::get<QString>(field.value)});
            break;
        case XMPPDataForm::JidSingle: {
            const XMPPJid &jid = std::get<XMPPJid>(field.value);
            if (!jid.toString().isNull())
                writeField(xml, field, {jid.toString()});
            break;
        }
        case XMPPDataForm::JidMulti: {
            QStringList texts;
            for (const XMPPJid &jid : std::get<QList<XMPPJid>>(field.value))
                texts.append(jid.toString());
            if (!texts.isEmpty())
                writeField(xml, field, texts);
            break;
        }
        case XMPPDataForm::ListMulti:
        case XMPPDataForm::TextMulti: {
            const QStringList &texts = std::get<QStringList>(field.value);
            if (!texts.isEmpty())
                writeField(xml, field, texts);
            break;
        }
        default: {
            const QString &text = std::get<QString>(field.value);
            if (!text.isEmpty())
                writeField(xml, field, {text});
            break;
        }
        }
    }
    xml.writeEndElement();
}

} // namespace xmpp
