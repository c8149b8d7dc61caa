#include "core/map/NetworkMapExport.h"

#include "core/map/NetworkMap.h"
#include "core/text/CodePage.h"

#include <QString>
#include <QXmlStreamWriter>

namespace Quor {

namespace {

std::string Utf8(const std::string& pageText) {
    return FromPageText(pageText).toStdString();
}

std::string Label(const TMapNode& node) {
    std::string label = Utf8(node.Word.Word);
    if (!node.Word.MoreInfo.empty())
        label += " (" + Utf8(node.Word.MoreInfo) + ")";
    return label;
}

// A DOT double-quoted string.
std::string DotString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n' || c == '\r')
            quoted += ' ';
        else
            quoted += c;
    }
    return quoted + "\"";
}

const char* DotStyle(TMapRelation relation) {
    switch (relation) {
    case TMapRelation::Absolute:
        return "solid";
    case TMapRelation::Relative:
        return "dashed";
    case TMapRelation::Homonym:
        return "dotted";
    }
    return "solid";
}

// A CSV field, quoted when it holds a separator, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// A word, its qualifier and its language as three CSV fields.
std::string CsvWordFields(const TMapNode& node) {
    return CsvField(Utf8(node.Word.Word)) + "," + CsvField(Utf8(node.Word.MoreInfo)) + "," +
           CsvField(Utf8(node.LangCode));
}

// The text with every character that XML 1.0 does not allow (the control characters other than
// tab and the line ends) replaced by U+FFFD, so that XML readers take the file.
QString XmlText(QString text) {
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r') || code == 0xFFFE ||
            code == 0xFFFF)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

std::string NetworkMapDot(const TNetworkMap& map) {
    std::string dot = "graph \"network map\" {\n";
    for (std::size_t i = 0; i < map.Nodes.size(); ++i)
        dot += "  n" + std::to_string(i) + " [label=" + DotString(Label(map.Nodes[i])) + "];\n";
    for (const TMapEdge& edge : map.Edges)
        dot += "  n" + std::to_string(edge.From) + " -- n" + std::to_string(edge.To) +
               " [relation=" + RelationName(edge.Relation) + ", style=" + DotStyle(edge.Relation) +
               "];\n";
    return dot + "}\n";
}

std::string NetworkMapGraphMl(const TNetworkMap& map) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("graphml"));
    writer.writeDefaultNamespace(QStringLiteral("http://graphml.graphdrawing.org/xmlns"));
    const auto key = [&writer](const char* id, const char* domain, const char* type = "string") {
        writer.writeStartElement(QStringLiteral("key"));
        writer.writeAttribute(QStringLiteral("id"), QLatin1String(id));
        writer.writeAttribute(QStringLiteral("for"), QLatin1String(domain));
        writer.writeAttribute(QStringLiteral("attr.name"), QLatin1String(id));
        writer.writeAttribute(QStringLiteral("attr.type"), QLatin1String(type));
        writer.writeEndElement();
    };
    key("word", "node");
    key("qualifier", "node");
    key("language", "node");
    key("wordId", "node", "int");
    key("relation", "edge");
    writer.writeStartElement(QStringLiteral("graph"));
    writer.writeAttribute(QStringLiteral("edgedefault"), QStringLiteral("undirected"));
    const auto data = [&writer](const char* name, const QString& value) {
        writer.writeStartElement(QStringLiteral("data"));
        writer.writeAttribute(QStringLiteral("key"), QLatin1String(name));
        writer.writeCharacters(XmlText(value));
        writer.writeEndElement();
    };
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        const TMapNode& node = map.Nodes[i];
        writer.writeStartElement(QStringLiteral("node"));
        writer.writeAttribute(QStringLiteral("id"), QStringLiteral("n%1").arg(i));
        data("word", FromPageText(node.Word.Word));
        data("qualifier", FromPageText(node.Word.MoreInfo));
        data("language", FromPageText(node.LangCode));
        data("wordId", QString::number(node.Word.Id));
        writer.writeEndElement();
    }
    for (const TMapEdge& edge : map.Edges) {
        writer.writeStartElement(QStringLiteral("edge"));
        writer.writeAttribute(QStringLiteral("source"), QStringLiteral("n%1").arg(edge.From));
        writer.writeAttribute(QStringLiteral("target"), QStringLiteral("n%1").arg(edge.To));
        data("relation", QLatin1String(RelationName(edge.Relation)));
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return xml.toStdString();
}

std::string NetworkMapCsv(const TNetworkMap& map) {
    std::string csv = "word,qualifier,language,relation,other word,other qualifier,other "
                      "language,word id,other word id\r\n";
    for (const TMapEdge& edge : map.Edges) {
        const TMapNode& from = map.Nodes[edge.From];
        const TMapNode& to = map.Nodes[edge.To];
        csv += CsvWordFields(from) + "," + RelationName(edge.Relation) + "," + CsvWordFields(to) +
               "," + std::to_string(from.Word.Id) + "," + std::to_string(to.Word.Id) + "\r\n";
    }
    return csv;
}

} // namespace Quor
