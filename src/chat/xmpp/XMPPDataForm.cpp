#include "chat/xmpp/XMPPDataForm.h"

namespace {

const QStringList &typeNames()
{
    static const QStringList names = {
        QStringLiteral("boolean"),     QStringLiteral("fixed"),       QStringLiteral("hidden"),
        QStringLiteral("jid-single"),  QStringLiteral("jid-multi"),   QStringLiteral("list-single"),
        QStringLiteral("list-multi"),  QStringLiteral("text-single"), QStringLiteral("text-multi"),
        QStringLiteral("text-private"),
    };
    return names;
}

} // namespace

XMPPDataForm::Field::Field(FieldType type, const QString &var, const QString &label,
                           const QList<Option> &options)
    : type(type), var(var), label(label), value(defaultValue(type)), options(options)
{
}

void XMPPDataForm::addField(const Field &field)
{
    m_fieldNames.append(field.var);
    m_fieldIndex.insert(field.var, int(m_fields.size()));
    m_fields.append(field);
}

QString XMPPDataForm::fieldTypeName(FieldType type)
{
    return typeNames().value(type);
}

XMPPDataForm::FieldType XMPPDataForm::fieldTypeFromName(const QString &name)
{
    const qsizetype code = typeNames().indexOf(name);
    return code < 0 ? TextSingle : FieldType(code);
}

XMPPDataForm::FieldValue XMPPDataForm::defaultValue(FieldType type)
{
    switch (type) {
    case Boolean:
        return false;
    case JidSingle:
        return XMPPJid();
    case JidMulti:
        return QList<XMPPJid>();
    case ListMulti:
    case TextMulti:
        return QStringList();
    default:
        return QString();
    }
}

void XMPPDataReport::addColumn(const QString &var, const QString &label)
{
    m_columns.append(var);
    if (!label.isEmpty())
        m_labels.insert(var, label);
}
