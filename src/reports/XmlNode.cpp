#include "XmlNode.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

void write(QXmlStreamWriter& writer, const XmlNode& node)
{
    switch (node.kind) {
    case XmlNode::Kind::Text:
        writer.writeCharacters(node.text);
        return;
    case XmlNode::Kind::Comment:
        writer.writeComment(node.text);
        return;
    case XmlNode::Kind::Element:
        break;
    }
    writer.writeStartElement(node.name);
    for (const auto& declaration : node.namespaces) {
        const QString prefix = declaration.prefix().toString();
        writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : "xmlns:" + prefix,
                              declaration.namespaceUri().toString());
    }
    for (const auto& attribute : node.attributes)
        writer.writeAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
    for (const auto& child : node.children)
        write(writer, child);
    writer.writeEndElement();
}

}

std::optional<XmlNode> XmlNode::parse(const QByteArray& xml, QString* error)
{
    QXmlStreamReader reader(xml);
    std::vector<XmlNode> open;
    std::optional<XmlNode> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlNode node = element(reader.qualifiedName().toString());
            node.namespaces = reader.namespaceDeclarations();
            node.attributes = reader.attributes();
            open.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::EndElement: {
            XmlNode done = std::move(open.back());
            open.pop_back();
            if (open.empty())
                root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back().children.push_back(textNode(reader.text().toString()));
            break;
        case QXmlStreamReader::Comment:
            if (!open.empty())
                open.back().children.push_back(XmlNode{Kind::Comment, {}, reader.text().toString(), {}, {}, {}});
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root) {
        if (error)
            *error = reader.errorString();
        return std::nullopt;
    }
    return root;
}

QByteArray XmlNode::serialize() const
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(false);
    writer.writeStartDocument();
    write(writer, *this);
    writer.writeEndDocument();
    return out;
}

QString XmlNode::attribute(const QString& qualifiedName) const
{
    for (const auto& attribute : attributes)
        if (attribute.qualifiedName() == qualifiedName)
            return attribute.value().toString();
    return {};
}

void XmlNode::setAttribute(const QString& qualifiedName, const QString& value)
{
    removeAttribute(qualifiedName);
    attributes.append(qualifiedName, value);
}

void XmlNode::removeAttribute(const QString& qualifiedName)
{
    attributes.removeIf([&](const QXmlStreamAttribute& a) { return a.qualifiedName() == qualifiedName; });
}
