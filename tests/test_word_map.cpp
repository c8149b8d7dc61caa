// The word map beside the page, as a user meets it: closed, it leaves the window and its pages as
// they were; open, it follows the page through Back and Forward, a word chosen on it is shown as
// its link would show it, and its context menu exports it. Real keys and clicks, offscreen.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/map/NetworkMapExport.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/NetworkMapNode.h"
#include "window/NetworkMapView.h"
#include "window/PageDialogs.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QImage>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

using namespace Quor;

namespace {

const std::string kNoStyles;
const QString kTomcatLink = QStringLiteral("quor://QuorSemanticNetworkServer/ShowWord?wordId=3");

TNetworkMapView* MapView(TRunningProgram& program) {
    return program.Control<TNetworkMapView>("mNetworkMapView");
}

// The id of the word in the middle of the map, or 0 when none is drawn.
std::int32_t MapCentre(TRunningProgram& program) {
    const TNetworkMap& map = MapView(program)->Map();
    return map.IsEmpty() ? 0 : map.Nodes.front().Word.Id;
}

void OpenMap() {
    Press(Qt::Key_M, Qt::ControlModifier);
    QCoreApplication::processEvents();
}

// Right-clicks a widget's middle and picks the item of the menu with `key`.
void PickFromContextMenu(QWidget* widget, Qt::Key key) {
    const QPoint middle = widget->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &click);
    QVERIFY(QTest::qWaitForWindowExposed(QApplication::activePopupWidget()));
    QTest::keyClick(QApplication::activePopupWidget(), key);
}

} // namespace

class TestWordMap : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;

private Q_SLOTS:
    void init() { mDb = SmallNetwork::NewDatabase(); }
    void cleanup() { mDb.reset(); }

    // A search, a followed link and Back, with the map never opened or opened and closed again:
    // the pages are the composer's bytes and the page view fills the space between the margins.
    void closedMapLeavesWindowAsLaidOut_data() {
        QTest::addColumn<QString>("toggle"); // how the map is opened and closed, if at all
        QTest::newRow("never opened") << QString();
        QTest::newRow("Ctrl+M twice") << QStringLiteral("keys");
        QTest::newRow("the page's context menu twice") << QStringLiteral("menu");
    }

    void closedMapLeavesWindowAsLaidOut() {
        QFETCH(QString, toggle);
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        for (int i = 0; i < 2 && !toggle.isEmpty(); ++i) {
            if (toggle == u"keys")
                OpenMap();
            else
                PickFromContextMenu(program.View()->viewport(), Qt::Key_M);
            QCoreApplication::processEvents();
            QCOMPARE(MapView(program)->isVisible(), i == 0);
        }
        QCOMPARE(program.Page(), program.SearchPage(QStringLiteral("Кот")));
        QVERIFY(program.ClickLink(kTomcatLink));
        QCOMPARE(program.Page(), program.WordPage(SmallNetwork::kTomcat, "котарак"));
        QTest::mouseClick(program.BackButton(), Qt::LeftButton);
        QCOMPARE(program.Page(), program.SearchPage(QStringLiteral("Кот")));

        QTextBrowser* view = program.View();
        const QRect placed(view->mapTo(&program.Form, QPoint()), view->size());
        QCOMPARE(placed,
                 QRect(9, 59, program.Form.width() - 9 - 10, program.Form.height() - 59 - 12));
    }

    // A word chosen on the map (clicked, or reached with Tab and Enter) against its link followed
    // in another run of the program: the same page, history and page count; the map moves with
    // the page, through Back and Forward too.
    void choosingAWordFollowsItsLink_data() {
        QTest::addColumn<QString>("choose");
        QTest::newRow("click") << QStringLiteral("click");
        QTest::newRow("Tab, Tab, Enter") << QStringLiteral("keys");
    }

    void choosingAWordFollowsItsLink() {
        QFETCH(QString, choose);
        QByteArray linkedPage;
        QStringList linkedHistory;
        qsizetype linkedPages = 0;
        {
            TRunningProgram linked(mDb->Path(), &kNoStyles);
            QVERIFY(linked.Started());
            linked.Search(QStringLiteral("кот"));
            QVERIFY(linked.FollowLink(kTomcatLink));
            linkedPage = linked.Page();
            linkedHistory = linked.History();
            linkedPages = linked.PageCount();
        }

        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        OpenMap();
        TNetworkMapView* map = MapView(program);
        QCOMPARE(MapCentre(program), SmallNetwork::kCat);
        // The words in their order: кот, its homonym, its absolute synonym котарак, котка.
        const std::size_t tomcat = 2;
        QCOMPARE(map->Map().Nodes[tomcat].Word.Id, SmallNetwork::kTomcat);
        if (choose == u"click") {
            QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->NodePosition(tomcat));
        } else {
            map->setFocus(Qt::TabFocusReason);
            QCOMPARE(map->FocusedNode(), 0u);
            Press(Qt::Key_Tab);
            Press(Qt::Key_Tab);
            QCOMPARE(map->FocusedNode(), tomcat);
            Press(Qt::Key_Return);
        }

        QCOMPARE(program.Page(), linkedPage);
        QCOMPARE(program.History(), linkedHistory);
        QCOMPARE(program.PageCount(), linkedPages);
        QCOMPARE(MapCentre(program), SmallNetwork::kTomcat);
        QTest::mouseClick(program.BackButton(), Qt::LeftButton);
        QCOMPARE(MapCentre(program), SmallNetwork::kCat);
        QTest::mouseClick(program.ForwardButton(), Qt::LeftButton);
        QCOMPARE(MapCentre(program), SmallNetwork::kTomcat);
    }

    // The zoom keys act on the map while it has the focus, on the page otherwise; the wheel
    // zooms the map. A zoom outlasts a resize of the window; a fitted map is drawn at most one and
    // a half times its size.
    void zoom_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("focus");
        // Keys as in a shortcut, "wheel", or the window made "smaller", joined by |.
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("change"); // of the map's scale: 1 larger, -1 smaller, 0 none
        const auto row = [](const char* focus, const char* input, int change,
                            const char* word = "кот") {
            QTest::addRow("%s of %s: %s", focus, word, input)
                << QString::fromUtf8(word) << QString::fromLatin1(focus)
                << QString::fromLatin1(input) << change;
        };
        row("map", "Ctrl++", 1);
        row("map", "Ctrl+-", -1);
        row("map", "wheel", 1);
        row("map", "Ctrl++|Ctrl+0", 0);
        row("map", "Ctrl++|smaller", 1);
        // A word alone, fitted to the panel, is not blown up.
        row("map", "Ctrl++", 1, "куче");
        row("page", "Ctrl++", 0);
    }

    void zoom() {
        QFETCH(QString, word);
        QFETCH(QString, focus);
        QFETCH(QString, input);
        QFETCH(int, change);
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(word);
        OpenMap();
        TNetworkMapView* map = MapView(program);
        const double fitted = map->transform().m11();
        QVERIFY2(fitted <= 1.5, qPrintable(QString::number(fitted)));
        (focus == u"map" ? static_cast<QWidget*>(map) : program.View())->setFocus();
        for (const QString& step : input.split(u'|')) {
            if (step == u"wheel") {
                const QPointF middle = map->viewport()->rect().center();
                QWheelEvent wheel(middle, map->viewport()->mapToGlobal(middle), {}, {0, 120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(map->viewport(), &wheel);
            } else if (step == u"smaller") {
                program.Form.resize(program.Form.size() * 0.8);
                QCoreApplication::processEvents();
            } else {
                Press(step);
            }
        }
        const double scale = map->transform().m11();
        QCOMPARE(scale > fitted ? 1 : scale < fitted ? -1 : 0, change);
    }

    // Tab and Shift+Tab walk the words, and leave the map after the last and before the first.
    void tabLeavesTheMapAtEitherEnd_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("Tab on the last word") << QStringLiteral("Tab|Tab|Tab|Tab");
        QTest::newRow("Shift+Tab on the first word") << QStringLiteral("Shift+Tab");
    }

    void tabLeavesTheMapAtEitherEnd() {
        QFETCH(QString, keys);
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        OpenMap();
        TNetworkMapView* map = MapView(program);
        map->setFocus(Qt::TabFocusReason);
        QCOMPARE(map->FocusedNode(), 0u);
        for (const QString& key : keys.split(u'|'))
            Press(key);
        QVERIFY(!map->hasFocus());
    }

    // The centre word is drawn in bold, and its box is measured so.
    void centreBoxHoldsItsWordInBold() {
        const QString label = QStringLiteral("електронноизчислителна машина");
        TNetworkMap map;
        map.Nodes.resize(2);
        for (TMapNode& node : map.Nodes)
            node.Word = {1, ToPageText(label), ""};
        const QFont font;
        QFont bold = font;
        bold.setBold(true);
        const std::vector<QSizeF> sizes = MapNodeSizes(map, font);
        QCOMPARE(sizes[0].width() - sizes[1].width(),
                 std::ceil(QFontMetricsF(bold).horizontalAdvance(label)) -
                     std::ceil(QFontMetricsF(font).horizontalAdvance(label)));
    }

    // A dark theme: the map is drawn again in its colours, each word where it stood, the focus
    // frame too.
    void paletteChangeRedrawsInPlace() {
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        OpenMap();
        TNetworkMapView* map = MapView(program);
        map->setFocus(Qt::TabFocusReason);
        const QPoint tomcat = map->NodePosition(map->Map().Nodes.size() - 1);
        QPalette dark = map->palette();
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Link, QColor(120, 170, 255));

        map->setPalette(dark);

        QCOMPARE(map->NodePosition(map->Map().Nodes.size() - 1), tomcat);
        std::size_t lines = 0, drawn = 0;
        for (const TMapLine& line : map->Layout().Lines)
            lines += line.Relations.size();
        for (QGraphicsItem* item : map->scene()->items())
            if (auto* line = qgraphicsitem_cast<QGraphicsPathItem*>(item)) {
                ++drawn;
                const bool homonym = line->pen().style() == Qt::DotLine;
                QCOMPARE(line->pen().color().rgb(),
                         dark.color(homonym ? QPalette::Link : QPalette::Text).rgb());
            }
        QVERIFY(lines > 0);
        QCOMPARE(drawn, lines);
        const QPointF focused = map->mapToScene(map->NodePosition(map->FocusedNode()));
        int frames = 0;
        for (QGraphicsItem* item : map->scene()->items(focused))
            if (item->zValue() > 0 && qgraphicsitem_cast<QGraphicsRectItem*>(item))
                ++frames;
        QCOMPARE(frames, 1);
    }

    // The map opens with its labels at least as high as the desktop's smallest readable font and
    // the centre word in sight, in a narrow panel and a wide one; Ctrl+0 then shows the whole map.
    void openingViewIsReadable_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QSize>("panel");
        for (const auto& [name, word] :
             {std::pair{"hub", BusyNetwork::kHub}, std::pair{"19 homonyms", BusyNetwork::kHomonym},
              std::pair{"small word", BusyNetwork::kSmall}}) {
            QTest::addRow("%s, narrow", name) << int(word) << QSize(180, 300);
            QTest::addRow("%s, wide", name) << int(word) << QSize(700, 900);
        }
    }

    void openingViewIsReadable() {
        QFETCH(int, word);
        QFETCH(QSize, panel);
        TFixtureDatabase db;
        BusyNetwork::Fill(db);
        db.Close();
        TQuorDataModule store(db.Path());
        TNetworkMapView view;
        view.resize(panel);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        TMapScope scope;
        view.ShowMap(BuildNetworkMap(store, word, scope));

        // The desktop's smallest readable font, or its usual one where that is smaller.
        const double font = QFontMetricsF(view.font()).height();
        const double smallest = std::min(
            font,
            QFontMetricsF(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).height());
        const double label = font * view.transform().m11();
        QVERIFY2(label >= smallest - 0.01,
                 qPrintable(QStringLiteral("%1 px against %2").arg(label).arg(smallest)));
        QVERIFY(view.viewport()->rect().contains(view.NodePosition(0)));

        view.FitToView();
        for (std::size_t i = 0; i < view.Folded().Map.Nodes.size(); ++i)
            QVERIFY(view.viewport()->rect().contains(view.NodePosition(i)));
    }

    // A click on a "+N more", or Enter on it, shows up to 12 more of its words and says how many
    // are left; the keyboard stays on it while some are.
    void foldOpensOnClickOrEnter_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after"); // the folds left, and where the keyboard is
        QTest::addColumn<int>("shown");     // words drawn after, the "+N more" ones included
        using namespace BusyNetwork;
        QTest::newRow("hub, click") << int(kHub) << "click"
                                    << "+29 more"
                                    << "+17 more" << 50;
        QTest::newRow("hub, Enter") << int(kHub) << "Enter"
                                    << "+29 more"
                                    << "+17 more, focused" << 50;
        QTest::newRow("19 homonyms, click") << int(kHomonym) << "click"
                                            << "+6 more"
                                            << "" << 19;
        QTest::newRow("19 homonyms, Enter") << int(kHomonym) << "Enter"
                                            << "+6 more"
                                            << "" << 19;
    }

    void foldOpensOnClickOrEnter() {
        QFETCH(int, word);
        QFETCH(QString, input);
        TFixtureDatabase db;
        BusyNetwork::Fill(db);
        db.Close();
        TQuorDataModule store(db.Path());
        TNetworkMapView view;
        view.resize(700, 900);
        view.ShowMap(BuildNetworkMap(store, word));
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        int chosen = 0;
        connect(&view, &TNetworkMapView::WordChosen, this, [&chosen] { ++chosen; });
        const auto folds = [&view] {
            QStringList texts;
            const auto& nodes = view.Folded().Map.Nodes;
            for (std::size_t i = 0; i < nodes.size(); ++i)
                if (nodes[i].LeftOut > 0)
                    texts << QString::fromStdString(nodes[i].Word.Word) +
                                 (view.FocusedNode() == i ? QStringLiteral(", focused")
                                                          : QString());
            return texts.join(u'|');
        };
        QTEST(folds(), "before");
        const std::size_t more = view.Folded().Map.Nodes.size() - 1;
        if (input == u"click") {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.NodePosition(more));
        } else {
            // Tab walks the words in their order, the "+N more" last.
            QCOMPARE(view.FocusedNode(), 0u);
            for (std::size_t i = 0; i < more; ++i)
                Press(Qt::Key_Tab);
            QCOMPARE(view.FocusedNode(), more);
            Press(Qt::Key_Return);
        }
        QTEST(folds(), "after");
        QTEST(static_cast<int>(view.Folded().Map.Nodes.size()), "shown");
        QCOMPARE(chosen, 0);
    }

    // With the map open the page keeps a readable column: the window made as small as it goes,
    // or the splitter's handle dragged far left, narrow the map instead.
    void pageKeepsAReadableColumn_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("smallest window") << QStringLiteral("window");
        QTest::newRow("handle dragged left") << QStringLiteral("handle");
    }

    void pageKeepsAReadableColumn() {
        QFETCH(QString, step);
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Form.resize(1000, 600);
        QCoreApplication::processEvents();
        program.Search(QStringLiteral("кот"));
        OpenMap();
        QVERIFY(MapView(program)->isVisible());
        if (step == u"window") {
            program.Form.resize(300, 600);
        } else {
            auto* splitter = program.Control<QSplitter>("mMapSplitter");
            splitter->setSizes({100, splitter->width() - 100});
        }
        QCoreApplication::processEvents();
        QVERIFY2(program.View()->width() >= 320,
                 qPrintable(QString::number(program.View()->width())));
        QVERIFY(MapView(program)->isVisible());
    }

    // Each export of the map of кот from its context menu, read back.
    void exports_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("file");
        QTest::newRow("SVG") << int(Qt::Key_S) << QStringLiteral("map.svg");
        QTest::newRow("PNG") << int(Qt::Key_P) << QStringLiteral("map.png");
        QTest::newRow("DOT") << int(Qt::Key_D) << QStringLiteral("map.gv");
        QTest::newRow("GraphML") << int(Qt::Key_G) << QStringLiteral("map.graphml");
        QTest::newRow("CSV") << int(Qt::Key_C) << QStringLiteral("map.csv");
        QTest::newRow("CSV into a missing folder")
            << int(Qt::Key_C) << QStringLiteral("no/map.csv");
    }

    void exports() {
        QFETCH(int, key);
        QFETCH(QString, file);
        TRunningProgram program(mDb->Path(), &kNoStyles);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        OpenMap();
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QString suggested;
        SetSaveFileDialogFunction([&](TPageFileKind, const QString& offered) {
            suggested = offered;
            return path;
        });
        PickFromContextMenu(MapView(program)->viewport(), Qt::Key(key));
        SetSaveFileDialogFunction({});

        QCOMPARE(suggested.section(u'/', -1).section(u'.', 0, 0), QStringLiteral("кот"));
        if (file.contains(u'/')) {
            QCOMPARE(program.Boxes.Boxes().size(), 1u);
            QVERIFY(
                program.Boxes.Texts().startsWith(QStringLiteral("Can not write the map to file")));
            return;
        }
        QCOMPARE(program.Boxes.Texts(), QString());
        const QByteArray bytes = QByteArray::fromStdString(ReadFileBytes(path));
        const TNetworkMap& map = MapView(program)->Map();
        if (file.endsWith(u".svg")) {
            QXmlStreamReader svg(bytes);
            QString text;
            while (!svg.atEnd())
                if (svg.readNext() == QXmlStreamReader::Characters)
                    text += svg.text();
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
            QVERIFY(text.contains(QStringLiteral("котарак")));
        } else if (file.endsWith(u".png")) {
            QVERIFY(!QImage::fromData(bytes, "PNG").isNull());
        } else if (file.endsWith(u".gv")) {
            QCOMPARE(bytes.toStdString(), NetworkMapDot(map));
        } else if (file.endsWith(u".graphml")) {
            QCOMPARE(bytes.toStdString(), NetworkMapGraphMl(map));
        } else {
            QCOMPARE(bytes.toStdString(), NetworkMapCsv(map));
        }
    }
};

QTEST_MAIN(TestWordMap)
#include "test_word_map.moc"
