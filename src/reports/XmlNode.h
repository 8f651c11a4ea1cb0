#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamAttributes>
#include <QXmlStreamNamespaceDeclarations>
#include <optional>
#include <vector>

// A small XML tree read with QXmlStreamReader and written back with
// QXmlStreamWriter. Every text node is kept, whitespace-only ones included,
// so a document filled through it keeps the spacing its author gave it.
// Names are kept as written (prefix:local), with the namespace declarations
// of each element, so the file comes back with the same prefixes.
struct XmlNode {
    enum class Kind { Element, Text, Comment };

    Kind kind = Kind::Element;
    QString name;
    QString text;
    QXmlStreamNamespaceDeclarations namespaces;
    QXmlStreamAttributes attributes;
    std::vector<XmlNode> children;

    static XmlNode element(const QString& name) { return XmlNode{Kind::Element, name, {}, {}, {}, {}}; }
    static XmlNode textNode(const QString& text) { return XmlNode{Kind::Text, {}, text, {}, {}, {}}; }

    // The document's root element, or nothing with the reader's complaint.
    static std::optional<XmlNode> parse(const QByteArray& xml, QString* error);
    QByteArray serialize() const;

    bool isElement(const QString& qualifiedName) const { return kind == Kind::Element && name == qualifiedName; }
    QString attribute(const QString& qualifiedName) const;
    void setAttribute(const QString& qualifiedName, const QString& value);
    void removeAttribute(const QString& qualifiedName);
};
