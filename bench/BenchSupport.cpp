#include "BenchSupport.h"

#include "SqlFloor.h"
#include "core/store/QuorData.h"
#include "core/store/SqliteDialect.h"
#include "core/text/CodePage.h"
#include "window/Browser.h"
#include "window/WebBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QWidget>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <stdexcept>

using namespace Quor;

namespace fs = std::filesystem;

// --- The process's surroundings -----------------------------------------------------------------

namespace {

std::unique_ptr<QTemporaryDir>& Scratch() {
    static std::unique_ptr<QTemporaryDir> scratch;
    return scratch;
}

// A folder holding a copy of the stylesheet.
void MakeFolderWithStylesheet(const fs::path& folder) {
    fs::create_directories(folder);
    fs::copy_file(StylesheetSource(), folder / "styles.css", fs::copy_options::overwrite_existing);
}

} // namespace

void SetUpBenchEnvironment() {
    Scratch() = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                QStringLiteral("/QuorBenchmarks-XXXXXX"));
    if (!Scratch()->isValid())
        throw std::runtime_error("Can not make a scratch folder in the temporary folder.");
    const fs::path scratch = ScratchFolder();
    fs::create_directories(scratch / "tmp");
    qputenv("TMPDIR", QByteArray::fromStdString((scratch / "tmp").string()));
    fs::create_directories(scratch / "cache");
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((scratch / "cache").string()));
    fs::create_directories(scratch / "runtime");
    fs::permissions(scratch / "runtime", fs::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((scratch / "runtime").string()));
    MakeFolderWithStylesheet(scratch / "work");
    fs::current_path(scratch / "work");
}

void TearDownBenchEnvironment() {
    fs::current_path(fs::temp_directory_path());
    Scratch().reset();
}

fs::path ScratchFolder() {
    return Scratch()->path().toStdString();
}

fs::path StylesheetSource() {
    return QUOR_STYLESHEET;
}

void ClearUserCache() {
    const fs::path cache = ScratchFolder() / "cache";
    fs::remove_all(cache);
    fs::create_directories(cache);
}

namespace {

QtMessageHandler gQtMessageHandler = nullptr;

void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (gQtMessageHandler)
        gQtMessageHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

void InstallQuietMessageHandler() {
    gQtMessageHandler = qInstallMessageHandler(QuietMessageHandler);
}

std::int64_t ProcessStatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size()));
    return -1;
}

TPaintWatcher::TPaintWatcher(QWidget* widget) {
    widget->installEventFilter(this);
}

bool TPaintWatcher::WaitBeyond(int count, int timeoutMilliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (mCount <= count) {
        if (timer.elapsed() > timeoutMilliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool TPaintWatcher::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++mCount;
    return false;
}

QWidget* PageViewport(TMainForm& form) {
    auto* view = form.findChild<TWebBrowser*>(QStringLiteral("mWebBrowser"));
    if (!view)
        throw std::runtime_error("The main window has no page view mWebBrowser.");
    return view->viewport();
}

TStatementCounter::TStatementCounter(const fs::path& database) {
    const QString path = QString::fromStdString(database.string());
    for (const QString& name : QSqlDatabase::connectionNames()) {
        const QSqlDatabase connection = QSqlDatabase::database(name, false);
        if (connection.isOpen() && connection.databaseName() == path) {
            mDb = SqliteHandle(connection);
            break;
        }
    }
    if (!mDb)
        throw std::runtime_error("The word store's connection is not open.");
    sqlite3_trace_v2(mDb, SQLITE_TRACE_STMT, &TStatementCounter::Note, this);
}

TStatementCounter::~TStatementCounter() {
    sqlite3_trace_v2(mDb, 0, nullptr, nullptr);
}

int TStatementCounter::Note(unsigned, void* counter, void* statement, void*) {
    const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
    const std::string_view text = sql ? sql : "";
    if (!(text.starts_with("BEGIN") || text.starts_with("COMMIT") || text.starts_with("ROLLBACK")))
        ++static_cast<TStatementCounter*>(counter)->mCount;
    return 0;
}

// --- Networks -----------------------------------------------------------------------------------

std::vector<TBenchNetwork> FindNetworks(const fs::path& folder) {
    std::vector<TBenchNetwork> networks;
    if (!fs::is_directory(folder))
        return networks;
    const std::regex pattern("network-([0-9]+)(-ucase)?\\.mdb");
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::smatch match;
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, match, pattern))
            continue;
        TBenchNetwork network;
        network.Path = fs::absolute(entry.path());
        network.Words = std::stoll(match[1].str());
        network.UcaseIndex = match[2].matched;
        const std::int64_t words = network.Words;
        network.Name = words % 1000000 == 0 ? std::to_string(words / 1000000) + "M"
                       : words % 1000 == 0  ? std::to_string(words / 1000) + "k"
                                            : std::to_string(words);
        if (network.UcaseIndex)
            network.Name += "-ucase";
        networks.push_back(std::move(network));
    }
    std::sort(networks.begin(), networks.end(), [](const auto& a, const auto& b) {
        return std::pair(a.Words, a.UcaseIndex) < std::pair(b.Words, b.UcaseIndex);
    });
    return networks;
}

namespace {

// A read-only connection for finding the sample words, closed when done.
class TPlainQueries {
public:
    explicit TPlainQueries(const fs::path& database) {
        if (sqlite3_open_v2(database.c_str(), &mDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("Can not open " + database.string() + ": " +
                                     sqlite3_errmsg(mDb));
    }
    ~TPlainQueries() { sqlite3_close_v2(mDb); }
    TPlainQueries(const TPlainQueries&) = delete;
    TPlainQueries& operator=(const TPlainQueries&) = delete;

    // The columns of the first row of `sql` as texts, with ?1 bound to `parameter`; empty when
    // there is no row.
    std::vector<std::string> FirstRow(const char* sql, std::int64_t parameter = 0) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(mDb, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("Can not prepare ") + sql + ": " +
                                     sqlite3_errmsg(mDb));
        if (sqlite3_bind_parameter_count(statement) > 0)
            sqlite3_bind_int64(statement, 1, parameter);
        std::vector<std::string> row;
        if (sqlite3_step(statement) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = sqlite3_column_text(statement, i);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
        sqlite3_finalize(statement);
        return row;
    }

private:
    sqlite3* mDb = nullptr;
};

TSampleWords FindSampleWords(const fs::path& database) {
    TPlainQueries queries(database);
    TSampleWords samples;

    const auto words = std::stoll(queries.FirstRow("select max(ID) from T_WORD").at(0));
    const char* const describe =
        "select WORD, MORE_INFO,"
        " (select count(*) from TM_WORD_MEANING where WORD_ID = ?1),"
        " (select count(*) from T_HOMONYM where FIRST_WORD_ID = ?1 or SECOND_WORD_ID = ?1),"
        " (select count(*) from T_SYNONYM where IS_ABSOLUTE = 1"
        "   and (FIRST_WORD_ID = ?1 or SECOND_WORD_ID = ?1)),"
        " (select count(*) from T_SYNONYM where IS_ABSOLUTE = 0"
        "   and (FIRST_WORD_ID = ?1 or SECOND_WORD_ID = ?1))"
        " from T_WORD where ID = ?1 and LANG_CODE = 'BG'";
    for (std::int64_t id = words / 2; id <= words && samples.Ordinary.Id == 0; ++id) {
        const auto row = queries.FirstRow(describe, id);
        if (row.empty())
            continue;
        const int meanings = std::stoi(row[2]), homonyms = std::stoi(row[3]),
                  absolute = std::stoi(row[4]), relative = std::stoi(row[5]);
        if (meanings >= 1 && meanings <= 3 && homonyms == 0 && absolute >= 1 && relative >= 3 &&
            relative <= 8)
            samples.Ordinary = {static_cast<std::int32_t>(id), row[0], row[1]};
    }
    if (samples.Ordinary.Id == 0)
        throw std::runtime_error("No ordinary word in " + database.string());

    const auto hub =
        queries.FirstRow("select WORD_ID, count(*) as N from ("
                         " select FIRST_WORD_ID as WORD_ID from T_SYNONYM where IS_ABSOLUTE = 0"
                         " union all select SECOND_WORD_ID from T_SYNONYM where IS_ABSOLUTE = 0)"
                         " group by WORD_ID order by N desc, WORD_ID limit 1");
    if (hub.empty())
        throw std::runtime_error("No relative synonyms in " + database.string());
    const auto hubWord =
        queries.FirstRow("select WORD, MORE_INFO from T_WORD where ID = ?1", std::stoll(hub[0]));
    samples.Hub = {std::stoi(hub[0]), hubWord.at(0), hubWord.at(1)};
    samples.HubRelatives = std::stoll(hub[1]);

    const auto homonyms =
        queries.FirstRow("select W.WORD, count(*) as N from T_HOMONYM H, T_WORD W"
                         " where W.ID = H.FIRST_WORD_ID and W.LANG_CODE = 'BG'"
                         " group by H.FIRST_WORD_ID order by N desc, H.FIRST_WORD_ID limit 1");
    if (homonyms.empty())
        throw std::runtime_error("No homonyms in " + database.string());
    samples.TwentyHomonyms = homonyms[0];
    return samples;
}

TBenchContext*& ActiveContext() {
    static TBenchContext* active = nullptr;
    return active;
}

} // namespace

TBenchContext::TBenchContext(TBenchNetwork network) : mNetwork(std::move(network)) {}

TBenchContext::~TBenchContext() {
    Release();
}

const TSampleWords& TBenchContext::Samples() {
    if (!mSamples)
        mSamples = std::make_unique<TSampleWords>(FindSampleWords(mNetwork.Path));
    return *mSamples;
}

TQuorDataModule& TBenchContext::Store() {
    Activate();
    if (!mStore) {
        mStore = std::make_unique<TQuorDataModule>(QString::fromStdString(mNetwork.Path.string()));
        if (!mStore->IsConnected())
            throw std::runtime_error("The word store can not open " + mNetwork.Path.string());
        for (const bool similar : {false, true}) {
            TWordList words;
            bool moreWords = false;
            mStore->FindWords(Utf8ToPageText(Samples().Substring), "BG", similar, 20, words,
                              moreWords);
        }
    }
    return *mStore;
}

TSqlFloor& TBenchContext::Floor() {
    Activate();
    if (!mFloor)
        mFloor = std::make_unique<TSqlFloor>(mNetwork.Path);
    return *mFloor;
}

TMainForm& TBenchContext::Form() {
    TQuorDataModule& store = Store();
    if (!mForm) {
        mForm = std::make_unique<TMainForm>();
        mForm->SetDataModule(&store);
    }
    return *mForm;
}

TMainForm& TBenchContext::ShownForm() {
    TQuorDataModule& store = Store();
    if (!mShownForm) {
        mShownForm = std::make_unique<TMainForm>();
        mShownForm->SetDataModule(&store);
        TPaintWatcher painted(PageViewport(*mShownForm));
        mShownForm->show();
        if (!painted.WaitBeyond(0))
            throw std::runtime_error("The main window was never painted.");
    }
    return *mShownForm;
}

fs::path TBenchContext::AppFolder() {
    const fs::path root = ScratchFolder() / ("program-" + mNetwork.Name);
    const fs::path app = root / "app";
    if (!fs::exists(app / "styles.css")) {
        MakeFolderWithStylesheet(app);
        fs::create_directories(root / "Database");
        fs::create_symlink(mNetwork.Path, root / "Database" / "QuorSemanticNetwork.mdb");
    }
    return app;
}

void TBenchContext::Activate() {
    if (ActiveContext() != this) {
        if (ActiveContext())
            ActiveContext()->Release();
        ActiveContext() = this;
    }
}

void TBenchContext::Release() {
    // The windows first: they refer to the store.
    mShownForm.reset();
    mForm.reset();
    mStore.reset();
    mFloor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (ActiveContext() == this)
        ActiveContext() = nullptr;
}
