#include "chat/xmpp/XmlElement.h"

namespace xmpp {

int XmlTree::addElement(int parent, const QString &namespaceURI, const QString &qualifiedName,
                        const QString &localName)
{
    const int index = int(m_nodes.size());
    Node node;
    node.namespaceURI = namespaceURI;
    node.qualifiedName = qualifiedName;
    node.localName = localName;
    node.parent = parent;
    m_nodes.push_back(std::move(node));
    if (parent >= 0) {
        Node &up = m_nodes[size_t(parent)];
        if (up.lastChild >= 0)
            m_nodes[size_t(up.lastChild)].nextSibling = index;
        else
            up.firstChild = index;
        up.lastChild = index;
        ++up.childCount;
    }
    return index;
}

void XmlTree::addAttribute(int element, Attribute attribute)
{
    m_nodes[size_t(element)].attributes.append(std::move(attribute));
}

void XmlTree::addText(int element, const QString &text)
{
    Node &node = m_nodes[size_t(element)];
    while (node.textParts.size() < node.childCount + 1)
        node.textParts.append(QString());
    QString &part = node.textParts[node.childCount];
    if (part.isEmpty())
        part = text;
    else
        part += text;
}

void XmlTree::appendText(int index, QString &result) const
{
    const Node &node = m_nodes[size_t(index)];
    int k = 0;
    if (!node.textParts.isEmpty())
        result += node.textParts.at(0);
    for (int child = node.firstChild; child >= 0; child = m_nodes[size_t(child)].nextSibling) {
        appendText(child, result);
        ++k;
        if (k < node.textParts.size())
            result += node.textParts.at(k);
    }
}

QString XmlElement::namespaceURI() const
{
    return m_tree ? m_tree->node(m_index).namespaceURI : QString();
}

QString XmlElement::localName() const
{
    return m_tree ? m_tree->node(m_index).localName : QString();
}

QString XmlElement::attribute(QStringView name, const QString &defaultValue) const
{
    if (!m_tree)
        return defaultValue;
    for (const XmlTree::Attribute &attribute : m_tree->node(m_index).attributes) {
        if (attribute.name == name)
            return attribute.value;
    }
    return defaultValue;
}

QString XmlElement::text() const
{
    if (!m_tree)
        return QString();
    const XmlTree::Node &node = m_tree->node(m_index);
    if (node.firstChild < 0)
        return node.textParts.isEmpty() ? QString() : node.textParts.at(0);
    QString result;
    m_tree->appendText(m_index, result);
    return result;
}

XmlElement XmlElement::firstChildElement() const
{
    if (!m_tree || m_tree->node(m_index).firstChild < 0)
        return XmlElement();
    return XmlElement(m_tree, m_tree->node(m_index).firstChild);
}

XmlElement XmlElement::nextSiblingElement() const
{
    if (!m_tree || m_tree->node(m_index).nextSibling < 0)
        return XmlElement();
    return XmlElement(m_tree, m_tree->node(m_index).nextSibling);
}

XmlElement XmlElement::firstDescendant(QStringView localName, QStringView namespaceURI) const
{
    for (XmlElement child = firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.localName() == localName && child.namespaceURI() == namespaceURI)
            return child;
        const XmlElement below = child.firstDescendant(localName, namespaceURI);
        if (!below.isNull())
            return below;
    }
    return XmlElement();
}

QList<XmlElement> XmlElement::descendants(QStringView localName, QStringView namespaceURI) const
{
    QList<XmlElement> found;
    for (XmlElement child = firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.localName() == localName && child.namespaceURI() == namespaceURI)
            found.append(child);
        found.append(child.descendants(localName, namespaceURI));
    }
    return found;
}

} // namespace xmpp
