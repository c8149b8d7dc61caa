// The word map's graph over the sample network: its words, relations and clusters, the cap of a
// map to depth 2, its layout, and its exports as other programs read them.
#include "TestSupport.h"
#include "core/map/NetworkMap.h"
#include "core/map/NetworkMapExport.h"
#include "core/map/NetworkMapFold.h"
#include "core/map/NetworkMapLayout.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

#include <graphviz/cgraph.h>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

using namespace Quor;

namespace {

QString Ids(std::vector<std::int32_t> ids) {
    std::sort(ids.begin(), ids.end());
    QStringList texts;
    for (const std::int32_t id : ids)
        texts << QString::number(id);
    return texts.join(u' ');
}

// The map as text: the words by id; each relation as kind:id-id, lower id first; each cluster
// as kind:ids.
QString Nodes(const TNetworkMap& map) {
    std::vector<std::int32_t> ids;
    for (const TMapNode& node : map.Nodes)
        ids.push_back(node.Word.Id);
    return Ids(ids);
}

QString Edges(const TNetworkMap& map) {
    QStringList edges;
    for (const TMapEdge& edge : map.Edges) {
        const std::int32_t a = map.Nodes[edge.From].Word.Id, b = map.Nodes[edge.To].Word.Id;
        edges << QStringLiteral("%1:%2-%3")
                     .arg(QLatin1Char(RelationName(edge.Relation)[0]))
                     .arg(std::min(a, b))
                     .arg(std::max(a, b));
    }
    edges.sort();
    return edges.join(u' ');
}

QString Clusters(const TNetworkMap& map) {
    QStringList clusters;
    for (const TMapCluster& cluster : map.Clusters) {
        std::vector<std::int32_t> ids;
        for (const std::size_t node : cluster.Nodes)
            ids.push_back(map.Nodes[node].Word.Id);
        clusters << QChar(QLatin1Char(RelationName(cluster.Relation)[0])).toUpper() +
                        QStringLiteral(":") + Ids(ids);
    }
    return clusters.join(QStringLiteral("; "));
}

// Points along a route of cubic Bézier pieces, close enough together that none passes over a
// word's box unseen.
std::vector<QPointF> RoutePoints(const std::vector<QPointF>& route) {
    constexpr int kSteps = 64;
    std::vector<QPointF> points;
    for (std::size_t i = 0; i + 3 < route.size(); i += 3)
        for (int step = 0; step <= kSteps; ++step) {
            const double t = static_cast<double>(step) / kSteps, u = 1 - t;
            points.push_back(route[i] * (u * u * u) + route[i + 1] * (3 * u * u * t) +
                             route[i + 2] * (3 * u * t * t) + route[i + 3] * (t * t * t));
        }
    return points;
}

// A box for a word of the map about as large as the window draws it.
QSizeF LabelSize(const TMapNode& node) {
    const QString label = FromPageText(node.Word.Word) + FromPageText(node.Word.MoreInfo);
    return {7.0 * static_cast<double>(label.size()) + 12, 20};
}

// The records of a CSV file as a spreadsheet reads them: fields end at a comma, records at a line
// end, either outside double quotes; two double quotes inside them are one.
QList<QStringList> CsvRecords(const std::string& utf8) {
    const QString csv = QString::fromUtf8(utf8);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        const bool doubled = i + 1 < csv.size() && csv[i + 1] == c;
        if (quoted && c == u'"' && doubled) {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (quoted || (c != u',' && c != u'\r' && c != u'\n')) {
            field += c;
        } else {
            record << std::exchange(field, {});
            if (c != u',')
                records << std::exchange(record, {});
            if (c == u'\r' && i + 1 < csv.size() && csv[i + 1] == u'\n')
                ++i;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        records << (record << field);
    return records;
}

} // namespace

class TestNetworkMap : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb, mBusyDb;
    std::unique_ptr<TQuorDataModule> mStore, mBusyStore;

private Q_SLOTS:
    void initTestCase() {
        const QByteArray sql = SampleNetworkSql();
        mDb = std::make_unique<TFixtureDatabase>(sql.constData());
        mDb->Close();
        mStore = std::make_unique<TQuorDataModule>(mDb->Path());
        mBusyDb = std::make_unique<TFixtureDatabase>();
        BusyNetwork::Fill(*mBusyDb);
        mBusyDb->Close();
        mBusyStore = std::make_unique<TQuorDataModule>(mBusyDb->Path());
    }

    void graph_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QString>("nodes");
        QTest::addColumn<QString>("edges");
        QTest::addColumn<QString>("clusters");
        QTest::addColumn<bool>("capped");
        // a: absolute, r: relative, h: homonym; A: the word's absolute synonyms, R: a group of its
        // relative synonyms.
        QTest::newRow("флашка: no relations") << 15 << 1 << 500 << "15"
                                              << ""
                                              << "" << false;
        QTest::newRow("шина (информатика): homonyms only, also of each other, one cluster")
            << 143 << 1 << 500 << "143 144 145"
            << "h:143-144 h:143-145 h:144-145"
            << "H:144 145" << false;
        QTest::newRow("накопитель: винчестер - жёсткий диск - НЖМД is no cluster of three")
            << 128 << 1 << 500 << "128 129 131 132"
            << "a:129-131 a:131-132 r:128-129 r:128-131 r:128-132"
            << "R:129 131" << false;
        QTest::newRow("компьютер: ЭВМ relative and absolute, one cluster with the word")
            << 113 << 1 << 500 << "113 114 115 116"
            << "a:113-114 a:113-115 a:114-115 r:113-114 r:113-116"
            << "A:113 114 115" << false;
        QTest::newRow("сеть, depth 1: Интернет only") << 209 << 1 << 500 << "209 210"
                                                      << "r:209-210"
                                                      << "" << false;
        QTest::newRow("сеть, depth 2: and Всемирная паутина") << 209 << 2 << 500 << "209 210 211"
                                                              << "r:209-210 r:210-211"
                                                              << "" << false;
        QTest::newRow("сеть, depth 2 capped at 2 words") << 209 << 2 << 2 << "209 210"
                                                         << "r:209-210"
                                                         << "" << true;
        QTest::newRow("накопитель, depth 2: винчестер's homonym; cluster unchanged")
            << 128 << 2 << 500 << "128 129 130 131 132"
            << "a:129-131 a:131-132 h:129-130 r:128-129 r:128-131 r:128-132"
            << "R:129 131" << false;
    }

    void graph() {
        QFETCH(int, word);
        QFETCH(int, depth);
        QFETCH(int, cap);
        TMapScope scope;
        scope.Depth = depth;
        scope.NodeCap = static_cast<std::size_t>(cap);
        const TNetworkMap map = BuildNetworkMap(*mStore, word, scope);
        QCOMPARE(map.Nodes.front().Word.Id, word);
        QTEST(Nodes(map), "nodes");
        QTEST(Edges(map), "edges");
        QTEST(Clusters(map), "clusters");
        QTEST(map.Capped, "capped");
        // What a word's tooltip shows: its first meaning.
        for (const TMapNode& node : map.Nodes) {
            TStringList meanings;
            mStore->FindMeanings(node.Word.Id, meanings);
            QCOMPARE(node.FirstMeaning, meanings.empty() ? std::string() : meanings.front());
        }
    }

    void missingWord() {
        QCOMPARE(ErrorOf([&] { BuildNetworkMap(*mStore, 999999); }),
                 std::optional<std::string>("Can not find word with id=999999"));
    }

    // No two words' boxes overlap, and each cluster's box holds its words and no other, with either
    // engine.
    void layout_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("engine");
        for (const auto& [name, engine] :
             {std::pair{"fdp", TLayoutEngine::Fdp}, std::pair{"neato", TLayoutEngine::Neato}}) {
            QTest::addRow("компьютер, depth 2, %s", name) << 113 << static_cast<int>(engine);
            QTest::addRow("накопитель, depth 2, %s", name) << 128 << static_cast<int>(engine);
        }
    }

    void layout() {
        QFETCH(int, word);
        QFETCH(int, engine);
        TMapScope scope;
        scope.Depth = 2;
        const TNetworkMap map = BuildNetworkMap(*mStore, word, scope);
        const std::vector<QSizeF> sizes(map.Nodes.size(), QSizeF(90, 20));
        const TMapLayout layout = LayOutNetworkMap(map, sizes, static_cast<TLayoutEngine>(engine));
        QCOMPARE(layout.Centres.size(), map.Nodes.size());
        std::vector<QRectF> boxes;
        for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
            QRectF box(QPointF(), sizes[i]);
            box.moveCenter(layout.Centres[i]);
            for (const QRectF& other : boxes)
                QVERIFY2(!box.intersects(other), qPrintable(QStringLiteral("word %1").arg(i)));
            QVERIFY(layout.Bounds.adjusted(-0.01, -0.01, 0.01, 0.01).contains(box));
            boxes.push_back(box);
        }
        for (std::size_t c = 0; c < map.Clusters.size(); ++c) {
            const auto& members = map.Clusters[c].Nodes;
            for (std::size_t i = 0; i < boxes.size(); ++i)
                if (std::find(members.begin(), members.end(), i) != members.end())
                    QVERIFY(layout.ClusterBoxes[c].contains(boxes[i]));
                else
                    QVERIFY(!layout.ClusterBoxes[c].intersects(boxes[i]));
        }
    }

    // The maps of the busiest words as they are drawn, folded and laid out: the folds hold back
    // what they say, no word's box overlaps another's, the lines end at the edges of the boxes
    // they join and cross no other word's box, and a word's homonyms are joined to it by one line.
    void foldedLayout_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("opened"); // how many times the fold of the word's neighbours
        QTest::addColumn<int>("shown");  // words drawn, the "+N more" ones included
        QTest::addColumn<QString>("folds");
        QTest::addColumn<int>("homonymLines");
        using namespace BusyNetwork;
        // The homonyms, the absolute synonyms, 10 groups and one word alone, then "+29 more".
        QTest::newRow("hub") << int(kHub) << 1 << 0 << 38 << "+29 more" << 1;
        QTest::newRow("hub, its neighbours opened once")
            << int(kHub) << 1 << 1 << 50 << "+17 more" << 1;
        QTest::newRow("hub, depth 2: 3 of the 5 words around the one word alone")
            << int(kHub) << 2 << 0 << 42 << "+2 more|+29 more" << 1;
        QTest::newRow("19 homonyms: 12 in their cluster")
            << int(kHomonym) << 1 << 0 << 14 << "+6 more" << 1;
        QTest::newRow("a homonym with 2 relative synonyms and no absolute ones")
            << int(kHomonym) + 1 << 1 << 0 << 16 << "+6 more" << 1;
        QTest::newRow("small word, nothing folded") << int(kSmall) << 1 << 0 << 7 << "" << 1;
    }

    void foldedLayout() {
        QFETCH(int, word);
        QFETCH(int, depth);
        QFETCH(int, opened);
        TMapScope scope;
        scope.Depth = depth;
        const TNetworkMap whole = BuildNetworkMap(*mBusyStore, word, scope);
        TMapOpenings openings;
        if (opened > 0)
            openings[whole.Clusters.size()] = static_cast<std::size_t>(opened);
        const TNetworkMap map = FoldNetworkMap(whole, openings).Map;
        QTEST(static_cast<int>(map.Nodes.size()), "shown");
        QStringList folds;
        for (const TMapNode& node : map.Nodes)
            if (node.LeftOut > 0)
                folds << QString::fromStdString(node.Word.Word);
        folds.sort();
        QTEST(folds.join(u'|'), "folds");

        std::vector<QSizeF> sizes;
        for (const TMapNode& node : map.Nodes)
            sizes.push_back(LabelSize(node));
        const TMapLayout layout = LayOutNetworkMap(map, sizes);
        std::vector<QRectF> boxes;
        for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
            boxes.emplace_back(QPointF(), sizes[i]);
            boxes.back().moveCenter(layout.Centres[i]);
            for (std::size_t j = 0; j + 1 < boxes.size(); ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]),
                         qPrintable(QStringLiteral("words %1 and %2").arg(j).arg(i)));
        }
        const auto unitBox = [&](std::size_t unit) {
            if (unit < layout.ClusterBoxes.size())
                return layout.ClusterBoxes[unit];
            const auto node = std::find(layout.UnitOf.begin(), layout.UnitOf.end(), unit);
            return boxes[static_cast<std::size_t>(node - layout.UnitOf.begin())];
        };
        const auto atEdge = [](const QRectF& box, const QPointF& point) {
            return box.adjusted(-2, -2, 2, 2).contains(point) &&
                   !box.adjusted(2, 2, -2, -2).contains(point);
        };
        int homonymLines = 0;
        for (const TMapLine& line : layout.Lines) {
            QVERIFY(line.FromUnit != line.ToUnit);
            homonymLines +=
                std::count(line.Relations.begin(), line.Relations.end(), TMapRelation::Homonym);
            const std::vector<QPointF> points = RoutePoints(line.Route);
            QVERIFY(!points.empty());
            const QRectF from = unitBox(line.FromUnit), to = unitBox(line.ToUnit);
            QVERIFY((atEdge(from, points.front()) && atEdge(to, points.back())) ||
                    (atEdge(to, points.front()) && atEdge(from, points.back())));
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (layout.UnitOf[i] == line.FromUnit || layout.UnitOf[i] == line.ToUnit)
                    continue;
                const QRectF inside = boxes[i].adjusted(1, 1, -1, -1);
                for (const QPointF& point : points)
                    QVERIFY2(
                        !inside.contains(point),
                        qPrintable(QStringLiteral("the line of boxes %1 and %2 crosses word %3")
                                       .arg(line.FromUnit)
                                       .arg(line.ToUnit)
                                       .arg(i)));
            }
        }
        QTEST(homonymLines, "homonymLines");
    }

    // Each export of компьютер (depth 2) as another program reads it: every word and relation,
    // the words in UTF-8.
    void exports() {
        TMapScope scope;
        scope.Depth = 2;
        const TNetworkMap map = BuildNetworkMap(*mStore, 113, scope);
        QStringList words, languages, ids;
        for (const TMapNode& node : map.Nodes) {
            words << FromPageText(node.Word.Word);
            languages << FromPageText(node.LangCode);
            ids << QString::number(node.Word.Id);
        }
        QVERIFY(words.contains(QStringLiteral("ЭВМ")));

        // GraphML, read with an XML parser: the values of each attribute, in the file's order.
        QXmlStreamReader xml(QByteArray::fromStdString(NetworkMapGraphMl(map)));
        std::map<QString, QStringList> graphml;
        int nodes = 0, edges = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"node")
                ++nodes;
            else if (xml.name() == u"edge")
                ++edges;
            else if (xml.name() == u"data")
                graphml[xml.attributes().value(QStringLiteral("key")).toString()]
                    << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(nodes, static_cast<int>(map.Nodes.size()));
        QCOMPARE(edges, static_cast<int>(map.Edges.size()));
        QCOMPARE(graphml[QStringLiteral("word")], words);
        QCOMPARE(graphml[QStringLiteral("language")], languages);
        QCOMPARE(graphml[QStringLiteral("wordId")], ids);

        // DOT, read by Graphviz itself.
        const std::string dot = NetworkMapDot(map);
        Agraph_t* graph = agmemread(dot.c_str());
        QVERIFY(graph);
        QCOMPARE(static_cast<std::size_t>(agnnodes(graph)), map.Nodes.size());
        QCOMPARE(static_cast<std::size_t>(agnedges(graph)), map.Edges.size());
        Agnode_t* first = agfstnode(graph);
        const QString label = QString::fromUtf8(agget(first, const_cast<char*>("label")));
        agclose(graph);
        QCOMPARE(label, words.front());

        // CSV: a header and a record per relation, each of nine fields.
        const QList<QStringList> records = CsvRecords(NetworkMapCsv(map));
        QCOMPARE(records.size(), static_cast<int>(map.Edges.size()) + 1);
        QCOMPARE(records.front().join(u','),
                 QStringLiteral("word,qualifier,language,relation,other word,other qualifier,"
                                "other language,word id,other word id"));
        for (const QStringList& record : records)
            QCOMPARE(record.size(), 9);
        QVERIFY(records.contains(
            QStringList{QStringLiteral("компьютер"), QString(), QStringLiteral("RU"),
                        QStringLiteral("absolute"), QStringLiteral("ЭВМ"), QStringLiteral("сокр."),
                        QStringLiteral("RU"), QStringLiteral("113"), QStringLiteral("114")}));
    }

    // A word holding what the formats treat specially still gives files that read back, with
    // one record per word and relation.
    void exportsOfAwkwardWords_data() {
        QTest::addColumn<QByteArray>("word");  // page text
        QTest::addColumn<QString>("readBack"); // the word as an XML reader gives it back
        QTest::addColumn<QString>("dotText");  // the word in a label as Graphviz reads it
        QTest::newRow("markup") << QByteArray("<a & \"b\">") << QStringLiteral("<a & \"b\">")
                                << QStringLiteral("<a & \"b\">");
        QTest::newRow("control character")
            << QByteArray("a\x01z") << QStringLiteral("a") + QChar::ReplacementCharacter + u'z'
            << QStringLiteral("a\x01z");
        QTest::newRow("separator, quote, backslash and line end")
            << QByteArray("a,\"b\\\nc") << QStringLiteral("a,\"b\\\nc")
            << QStringLiteral("a,\"b\\\\ c");
        QTest::newRow("line feed")
            << QByteArray("a\nb") << QStringLiteral("a\nb") << QStringLiteral("a b");
        QTest::newRow("tab") << QByteArray("a\tb") << QStringLiteral("a\tb")
                             << QStringLiteral("a\tb");
    }

    void exportsOfAwkwardWords() {
        QFETCH(QByteArray, word);
        QFETCH(QString, readBack);
        QFETCH(QString, dotText);
        TNetworkMap map;
        map.Nodes.resize(2);
        map.Nodes[0].Word = {1, word.toStdString(), word.toStdString()};
        map.Nodes[1].Word = {2, "b", ""};
        map.Edges.push_back({0, 1, TMapRelation::Relative});

        QXmlStreamReader xml(QByteArray::fromStdString(NetworkMapGraphMl(map)));
        QString firstWord;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && firstWord.isEmpty() &&
                xml.attributes().value(QStringLiteral("key")) == u"word")
                firstWord = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(firstWord, readBack);

        // Graphviz keeps a label's backslashes, which it shows as its own escapes; a backslash
        // of the word is written as "\\", which it shows as one.
        Agraph_t* graph = agmemread(NetworkMapDot(map).c_str());
        QVERIFY(graph);
        QCOMPARE(agnnodes(graph), 2);
        const QString label =
            QString::fromUtf8(agget(agfstnode(graph), const_cast<char*>("label")));
        agclose(graph);
        QCOMPARE(label, dotText + QStringLiteral(" (") + dotText + u')');

        const QList<QStringList> records = CsvRecords(NetworkMapCsv(map));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].value(0), FromPageText(word.toStdString()));
    }
};

QTEST_GUILESS_MAIN(TestNetworkMap)
#include "test_network_map.moc"
