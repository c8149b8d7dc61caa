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
};

QTEST_GUILESS_MAIN(TestStringUtilities)
#include "test_string_utilities.moc"
