// Word links: the parsing of link addresses, the link error page written byte for byte, and links
// followed in the offscreen window by mouse and by keyboard.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/Browser.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>

#include <memory>

using namespace Quor;

namespace {

using namespace SmallNetwork;

const std::string kStylesheet = "body { color: black; }\na.WordLink { color: navy; }\r\n";

// The link error page for an address and a reason, with kStylesheet in its head.
QByteArray ErrorPage(const QByteArray& address, const QByteArray& reason) {
    return Bytes("<html>\r\n" +
                 PageHead({"body { color: black; }", "a.WordLink { color: navy; }"}) +
                 "\r\n<p class=\"ErrorMessage\">Unable to process your request:</p>\r\n" +
                 LinkErrorDetail(address.toStdString()) + "\r\n" +
                 LinkErrorReason(reason.toStdString()) + "\r\n\r\n</html>");
}

// The program as it starts, with kStylesheet.
struct TProgram : TRunningProgram {
    explicit TProgram(const QString& databasePath) : TRunningProgram(databasePath, &kStylesheet) {}
};

struct TParsed {
    QByteArray Protocol, Server, Application, Parameters, Error;
};

TParsed Parse(const QByteArray& address) {
    std::string protocol = "x", server = "x", application = "x", parameters = "x";
    const auto error = ErrorOf([&] {
        TPageComposer::ParseUrl(address.toStdString(), protocol, server, application, parameters);
    });
    return {Bytes(protocol), Bytes(server), Bytes(application), Bytes(parameters),
            Bytes(error.value_or(""))};
}

} // namespace

class TestWordLinks : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;

private Q_SLOTS:
    void init() { mDb = SmallNetwork::NewDatabase(); }
    void cleanup() { mDb.reset(); }

    void parseUrlSplitsAddress_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("protocol");
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QByteArray>("application");
        QTest::addColumn<QByteArray>("parameters");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("word link")
            << QByteArray("quor://QuorSemanticNetworkServer/ShowWord?wordId=12")
            << QByteArray("quor") << QByteArray("QuorSemanticNetworkServer")
            << QByteArray("ShowWord") << QByteArray("wordId=12") << QByteArray();
        QTest::newRow("? in server")
            << QByteArray("quor://Ser?ver/ShowWord?wordId=1") << QByteArray("quor")
            << QByteArray("Ser?ver") << QByteArray("ShowWord") << QByteArray("wordId=1")
            << QByteArray();
        QTest::newRow("/ in application")
            << QByteArray("quor://S/Show/Word/?a=/b?c") << QByteArray("quor") << QByteArray("S")
            << QByteArray("Show/Word/") << QByteArray("a=/b?c") << QByteArray();
        QTest::newRow("no ?") << QByteArray("quor://S/ShowWord") << QByteArray("quor")
                              << QByteArray("S") << QByteArray("ShowWord") << QByteArray()
                              << QByteArray();
        QTest::newRow("empty parts") << QByteArray("://?/?") << QByteArray() << QByteArray("?")
                                     << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("nothing decoded")
            << QByteArray("quor://S%2F/A%3F?wordId=%31") << QByteArray("quor") << QByteArray("S%2F")
            << QByteArray("A%3F") << QByteArray("wordId=%31") << QByteArray();
        QTest::newRow("no ://") << QByteArray("quor:/S/ShowWord?wordId=1") << QByteArray()
                                << QByteArray() << QByteArray() << QByteArray()
                                << QByteArray("Can't find protocol identificator.");
        QTest::newRow("no / after server")
            << QByteArray("quor://QuorSemanticNetworkServer?wordId=1") << QByteArray("quor")
            << QByteArray() << QByteArray() << QByteArray()
            << QByteArray("Can't find server identificator.");
    }

    void parseUrlSplitsAddress() {
        QFETCH(QByteArray, address);
        const TParsed parsed = Parse(address);
        QTEST(parsed.Error, "error");
        QTEST(parsed.Protocol, "protocol");
        QTEST(parsed.Server, "server");
        QTEST(parsed.Application, "application");
        QTEST(parsed.Parameters, "parameters");
    }

    void getUrlParameterFindsKeyAnywhere_data() {
        QTest::addColumn<QByteArray>("parameters");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("error");
        const QByteArray missing("Can not find parameter wordId");
        QTest::newRow("first of two")
            << QByteArray("wordId=7&x=1") << QByteArray("7") << QByteArray();
        QTest::newRow("second of two")
            << QByteArray("x=1&wordId=7") << QByteArray("7") << QByteArray();
        QTest::newRow("inside another name")
            << QByteArray("xwordId=7") << QByteArray("7") << QByteArray();
        QTest::newRow("empty value") << QByteArray("wordId=") << QByteArray() << QByteArray();
        QTest::newRow("first occurrence")
            << QByteArray("wordId=7&wordId=8") << QByteArray("7") << QByteArray();
        QTest::newRow("= in value")
            << QByteArray("wordId=a=b&") << QByteArray("a=b") << QByteArray();
        QTest::newRow("missing") << QByteArray("id=7") << QByteArray() << missing;
        QTest::newRow("other case") << QByteArray("wordid=7") << QByteArray() << missing;
        QTest::newRow("without =") << QByteArray("wordId") << QByteArray() << missing;
        QTest::newRow("none") << QByteArray() << QByteArray() << missing;
    }

    void getUrlParameterFindsKeyAnywhere() {
        QFETCH(QByteArray, parameters);
        QByteArray value;
        const auto error = ErrorOf([&] {
            value = Bytes(TPageComposer::GetUrlParameter(parameters.toStdString(), "wordId"));
        });
        QTEST(Bytes(error.value_or("")), "error");
        QTEST(value, "value");
    }

    void failingLinkShowsErrorPage_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("reason");
        const auto link = [](const char* rest) { return Bytes(kWordLinkAddress + rest); };
        QTest::newRow("protocol") << QByteArray(
                                         "http://QuorSemanticNetworkServer/ShowWord?wordId=1")
                                  << QByteArray("Protocol http is not supported.");
        QTest::newRow("no protocol") << QByteArray("QuorSemanticNetworkServer/ShowWord?wordId=1")
                                     << QByteArray("Can't find protocol identificator.");
        QTest::newRow("no server") << QByteArray("quor://QuorSemanticNetworkServer")
                                   << QByteArray("Can't find server identificator.");
        QTest::newRow("server") << QByteArray("quor://X/ShowWord?wordId=1")
                                << QByteArray("Server X is not supported.");
        QTest::newRow("server case")
            << QByteArray("quor://quorsemanticnetworkserver/ShowWord?wordId=1")
            << QByteArray("Server quorsemanticnetworkserver is not supported.");
        QTest::newRow("application case")
            << QByteArray("quor://QuorSemanticNetworkServer/showword?wordId=1")
            << QByteArray("Application showword is not supported.");
        QTest::newRow("no parameters") << QByteArray("quor://QuorSemanticNetworkServer/ShowWord")
                                       << QByteArray("Can not find parameter wordId");
        QTest::newRow("other parameter")
            << QByteArray("quor://QuorSemanticNetworkServer/ShowWord?id=1")
            << QByteArray("Can not find parameter wordId");
        QTest::newRow("empty id") << link("") << QByteArray("Can not find word with id=");
        QTest::newRow("unknown id") << link("999") << QByteArray("Can not find word with id=999");
        QTest::newRow("text id") << link("abc") << QByteArray("Can not find word with id=abc");
        QTest::newRow("markup")
            << QByteArray("quor://QuorSemanticNetworkServer/<b>Show&amp;Word</b>?wordId=1")
            << QByteArray("Application <b>Show&amp;Word</b> is not supported.");
        QTest::newRow("Cyrillic server") << Bytes("quor://" + Cp("сървър") + "/ShowWord?wordId=1")
                                         << Bytes("Server " + Cp("сървър") + " is not supported.");
    }

    void failingLinkShowsErrorPage() {
        QFETCH(QByteArray, address);
        QFETCH(QByteArray, reason);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());

        program.Form.ProcessWordUrl(address.toStdString());

        QCOMPARE(program.PageCount(), 2);
        COMPARE_TEXT(program.Page(), ErrorPage(address, reason));
        QCOMPARE(program.History(), QStringList());
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void wordFoundForNonIntegerIdStaysInHistory_data() {
        QTest::addColumn<QByteArray>("idText");
        QTest::addColumn<QString>("word");
        QTest::newRow("fraction") << QByteArray("7.0") << QStringLiteral("куче");
        QTest::newRow("above 32 bits") << QByteArray("2147483648") << QStringLiteral("оса");
        QTest::newRow("below 32 bits") << QByteArray("-2147483649") << QStringLiteral("пчела");
    }

    void wordFoundForNonIntegerIdStaysInHistory() {
        QFETCH(QByteArray, idText);
        QFETCH(QString, word);
        // The database holds 64-bit ids; a word link's id has 32.
        mDb->Exec("insert into T_WORD values (2147483648, 'оса', '', 'BG'), "
                  "(-2147483649, 'пчела', '', 'BG');");
        mDb->Close();
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const QByteArray address = Bytes(kWordLinkAddress) + idText;

        program.Form.ProcessWordUrl(address.toStdString());

        QCOMPARE(program.Page(),
                 ErrorPage(address, "'" + idText + "' is not a valid integer value"));
        QCOMPARE(program.History(), QStringList{word});
        QCOMPARE(program.WordBox()->currentText(), word);
    }

    void linkShowsWordPage_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("word");
        const QString tomcat = QStringLiteral("котарак");
        QTest::newRow("word link") << Bytes(kWordLinkAddress + "3") << int(kTomcat) << tomcat;
        QTest::newRow("more parameters") << QByteArray("quor://QuorSemanticNetworkServer/ShowWord"
                                                       "?a=1&wordId=3&b=2")
                                         << int(kTomcat) << tomcat;
        QTest::newRow("key inside a name") << QByteArray("quor://QuorSemanticNetworkServer/"
                                                         "ShowWord?xwordId=3")
                                           << int(kTomcat) << tomcat;
        QTest::newRow("lowest id")
            << Bytes(kWordLinkAddress + "-2147483648") << int(INT32_MIN) << QStringLiteral("пчела");
        QTest::newRow("highest id")
            << Bytes(kWordLinkAddress + "2147483647") << int(INT32_MAX) << QStringLiteral("оса");
    }

    void linkShowsWordPage() {
        QFETCH(QByteArray, address);
        QFETCH(int, id);
        QFETCH(QString, word);
        mDb->AddWord("пчела", "BG", "", INT32_MIN);
        mDb->AddWord("оса", "BG", "", INT32_MAX);
        mDb->Close();
        TProgram program(mDb->Path());
        QVERIFY(program.Started());

        program.Form.ProcessWordUrl(address.toStdString());

        QCOMPARE(program.PageCount(), 2);
        COMPARE_TEXT(program.Page(), program.WordPage(id, word.toUtf8().constData()));
        QCOMPARE(program.History(), QStringList{word});
        QCOMPARE(program.WordBox()->currentText(), word);
    }

    void onlyLowerCaseSchemeIsIntercepted_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("intercepted");
        QTest::newRow("word link") << QString::fromStdString(kWordLinkAddress + "3") << true;
        QTest::newRow("failing word link") << QStringLiteral("quor://X/ShowWord?wordId=3") << true;
        QTest::newRow("capitals") << QStringLiteral("QUOR://QuorSemanticNetworkServer/ShowWord?"
                                                    "wordId=3")
                                  << false;
        QTest::newRow("capital Q") << QStringLiteral("Quor://QuorSemanticNetworkServer/ShowWord?"
                                                     "wordId=3")
                                   << false;
        QTest::newRow("one slash") << QStringLiteral("quor:/QuorSemanticNetworkServer/ShowWord?"
                                                     "wordId=3")
                                   << false;
        QTest::newRow("leading blank") << QStringLiteral(" quor://QuorSemanticNetworkServer/"
                                                         "ShowWord?wordId=3")
                                       << false;
        QTest::newRow("web") << QStringLiteral("http://example.org/") << false;
    }

    void onlyLowerCaseSchemeIsIntercepted() {
        QFETCH(QString, address);
        QFETCH(bool, intercepted);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const QString welcomeFile = program.PageFile();

        QCOMPARE(program.FollowLink(address), intercepted);
        QCOMPARE(program.PageCount(), intercepted ? 2 : 1);
        QCOMPARE(program.PageFile() != welcomeFile, intercepted);
        if (!intercepted)
            QCOMPARE(program.History(), QStringList());
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void clickedLinkShowsWordPage() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QString resultsFile = program.PageFile();
        QVERIFY(program.Page().contains("Query results for word"));
        const auto clickTheLinkToTomcat = [&] {
            QVERIFY2(program.ClickLink(QString::fromStdString(kWordLinkAddress + "3")),
                     "the results page links to котарак");
            QCOMPARE(program.PageCount(), 3);
            COMPARE_TEXT(program.Page(), program.WordPage(kTomcat, "котарак"));
            QVERIFY(!program.Page().contains("Query results for word"));
            QCOMPARE(program.History(),
                     (QStringList{QStringLiteral("Кот"), QStringLiteral("котарак")}));
            QCOMPARE(program.WordBox()->currentText(), u"котарак");
        };
        // The word box keeps the word of the link.
        const auto backShowsTheResultsAgain = [&] {
            Click(program.BackButton());
            QCOMPARE(program.PageFile(), resultsFile);
            QCOMPARE(program.WordBox()->currentText(), u"котарак");
        };

        RUN_STEP(clickTheLinkToTomcat());
        RUN_STEP(backShowsTheResultsAgain());
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void keyboardFollowsLink() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QString resultsFile = program.PageFile();
        QTextBrowser* view = program.View();
        const QString target = QString::fromStdString(kWordLinkAddress + "4");
        const auto tabToTheLinkToKitten = [&] {
            view->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 20 && FocusedLink(view) != target; ++i)
                Press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), view);
            QCOMPARE(FocusedLink(view), target);
        };
        const auto enterFollowsIt = [&] {
            Press(Qt::Key_Return);
            QCOMPARE(program.PageCount(), 3);
            COMPARE_TEXT(program.Page(), program.WordPage(kKitten, "котка"));
            QCOMPARE(program.History(),
                     (QStringList{QStringLiteral("Кот"), QStringLiteral("котка")}));
            QCOMPARE(program.WordBox()->currentText(), u"котка");
        };

        RUN_STEP(tabToTheLinkToKitten());
        RUN_STEP(enterFollowsIt());
        Click(program.BackButton());
        QCOMPARE(program.PageFile(), resultsFile);
    }

    // Resting on a link tells its word from a homonym of the same spelling; a word gone since the
    // page was shown has no tip and no message.
    void linkTipTellsWhichWordItIs_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("tip");
        QTest::newRow("qualifier and meaning")
            << int(kCat) << QStringLiteral("кот (животно) · BG\nдомашно животно");
        QTest::newRow("its homonym")
            << int(kCatMeasure) << QStringLiteral("кот (мярка) · BG\nNo meanings found.");
        QTest::newRow("no qualifier")
            << int(kKitten) << QStringLiteral("котка · BG\nNo meanings found.");
        QTest::newRow("word gone") << int(kTomcat) << QString();
    }

    void linkTipTellsWhichWordItIs() {
        QFETCH(int, id);
        QFETCH(QString, tip);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        if (tip.isEmpty())
            TOtherProgram(mDb->Path())
                .Run("delete from T_WORD where ID = " + QByteArray::number(id));
        QToolTip::hideText();

        const QPoint link = LinkPoint(program.View(), QString::fromStdString(kWordLinkAddress) +
                                                          QString::number(id));
        QVERIFY(link.x() >= 0);
        QHelpEvent rest(QEvent::ToolTip, link, program.View()->viewport()->mapToGlobal(link));
        QApplication::sendEvent(program.View()->viewport(), &rest);

        QCOMPARE(QToolTip::text(), tip);
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void homonymLinkShowsItsOwnWord() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        QVERIFY(program.ClickLink(QString::fromStdString(kWordLinkAddress + "2")));

        COMPARE_TEXT(program.Page(), program.WordPage(kCatMeasure, "кот", "мярка"));
        QCOMPARE(program.History(), QStringList{QStringLiteral("Кот")});
        QCOMPARE(program.WordBox()->currentText(), u"кот");
    }
};

QTEST_MAIN(TestWordLinks)
#include "test_word_links.moc"
