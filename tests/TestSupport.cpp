#include "TestSupport.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace Quor;

const char* const TFixtureDatabase::kSchema = R"(
create table T_WORD (ID integer primary key, WORD text, MORE_INFO text, LANG_CODE text);
create table T_MEANING (ID integer primary key, MEANING text);
create table TM_WORD_MEANING (WORD_ID integer, MEANING_ID integer);
create table T_HOMONYM (FIRST_WORD_ID integer, SECOND_WORD_ID integer);
create table T_SYNONYM (FIRST_WORD_ID integer, SECOND_WORD_ID integer, IS_ABSOLUTE integer);
)";

TFixtureDatabase::TFixtureDatabase(const char* schema) {
    if (!mFolder.isValid())
        qFatal("Can not create a temporary folder for a fixture database");
    mPath = mFolder.filePath(QStringLiteral("QuorSemanticNetwork.mdb"));
    if (sqlite3_open(mPath.toUtf8().constData(), &mHandle) != SQLITE_OK)
        qFatal("Can not create the fixture database: %s", sqlite3_errmsg(mHandle));
    Exec(schema);
}

TFixtureDatabase::~TFixtureDatabase() {
    Close();
}

void TFixtureDatabase::Close() {
    if (mHandle)
        sqlite3_close(mHandle);
    mHandle = nullptr;
}

void TFixtureDatabase::Exec(const std::string& sql) {
    if (!mHandle && sqlite3_open(mPath.toUtf8().constData(), &mHandle) != SQLITE_OK)
        qFatal("Can not reopen the fixture database");
    char* error = nullptr;
    if (sqlite3_exec(mHandle, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        qFatal("Fixture SQL failed: %s\n%s", message.c_str(), sql.c_str());
    }
}

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

std::string IdOrNull(std::int32_t id) {
    return id ? std::to_string(id) : std::string("null");
}

} // namespace

std::int32_t TFixtureDatabase::AddWord(const std::string& word, const std::string& langCode,
                                       const std::string& moreInfo, std::int32_t id) {
    Exec("insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (" + IdOrNull(id) + ", " +
         Quoted(word) + ", " + Quoted(moreInfo) + ", " + Quoted(langCode) + ");");
    return static_cast<std::int32_t>(sqlite3_last_insert_rowid(mHandle));
}

std::int32_t TFixtureDatabase::AddMeaning(std::int32_t wordId, const std::string& meaning,
                                          std::int32_t meaningId) {
    Exec("insert into T_MEANING (ID, MEANING) values (" + IdOrNull(meaningId) + ", " +
         Quoted(meaning) + ");");
    const auto id = static_cast<std::int32_t>(sqlite3_last_insert_rowid(mHandle));
    Exec("insert into TM_WORD_MEANING values (" + std::to_string(wordId) + ", " +
         std::to_string(id) + ");");
    return id;
}

void TFixtureDatabase::AddHomonyms(std::int32_t firstWordId, std::int32_t secondWordId) {
    Exec("insert into T_HOMONYM values (" + std::to_string(firstWordId) + ", " +
         std::to_string(secondWordId) + ");");
}

void TFixtureDatabase::AddSynonyms(std::int32_t firstWordId, std::int32_t secondWordId,
                                   bool absolute) {
    Exec("insert into T_SYNONYM values (" + std::to_string(firstWordId) + ", " +
         std::to_string(secondWordId) + ", " + (absolute ? "1" : "0") + ");");
}

TOtherProgram::TOtherProgram(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &mDb, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        qFatal("Can not open %s: %s", qPrintable(path), sqlite3_errmsg(mDb));
}

int TOtherProgram::Run(const QByteArray& sql) {
    return sqlite3_exec(mDb, sql.constData(), nullptr, nullptr, nullptr);
}

void TOtherProgram::Close() {
    if (mDb)
        sqlite3_close(mDb);
    mDb = nullptr;
}

std::string Cp(const char* utf8) {
    return Utf8ToPageText(utf8);
}

std::pair<QByteArray, QByteArray> FromTheParting(const QByteArray& actual,
                                                 const QByteArray& expected) {
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    if (at == actual.size() && at == expected.size())
        return {actual, expected};
    const qsizetype from = std::max<qsizetype>(0, at - 40);
    const QByteArray head = "[from byte " + QByteArray::number(from) + "] ";
    return {head + actual.mid(from), head + expected.mid(from)};
}

std::optional<std::string> ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const EQuorError& error) {
        return error.Message();
    }
    return std::nullopt;
}

std::string Noise(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(generator() & 0xFF);
    return bytes;
}

std::string PageHead(std::initializer_list<std::string_view> stylesheetLines) {
    std::string head = kHeadOpening;
    for (const std::string_view line : stylesheetLines)
        head.append("\t\t").append(line).append("\r\n");
    return head + kHeadClosing;
}

std::string NotFoundMessage(const std::string& searched) {
    return "<span class=\"NotFoundMessage\">No words found maching \"" + searched + "\".</span>";
}

std::string LinkErrorDetail(const std::string& text) {
    return "<p class=\"ErrorPreformattedMessage\">&nbsp;&nbsp;&nbsp;&nbsp;" + text + "</p>";
}

std::string LinkErrorReason(const std::string& reason) {
    return "<p class=\"ErrorMessage\">Reason:</p>\r\n" + LinkErrorDetail(reason);
}

QString Described(const TWord& word) {
    return QStringLiteral("#%1 %2 (%3)")
        .arg(word.Id)
        .arg(FromPageText(word.Word), FromPageText(word.MoreInfo));
}

char* Quor::toString(const TWord& word) {
    return qstrdup(Described(word).toUtf8().constData());
}
std::string ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void WriteFileBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("Can not write a test file");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TWorkingFolder::TWorkingFolder(const std::string* stylesheet)
    : mPreviousFolder(QDir::currentPath()) {
    if (!mFolder.isValid())
        qFatal("Can not create a working folder");
    QDir::setCurrent(mFolder.path());
    if (stylesheet)
        WriteStylesheet(*stylesheet);
}

TWorkingFolder::~TWorkingFolder() {
    QDir::setCurrent(mPreviousFolder);
}

void TWorkingFolder::WriteStylesheet(const std::string& bytes) {
    WriteFileBytes(mFolder.filePath(QStringLiteral("styles.css")), bytes);
}

void TWorkingFolder::RemoveStylesheet() {
    QFile::remove(mFolder.filePath(QStringLiteral("styles.css")));
}

TPageFileFolder::TPageFileFolder()
    : mPreviousTmpDir(qgetenv("TMPDIR")), mHadTmpDir(qEnvironmentVariableIsSet("TMPDIR")) {
    if (!mFolder.isValid())
        qFatal("Can not create a temporary folder for page files");
    qputenv("TMPDIR", QFile::encodeName(mFolder.path()));
}

TPageFileFolder::~TPageFileFolder() {
    if (mHadTmpDir)
        qputenv("TMPDIR", mPreviousTmpDir);
    else
        qunsetenv("TMPDIR");
}

QStringList TPageFileFolder::PageFiles() const {
    QStringList files;
    const QFileInfoList entries =
        QDir(mFolder.path())
            .entryInfoList({QStringLiteral("~Quor*")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& entry : entries)
        files << entry.absoluteFilePath();
    return files;
}

namespace {

// Runs SQL; a failure ends the test run with the engine's message.
void ExecOrFail(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("SQL failed: %s\n%s", error ? error : "unknown error", sql.c_str());
}

// The first column of every row of a query.
std::vector<std::string> FirstColumn(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        qFatal("SQL failed: %s\n%s", sqlite3_errmsg(db), sql.c_str());
    std::vector<std::string> values;
    while (sqlite3_step(statement) == SQLITE_ROW)
        values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return values;
}

} // namespace

void StoreEveryColumnAsText(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        qFatal("Can not open %s: %s", qPrintable(path), sqlite3_errmsg(db));
    ExecOrFail(db, "begin");
    for (const std::string& table : FirstColumn(
             db,
             "select name from sqlite_master where type = 'table' and name not like 'sqlite%'")) {
        const std::vector<std::string> indexes =
            FirstColumn(db, "select sql from sqlite_master where type = 'index' and sql is not "
                            "null and tbl_name = '" +
                                table + "'");
        std::string columns;
        for (const std::string& column :
             FirstColumn(db, "select name from pragma_table_info('" + table + "') order by cid"))
            columns += (columns.empty() ? "\"" : ", \"") + column + "\" text";
        ExecOrFail(db, "alter table " + table + " rename to OLD_" + table + "; create table " +
                           table + " (" + columns + "); insert into " + table +
                           " select * from OLD_" + table + "; drop table OLD_" + table + ";");
        for (const std::string& index : indexes)
            ExecOrFail(db, index);
    }
    ExecOrFail(db, "commit");
    sqlite3_close(db);
}

QByteArray SampleNetworkSql() {
    QFile sql(QFINDTESTDATA("../Database/QuorSemanticNetwork.sql"));
    if (!sql.open(QIODevice::ReadOnly))
        qFatal("The sample network's SQL can not be read: %s", qPrintable(sql.errorString()));
    return sql.readAll();
}

namespace BusyNetwork {

void Fill(TFixtureDatabase& db) {
    std::int32_t next = 1000;
    const auto word = [&db, &next](const std::string& text, std::int32_t id = 0,
                                   const std::string& moreInfo = "") {
        return db.AddWord(text, "BG", moreInfo, id ? id : next++);
    };
    word("главна дума", kHub);
    for (int i = 0; i < 2; ++i)
        db.AddHomonyms(kHub, word("главна дума", 0, "област " + std::to_string(i)));
    for (int i = 0; i < 3; ++i)
        db.AddSynonyms(kHub, word("равна " + std::to_string(i)), true);
    for (int g = 0; g < 10; ++g) {
        const std::int32_t head = word("водач " + std::to_string(g));
        db.AddSynonyms(kHub, head, false);
        for (int m = 0; m < 2; ++m) {
            const std::int32_t member = word("член " + std::to_string(g) + "." + std::to_string(m));
            db.AddSynonyms(kHub, member, false);
            db.AddSynonyms(head, member, true);
        }
    }
    std::int32_t previous = 0;
    for (int i = 0; i < 30; ++i) {
        const std::int32_t alone = word("самотна дума " + std::to_string(i));
        db.AddSynonyms(kHub, alone, false);
        if (i % 2 == 1)
            db.AddSynonyms(previous, alone, false);
        for (int k = 0; i < 5 && k < 5; ++k)
            db.AddSynonyms(alone, word("далечна " + std::to_string(i) + "." + std::to_string(k)),
                           false);
        previous = alone;
    }

    std::vector<std::int32_t> homonyms;
    for (int i = 0; i < 19; ++i)
        homonyms.push_back(word("омоним", kHomonym + i, "значение " + std::to_string(i)));
    for (std::size_t i = 0; i < homonyms.size(); ++i)
        for (std::size_t j = i + 1; j < homonyms.size(); ++j)
            db.AddHomonyms(homonyms[i], homonyms[j]);
    for (int i = 0; i < 2; ++i)
        db.AddSynonyms(kHomonym + 1, word("сродна " + std::to_string(i)), false);

    word("малка", kSmall);
    db.AddHomonyms(kSmall, word("малка", 0, "друго"));
    for (int i = 0; i < 2; ++i)
        db.AddSynonyms(kSmall, word("дребна " + std::to_string(i)), true);
    for (int i = 0; i < 3; ++i)
        db.AddSynonyms(kSmall, word("близка " + std::to_string(i)), false);
}

} // namespace BusyNetwork
