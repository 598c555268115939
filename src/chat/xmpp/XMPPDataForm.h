#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <variant>

#include "chat/xmpp/XMPPJid.h"

// A form of the chat service ("jabber:x:data", or the plain fields of a user search):
// typed fields in order, each with a value of the kind its type names.
class XMPPDataForm
{
public:
    enum Kind { PlainSearch = 0, XData = 1 };
    enum FieldType {
        Boolean = 0,
        Fixed = 1,
        Hidden = 2,
        JidSingle = 3,
        JidMulti = 4,
        ListSingle = 5,
        ListMulti = 6,
        TextSingle = 7,
        TextMulti = 8,
        TextPrivate = 9,
    };
    using FieldValue = std::variant<bool, QString, QStringList, XMPPJid, QList<XMPPJid>>;

    struct Option
    {
        QString label;
        QString value;
    };

    struct Field
    {
        Field(FieldType type, const QString &var, const QString &label,
              const QList<Option> &options = {});

        FieldType type;
        QString var;
        QString label;
        QString desc;
        bool required = false;
        FieldValue value;
        QList<Option> options;
    };

    explicit XMPPDataForm(Kind kind = XData) : m_kind(kind) {}

    Kind kind() const { return m_kind; }
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    const QString &instructions() const { return m_instructions; }
    void setInstructions(const QString &instructions) { m_instructions = instructions; }

    void addField(const Field &field);
    const QStringList &fieldNames() const { return m_fieldNames; }
    const QList<Field> &fields() const { return m_fields; }
    Field &field(int position) { return m_fields[position]; }
    bool hasField(const QString &var) const { return m_fieldIndex.contains(var); }
    // The position of the field of this var; of the last one when several share it.
    int fieldIndex(const QString &var) const { return m_fieldIndex.value(var, -1); }

    // The wire name of a type; the code of a wire name, text-single for an unknown one.
    static QString fieldTypeName(FieldType type);
    static FieldType fieldTypeFromName(const QString &name);
    static FieldValue defaultValue(FieldType type);

private:
    Kind m_kind;
    QString m_title;
    QString m_instructions;
    QStringList m_fieldNames;
    QList<Field> m_fields;
    QMap<QString, int> m_fieldIndex;
};

// The table of a search result: column keys in order, their labels and a row per item.
class XMPPDataReport
{
public:
    using Row = QMap<QString, QString>;

    // An empty label leaves an earlier label of that column in place.
    void addColumn(const QString &var, const QString &label);
    void addRow(const Row &row) { m_rows.append(row); }

    const QStringList &columns() const { return m_columns; }
    const QMap<QString, QString> &labels() const { return m_labels; }
    const QList<Row> &rows() const { return m_rows; }

private:
    QStringList m_columns;
    QMap<QString, QString> m_labels;
    QList<Row> m_rows;
};

Q_DECLARE_METATYPE(XMPPDataForm)
Q_DECLARE_METATYPE(XMPPDataReport)
