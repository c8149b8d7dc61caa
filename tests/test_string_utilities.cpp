#include "core/text/MeaningWords.h"
#include "core/text/StringUtilities.h"

#include <QTest>

using namespace Quor;

class TestStringUtilities : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void TrimChars_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("chars");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("both ends")
            << QByteArray("  word,") << QByteArray(" ,") << QByteArray("word");
        QTest::newRow("inner kept")
            << QByteArray(". a, b .") << QByteArray(" ,.") << QByteArray("a, b");
        QTest::newRow("all trimmed") << QByteArray("...") << QByteArray(".") << QByteArray();
        QTest::newRow("empty text") << QByteArray() << QByteArray(" ") << QByteArray();
        QTest::newRow("empty chars") << QByteArray(" x ") << QByteArray() << QByteArray(" x ");
        QTest::newRow("case-sensitive")
            << QByteArray("aXa") << QByteArray("A") << QByteArray("aXa");
        QTest::newRow("one char kept") << QByteArray(" k ") << QByteArray(" ") << QByteArray("k");
        QTest::newRow("high bytes") << QByteArray("\xe0\xea\xee\xf2\xe0") << QByteArray("\xe0")
                                    << QByteArray("\xea\xee\xf2");
        QTest::newRow("NUL in set")
            << QByteArray("\0a\0", 3) << QByteArray("\0", 1) << QByteArray("a");
        QTest::newRow("search set")
            << QByteArray("\t\r\n \"'kot'\",.") << QByteArray(" '\",.\t\n\r") << QByteArray("kot");
    }

    void TrimChars() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, chars);
        QFETCH(QByteArray, expected);
        std::string trimmed = text.toStdString();
        Quor::TrimChars(trimmed, chars.toStdString());
        QCOMPARE(QByteArray::fromStdString(trimmed), expected);
    }

    void StartsWith_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<bool>("expected");
        QTest::newRow("prefix") << QByteArray("quor://x") << QByteArray("quor://") << true;
        QTest::newRow("whole") << QByteArray("quor") << QByteArray("quor") << true;
        QTest::newRow("empty prefix") << QByteArray("") << QByteArray("") << true;
        QTest::newRow("shorter text") << QByteArray("quo") << QByteArray("quor") << false;
        QTest::newRow("other case") << QByteArray("QUOR://x") << QByteArray("quor://") << false;
        QTest::newRow("differs late") << QByteArray("quor:/x") << QByteArray("quor://") << false;
    }

    void StartsWith() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, prefix);
        QFETCH(bool, expected);
        QCOMPARE(Quor::StartsWith(text.toStdString(), prefix.toStdString()), expected);
    }

    // What a search in meanings looks for, for a typed word and its dictionary forms.
    void TermStarts_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QStringList>("forms");
        QTest::addColumn<QStringList>("starts");
        const auto row = [](const char* name, const char* term, std::vector<const char*> forms,
                            std::vector<const char*> starts) {
            const auto list = [](const std::vector<const char*>& texts) {
                QStringList strings;
                for (const char* text : texts)
                    strings << QString::fromUtf8(text);
                return strings;
            };
            QTest::newRow(name) << QString::fromUtf8(term) << list(forms) << list(starts);
        };
        row("no forms: the word itself", "ИЗМЕРЕНИЯ", {}, {"ИЗМЕРЕНИЯ"});
        row("the start the word shares with its form", "ИЗМЕРЕНИЯ", {"ИЗМЕРЕНИЕ"}, {"ИЗМЕРЕНИ"});
        row("the form, a start of the word", "ДОМАМИ", {"ДОМ"}, {"ДОМ"});
        row("forms that cover one another, once", "ИЗМЕРЕНИЯМИ", {"ИЗМЕРЕНИЕ", "ИЗМЕРЕНИЯ"},
            {"ИЗМЕРЕНИ"});
        row("fewer than three letters shared: the form itself", "ШЕЛ", {"ИДТИ"}, {"ШЕЛ", "ИДТИ"});
        row("two letters shared", "КОТ", {"КОД"}, {"КОТ", "КОД"});
        // А and Е begin with the same byte in UTF-8.
        row("not cut inside a letter", "ДОМА", {"ДОМЕ"}, {"ДОМ"});
    }

    void TermStarts() {
        QFETCH(QString, term);
        QFETCH(QStringList, forms);
        QFETCH(QStringList, starts);
        std::vector<std::string> formTerms;
        for (const QString& form : forms)
            formTerms.push_back(form.toStdString());
        QStringList found;
        for (const std::string& start : Quor::TermStarts(term.toStdString(), formTerms))
            found << QString::fromStdString(start);
        QCOMPARE(found, starts);
    }
};

QTEST_GUILESS_MAIN(TestStringUtilities)
#include "test_string_utilities.moc"
