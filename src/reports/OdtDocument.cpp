#include "OdtDocument.h"

#include "reports/OdtPackage.h"

#include <algorithm>
#include <functional>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSet>

namespace {

const QString UserField = QStringLiteral("text:user-field-get");
const QString Frame = QStringLiteral("draw:frame");
const QString Image = QStringLiteral("draw:image");
const QString Href = QStringLiteral("xlink:href");
const QString MergeBreakStyle = QStringLiteral("IjarMergeBreak");

// Text as ODF paragraphs hold it: line breaks, tabs and runs of spaces are
// elements, since plain whitespace collapses.
std::vector<XmlNode> paragraphContent(const QString& value)
{
    std::vector<XmlNode> nodes;
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty())
            nodes.push_back(XmlNode::textNode(run));
        run.clear();
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == '\n' || c == '\t') {
            flush();
            nodes.push_back(XmlNode::element(c == '\n' ? "text:line-break" : "text:tab"));
        } else if (c == ' ' && i + 1 < value.size() && value.at(i + 1) == ' ') {
            run += c;
            flush();
            qsizetype extra = 0;
            while (i + 1 < value.size() && value.at(i + 1) == ' ') {
                ++extra;
                ++i;
            }
            XmlNode spaces = XmlNode::element("text:s");
            spaces.setAttribute("text:c", QString::number(extra));
            nodes.push_back(std::move(spaces));
        } else {
            run += c;
        }
    }
    flush();
    return nodes;
}

int fillFields(XmlNode& node, const ReportRows& data, const QStringList& row)
{
    int filled = 0;
    std::vector<XmlNode> children;
    for (auto& child : node.children) {
        if (child.isElement(UserField)) {
            const QString name = child.attribute("text:name");
            const auto match = std::find_if(data.columns.cbegin(), data.columns.cend(), [&](const QString& c) {
                return c.compare(name, Qt::CaseInsensitive) == 0;
            });
            const qsizetype column = match == data.columns.cend() ? -1 : match - data.columns.cbegin();
            if (column >= 0) {
                for (auto& part : paragraphContent(row.value(column)))
                    children.push_back(std::move(part));
                ++filled;
                continue;
            }
        }
        filled += fillFields(child, data, row);
        children.push_back(std::move(child));
    }
    node.children = std::move(children);
    return filled;
}

XmlNode* findTable(XmlNode& node, const QString& name)
{
    if (node.isElement("table:table") && node.attribute("table:name").compare(name, Qt::CaseInsensitive) == 0)
        return &node;
    for (auto& child : node.children)
        if (XmlNode* found = findTable(child, name))
            return found;
    return nullptr;
}

XmlNode* findElement(XmlNode& node, const QString& name)
{
    for (auto& child : node.children)
        if (child.isElement(name))
            return &child;
    return nullptr;
}

void fillCell(XmlNode& cell, const QString& value)
{
    if (!cell.attribute("office:value-type").isEmpty()) {
        cell.setAttribute("office:value-type", "string");
        cell.removeAttribute("office:value");
    }
    XmlNode paragraph = XmlNode::element("text:p");
    if (const XmlNode* first = findElement(cell, "text:p"))
        paragraph.attributes = first->attributes;
    paragraph.children = paragraphContent(value);
    cell.children.clear();
    cell.children.push_back(std::move(paragraph));
}

XmlNode filledRow(const XmlNode& templateRow, const QStringList& values)
{
    XmlNode row = templateRow;
    int column = 0;
    for (auto& cell : row.children) {
        if (cell.kind != XmlNode::Kind::Element)
            continue;
        if (cell.name == "table:table-cell")
            fillCell(cell, values.value(column));
        if (cell.name == "table:table-cell" || cell.name == "table:covered-table-cell")
            ++column;
    }
    return row;
}

// Body children that hold declarations rather than text: kept once, ahead of
// the merged copies.
bool isDeclaration(const XmlNode& node)
{
    static const QSet<QString> names{"text:variable-decls", "text:sequence-decls",  "text:user-field-decls",
                                     "text:dde-connection-decls", "office:forms",   "text:tracked-changes",
                                     "table:calculation-settings"};
    return node.kind == XmlNode::Kind::Element && names.contains(node.name);
}

void addMergeBreakStyle(XmlNode& root)
{
    XmlNode* styles = findElement(root, "office:automatic-styles");
    if (!styles) {
        auto body = std::find_if(root.children.begin(), root.children.end(),
                                 [](const XmlNode& n) { return n.isElement("office:body"); });
        styles = &*root.children.insert(body, XmlNode::element("office:automatic-styles"));
    }
    XmlNode style = XmlNode::element("style:style");
    style.setAttribute("style:name", MergeBreakStyle);
    style.setAttribute("style:family", "paragraph");
    XmlNode properties = XmlNode::element("style:paragraph-properties");
    properties.setAttribute("fo:break-before", "page");
    style.children.push_back(std::move(properties));
    styles->children.push_back(std::move(style));
}

void collectText(const XmlNode& node, QString& out, bool inParagraph)
{
    if (node.kind == XmlNode::Kind::Text) {
        if (inParagraph)
            out += node.text;
        return;
    }
    if (node.kind != XmlNode::Kind::Element)
        return;
    if (node.name == "text:tab")
        out += '\t';
    else if (node.name == "text:line-break")
        out += '\n';
    else if (node.name == "text:s")
        out += QString(qMax(1, node.attribute("text:c").toInt()), ' ');
    const bool paragraph = node.name == "text:p" || node.name == "text:h";
    for (const auto& child : node.children)
        collectText(child, out, inParagraph || paragraph);
    if (paragraph && !inParagraph)
        out += '\n';
}


void collectFrames(XmlNode& node, QList<XmlNode*>& frames)
{
    if (node.isElement(Frame))
        frames.append(&node);
    for (auto& child : node.children)
        collectFrames(child, frames);
}

XmlNode* imageOf(XmlNode& frame)
{
    for (auto& child : frame.children)
        if (child.isElement(Image))
            return &child;
    return nullptr;
}

// A picture frame the report gave no picture: its image has no file.
bool isEmptyPictureFrame(XmlNode& node)
{
    if (!node.isElement(Frame))
        return false;
    const XmlNode* image = imageOf(node);
    const bool otherContent = std::any_of(node.children.cbegin(), node.children.cend(), [](const XmlNode& c) {
        return c.kind == XmlNode::Kind::Element && c.name != Image && c.name != QLatin1String("svg:title")
               && c.name != QLatin1String("svg:desc");
    });
    return !otherContent && (!image || image->attribute(Href).isEmpty());
}

void removeEmptyFrames(XmlNode& node)
{
    node.children.erase(std::remove_if(node.children.begin(), node.children.end(), isEmptyPictureFrame),
                        node.children.end());
    for (auto& child : node.children)
        removeEmptyFrames(child);
}

}

std::optional<OdtDocument> OdtDocument::open(const QString& templatePath, QString* error)
{
    QString reason;
    const auto xml = OdtPackage::read(templatePath, QStringLiteral("content.xml"), &reason);
    auto content = xml ? XmlNode::parse(*xml, &reason) : std::nullopt;
    if (!content) {
        if (error)
            *error = reason;
        return std::nullopt;
    }
    return OdtDocument(templatePath, std::move(*content));
}

int OdtDocument::fillPlaces(const ReportRows& data)
{
    return fillFields(m_content, data, data.rows.value(0));
}

QString OdtDocument::setPicture(const QString& frameName, const QByteArray& image)
{
    QBuffer buffer;
    buffer.setData(image);
    buffer.open(QIODevice::ReadOnly);
    const QString format = QString::fromLatin1(QImageReader::imageFormat(&buffer));
    if (format.isEmpty())
        return {};
    const QString suffix = format == QLatin1String("jpeg") ? QStringLiteral("jpg") : format;
    QList<XmlNode*> frames;
    collectFrames(m_content, frames);
    QString placed;
    for (XmlNode* frame : frames) {
        if (frame->attribute(QStringLiteral("draw:name")).compare(frameName, Qt::CaseInsensitive) != 0)
            continue;
        XmlNode* target = imageOf(*frame);
        if (!target) {
            frame->children.push_back(XmlNode::element(Image));
            target = &frame->children.back();
        }
        const QString path = QStringLiteral("Pictures/%1-%2.%3").arg(frameName).arg(m_pictures.size()).arg(suffix);
        target->setAttribute(Href, path);
        target->setAttribute(QStringLiteral("xlink:type"), QStringLiteral("simple"));
        target->setAttribute(QStringLiteral("xlink:show"), QStringLiteral("embed"));
        target->setAttribute(QStringLiteral("xlink:actuate"), QStringLiteral("onLoad"));
        m_pictures.append({path, image});
        placed = suffix;
    }
    return placed;
}

QStringList OdtDocument::frameNames() const
{
    QStringList names;
    const std::function<void(const XmlNode&)> visit = [&](const XmlNode& node) {
        if (node.isElement(Frame))
            names.append(node.attribute(QStringLiteral("draw:name")));
        for (const auto& child : node.children)
            visit(child);
    };
    visit(m_content);
    return names;
}

bool OdtDocument::addPictureFrame(const QString& name, const QString& width, const QString& height)
{
    XmlNode* body = findElement(m_content, "office:body");
    XmlNode* text = body ? findElement(*body, "office:text") : nullptr;
    if (!text)
        return false;
    // A template written by hand may not declare what a frame needs.
    for (const auto& [prefix, uri] : {std::pair{"draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
                                      std::pair{"svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
                                      std::pair{"xlink", "http://www.w3.org/1999/xlink"}}) {
        const auto& declared = m_content.namespaces;
        const QLatin1String wanted(prefix);
        if (std::none_of(declared.cbegin(), declared.cend(), [&wanted](const auto& d) { return d.prefix() == wanted; }))
            m_content.namespaces.append(QXmlStreamNamespaceDeclaration(QLatin1String(prefix), QLatin1String(uri)));
    }
    XmlNode frame = XmlNode::element(Frame);
    frame.setAttribute(QStringLiteral("draw:name"), name);
    frame.setAttribute(QStringLiteral("text:anchor-type"), QStringLiteral("as-char"));
    frame.setAttribute(QStringLiteral("svg:width"), width);
    frame.setAttribute(QStringLiteral("svg:height"), height);
    frame.children.push_back(XmlNode::element(Image));
    XmlNode paragraph = XmlNode::element(QStringLiteral("text:p"));
    paragraph.children.push_back(std::move(frame));
    text->children.push_back(std::move(paragraph));
    return true;
}

bool OdtDocument::fillTable(int number, const ReportRows& data)
{
    XmlNode* table = findTable(m_content, "table" + QString::number(number));
    if (!table)
        return false;
    auto last = std::find_if(table->children.rbegin(), table->children.rend(),
                             [](const XmlNode& n) { return n.isElement("table:table-row"); });
    if (last == table->children.rend())
        return false;
    const XmlNode templateRow = *last;
    auto at = table->children.erase(std::next(last).base());
    for (const auto& values : data.rows)
        at = std::next(table->children.insert(at, filledRow(templateRow, values)));
    return true;
}

void OdtDocument::mailMerge(const ReportRows& data)
{
    XmlNode* body = findElement(m_content, "office:body");
    XmlNode* text = body ? findElement(*body, "office:text") : nullptr;
    if (!text)
        return;
    std::vector<XmlNode> kept;
    std::vector<XmlNode> page;
    for (auto& child : text->children)
        (isDeclaration(child) ? kept : page).push_back(std::move(child));
    for (qsizetype i = 0; i < data.rows.size(); ++i) {
        if (i > 0) {
            XmlNode pageBreak = XmlNode::element("text:p");
            pageBreak.setAttribute("text:style-name", MergeBreakStyle);
            kept.push_back(std::move(pageBreak));
        }
        XmlNode copy = XmlNode::element(text->name);
        copy.children = page;
        fillFields(copy, data, data.rows.at(i));
        for (auto& node : copy.children)
            kept.push_back(std::move(node));
    }
    text->children = std::move(kept);
    if (data.rows.size() > 1)
        addMergeBreakStyle(m_content);
}

QString OdtDocument::text() const
{
    QString out;
    collectText(m_content, out, false);
    return out;
}

bool OdtDocument::save(const QString& path, QString* error)
{
    if (QFile::exists(path) || !QFile::copy(m_templatePath, path)) {
        *error = QCoreApplication::translate("OdtDocument", "Cannot write %1").arg(path);
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    removeEmptyFrames(m_content);
    QList<OdtPackage::Entry> entries{{QStringLiteral("content.xml"), m_content.serialize()}};
    for (const auto& picture : m_pictures)
        entries.append({picture.first, picture.second});
    return OdtPackage::update(path, entries, error);
}
