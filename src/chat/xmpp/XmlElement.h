#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

namespace xmpp {

class XmlTree;

// A read-only handle on one element of a received top-level element, valid while the
// parser hands that element to the readers. A default handle is null.
class XmlElement
{
public:
    XmlElement() = default;

    bool isNull() const { return m_tree == nullptr; }
    QString namespaceURI() const;
    QString localName() const;
    // The attribute by its plain name ("xml:lang" is found as "lang" too).
    QString attribute(QStringView name, const QString &defaultValue = QString()) const;
    // All text inside the element, its descendants' included, in document order.
    QString text() const;

    XmlElement firstChildElement() const;
    XmlElement nextSiblingElement() const;
    // The first element with this local name and namespace at any depth below.
    XmlElement firstDescendant(QStringView localName, QStringView namespaceURI) const;
    // All elements with this local name and namespace at any depth below, in document order.
    QList<XmlElement> descendants(QStringView localName, QStringView namespaceURI) const;

    bool operator==(const XmlElement &other) const
    {
        return m_tree == other.m_tree && m_index == other.m_index;
    }

private:
    friend class XmlTree;
    XmlElement(const XmlTree *tree, int index) : m_tree(tree), m_index(index) {}

    const XmlTree *m_tree = nullptr;
    int m_index = -1;
};

// The nodes of one top-level element under construction. Names and namespaces are
// shared strings, so building a tree allocates little beyond the values and texts.
class XmlTree
{
public:
    struct Attribute
    {
        QString namespaceURI;
        QString qualifiedName;
        QString name;
        QString value;
    };

    struct Node
    {
        QString namespaceURI;
        QString qualifiedName;
        QString localName;
        QList<Attribute> attributes;
        // Text in document order; child k's text goes after textParts[k].
        QList<QString> textParts;
        int parent = -1;
        int firstChild = -1;
        int lastChild = -1;
        int nextSibling = -1;
        int childCount = 0;
    };

    void clear() { m_nodes.clear(); }
    // Adds an element under the parent (-1 for the root) and returns its index.
    int addElement(int parent, const QString &namespaceURI, const QString &qualifiedName,
                   const QString &localName);
    void reserveAttributes(int element, qsizetype count) { m_nodes[size_t(element)].attributes.reserve(count); }
    void addAttribute(int element, Attribute attribute);
    void addText(int element, const QString &text);
    int parentOf(int element) const { return m_nodes[size_t(element)].parent; }
    XmlElement element(int index) const { return XmlElement(this, index); }
    const Node &node(int index) const { return m_nodes[size_t(index)]; }

private:
    void appendText(int index, QString &result) const;

    friend class XmlElement;
    std::vector<Node> m_nodes;
};

} // namespace xmpp
