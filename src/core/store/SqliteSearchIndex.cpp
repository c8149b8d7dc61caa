#include "core/store/SqliteSearchIndex.h"

#include "core/BackgroundWork.h"
#include "core/store/SqliteFunctions.h"
#include "core/store/SqliteNetworkState.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <utility>

namespace Quor {

namespace {

// Written into every index file; an index of another layout is built anew.
constexpr const char* kLayoutVersion = "2";

// What one kind of index holds and how it answers. The build runs with the network attached as
// NETWORK; the statement names the index's schema %1. Words without a text or a language match
// neither search and are left out. The statement checks every row it finds against the
// network's own row with agrees_with_network, which fails it where they disagree.
struct TLayout {
    const char* Name;
    const char* Schema;
    const char* Build;
    const char* Statement;
    // The tables whose rows the checksum covers, separated by spaces.
    const char* Checked;
    // Whether the index is worth its while only where the plain statement reads every word of a
    // language (see Needed); else wherever the network is large enough.
    bool WhereWordsAreRead;
    // Whether it may be built in the background where the store asks so, the plain statement
    // answering meanwhile.
    bool MayWait;
};

const TLayout kExactLayout{
    "exact",
    "QUOR_EXACT_INDEX",
    "create table WORD_KEY (UCASE_WORD text, LANG_CODE text, WORD_ROWID integer,"
    " primary key (UCASE_WORD, LANG_CODE, WORD_ROWID)) without rowid;"
    "insert into WORD_KEY select ucase(WORD), LANG_CODE, rowid from NETWORK.T_WORD"
    " where WORD is not null and LANG_CODE is not null order by 1, 2, 3;",
    "select W.ID as ID, W.MORE_INFO as MORE_INFO, W.WORD as WORD\r\n"
    "from %1.WORD_KEY AS K left join main.T_WORD AS W on W.rowid = K.WORD_ROWID\r\n"
    "where K.UCASE_WORD = ucase(:WORD) and K.LANG_CODE = :LANG_CODE\r\n"
    "and agrees_with_network(W.LANG_CODE = K.LANG_CODE and ucase(W.WORD) = K.UCASE_WORD)\r\n"
    "order by K.WORD_ROWID\r\n",
    "WORD_KEY",
    true,
    false,
};

const TLayout kSimilarLayout{
    "similar",
    "QUOR_SIMILAR_INDEX",
    "create table WORD_KEY (LANG_CODE text, WORD_LENGTH integer, WORD_ROWID integer,"
    " UCASE_WORD text, primary key (LANG_CODE, WORD_LENGTH, WORD_ROWID)) without rowid;"
    "insert into WORD_KEY select LANG_CODE, len(WORD), rowid, ucase(WORD) from NETWORK.T_WORD"
    " where WORD is not null and LANG_CODE is not null order by 1, 2, 3;",
    "select W.ID as ID, W.MORE_INFO as MORE_INFO, W.WORD as WORD\r\n"
    "from %1.WORD_KEY AS K left join main.T_WORD AS W on W.rowid = K.WORD_ROWID\r\n"
    "where K.LANG_CODE = :LANG_CODE and K.UCASE_WORD like ucase(:WORD)\r\n"
    "and agrees_with_network(W.LANG_CODE = K.LANG_CODE and ucase(W.WORD) = K.UCASE_WORD\r\n"
    "and len(W.WORD) = K.WORD_LENGTH)\r\n"
    "order by K.WORD_LENGTH, K.WORD_ROWID\r\n",
    "WORD_KEY",
    true,
    false,
};

// The meanings numbered in the order the search gives them (RANK: by length, then by id), their
// words (MeaningWords) in a full-text table under those numbers, and the words of each meaning,
// in the order of their ids. The full-text table holds no text of its own, only where each word
// occurs, with indexes of the words' first one and two letters, so that a short typed word such
// as "на" is one list to walk rather than those of every word it begins; it finds the meanings
// with a word beginning with each typed word, in the order of their
// numbers, so that the search stops at the 21st word found: the statement orders by that number
// alone, which the full-text table gives without sorting, and the words of one meaning come in
// the order of MEANING_WORD's key, which the search walks (a second key to order by would sort
// every meaning found first). Each row is checked against the network's own meaning and word.
const TLayout kMeaningsLayout{
    "meanings",
    "QUOR_MEANINGS_INDEX",
    "create temp table MEANING_RANK (RANK integer);"
    "insert into temp.MEANING_RANK (rowid, RANK) select rowid,"
    " row_number() over (order by len(MEANING), cast(ID as integer)) from NETWORK.T_MEANING;"
    "create virtual table MEANING_TEXT using fts5(WORDS, content='', tokenize='ascii',"
    " detail='none', columnsize=0, prefix='1 2');"
    "insert into MEANING_TEXT (rowid, WORDS) select R.RANK, meaning_words(M.MEANING)"
    " from NETWORK.T_MEANING AS M, temp.MEANING_RANK AS R where R.rowid = M.rowid"
    " order by R.RANK;"
    "insert into MEANING_TEXT (MEANING_TEXT) values ('optimize');"
    "create table MEANING_WORD (RANK integer, WORD_NUMBER integer, WORD_ROWID integer,"
    " MEANING_ROWID integer, LANG_CODE text, primary key (RANK, WORD_NUMBER, WORD_ROWID))"
    " without rowid;"
    "insert or ignore into MEANING_WORD select R.RANK, cast(W.ID as integer), W.rowid, M.rowid,"
    " W.LANG_CODE from NETWORK.TM_WORD_MEANING AS WM, NETWORK.T_MEANING AS M,"
    " temp.MEANING_RANK AS R, NETWORK.T_WORD AS W where M.ID = WM.MEANING_ID"
    " and R.rowid = M.rowid and W.ID = WM.WORD_ID and W.LANG_CODE is not null order by 1, 2, 3;"
    "drop table temp.MEANING_RANK;",
    "select W.ID as ID, W.MORE_INFO as MORE_INFO, W.WORD as WORD\r\n"
    "from %1.MEANING_TEXT AS F cross join %1.MEANING_WORD AS K\r\n"
    "left join main.T_WORD AS W on W.rowid = K.WORD_ROWID\r\n"
    "left join main.T_MEANING AS M on M.rowid = K.MEANING_ROWID\r\n"
    "where F.MEANING_TEXT match :MATCH and K.RANK = F.rowid and K.LANG_CODE = :LANG_CODE\r\n"
    "and agrees_with_network(W.LANG_CODE = K.LANG_CODE and cast(W.ID as integer) = "
    "K.WORD_NUMBER\r\n"
    "and not exists (select 1 from json_each(:TERMS) AS T\r\n"
    "    where not exists (select 1 from json_each(T.value) AS S\r\n"
    "        where instr(meaning_words(M.MEANING), ' ' || S.value) > 0)))\r\n"
    "order by F.rowid\r\n",
    "MEANING_WORD MEANING_TEXT_data MEANING_TEXT_idx",
    false,
    true,
};

// agrees_with_network(agrees): 1 where a row that the index found agrees with the network's own
// row; otherwise the statement fails, and the plain statement answers.
void AgreesWithNetwork(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) != SQLITE_NULL && sqlite3_value_int(arguments[0]) != 0)
        sqlite3_result_int(context, 1);
    else
        sqlite3_result_error(context, "The search index disagrees with the network.", -1);
}

bool RegisterRowCheck(sqlite3* db) {
    return sqlite3_create_function_v2(db, "agrees_with_network", 1, SQLITE_UTF8, nullptr,
                                      AgreesWithNetwork, nullptr, nullptr, nullptr) == SQLITE_OK;
}

template <typename TNumber> void AppendBytes(QByteArray& block, TNumber number) {
    block.append(reinterpret_cast<const char*>(&number), sizeof number);
}

// The type of a column's value and its bytes: a number as it is held, a text or blob after its
// length.
void AppendValue(QByteArray& block, sqlite3_stmt* rows, int column) {
    const int type = sqlite3_column_type(rows, column);
    block.append(static_cast<char>('0' + type));
    if (type == SQLITE_INTEGER) {
        AppendBytes(block, sqlite3_column_int64(rows, column));
    } else if (type == SQLITE_FLOAT) {
        AppendBytes(block, sqlite3_column_double(rows, column));
    } else {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(rows, column));
        const int size = sqlite3_column_bytes(rows, column);
        AppendBytes(block, size);
        block.append(bytes, size);
    }
}

// Adds every value of the rows of `sql` to the hash; false when they can not be read.
bool AddRows(QCryptographicHash& hash, sqlite3* db, const QByteArray& sql) {
    sqlite3_stmt* rows = nullptr;
    // The values go to the hash a block at a time: a million rows are hashed in a few tens of
    // milliseconds, where a call for each value would take the better part of a second.
    constexpr qsizetype kBlock = 1 << 16;
    QByteArray block;
    block.reserve(kBlock + 256);
    int step = sqlite3_prepare_v2(db, sql.constData(), -1, &rows, nullptr);
    while (step == SQLITE_OK && (step = sqlite3_step(rows)) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(rows); ++i)
            AppendValue(block, rows, i);
        if (block.size() >= kBlock) {
            hash.addData(block);
            block.resize(0);
        }
        step = SQLITE_OK;
    }
    hash.addData(block);
    sqlite3_finalize(rows);
    return step == SQLITE_DONE;
}

// A checksum of every value of the rows of the index's tables (`tables`, separated by spaces), in
// their order: a value changed since the index was built changes it, even where SQLite finds the
// file sound. Empty when the rows can not be read.
QByteArray RowsChecksum(sqlite3* db, const char* schema, const char* tables) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QByteArray& table : QByteArray(tables).split(' '))
        if (!AddRows(hash, db, QByteArray("select * from ") + schema + '.' + table))
            return {};
    return hash.result().toHex();
}

// What tells one state of an index file from any other: its device and inode, size, and its
// modification and change times to the nanosecond; empty when the file can not be told. Every
// write to the file, and putting another file in its place, changes it.
QByteArray FileState(const QString& file) {
    struct stat state {};
    if (::stat(QFile::encodeName(file).constData(), &state) != 0)
        return {};
    QByteArray text;
    for (const auto number :
         {qlonglong(state.st_dev), qlonglong(state.st_ino), qlonglong(state.st_size),
          qlonglong(state.st_mtim.tv_sec), qlonglong(state.st_mtim.tv_nsec),
          qlonglong(state.st_ctim.tv_sec), qlonglong(state.st_ctim.tv_nsec)})
        text += QByteArray::number(number) + ' ';
    return text;
}

// The note beside an index file that a session found its rows to hold their checksum, made for
// the file in the state it was found in; a later session that finds the file in that same state
// need not read every row again (a session's first search, and each look-up printed in a
// terminal, would otherwise spend most of its time there). Any change to the file makes the note
// stale. Each row the index finds is still checked against the network's own row.
QString CheckedNotePath(const QString& file) {
    return file + QStringLiteral(".checked");
}

QByteArray CheckedNote(const QString& file, const QByteArray& rows) {
    const QByteArray state = FileState(file);
    return state.isEmpty() ? QByteArray() : state + rows;
}

// Takes a lock of `type` on the first byte of a partial index file for as long as `file` stays
// open, or fails at once where another open file holds a lock against it: a builder holds a write
// lock, and a read lock tells whether one does. The lock belongs to the open file, so SQLite's own
// locks on the file, and its closing of it, leave it alone; the system releases it when the
// builder's process ends, killed or not.
bool LockBuild(int file, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    return ::fcntl(file, F_OFD_SETLK, &lock) == 0;
}

// Removes the partial index files in `folder` that no builder holds: those of builds whose
// process was killed before the file was put in place.
void RemoveAbandonedBuilds(const QString& folder) {
    const QStringList partials =
        QDir(folder).entryList({QStringLiteral("*.sqlite.*.partial")}, QDir::Files);
    for (const QString& name : partials) {
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        const int file = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (file < 0)
            continue;
        if (LockBuild(file, F_RDLCK))
            ::unlink(path.constData());
        ::close(file);
    }
}

// Whether `path` still names the open `file`: a session that found it unlocked before its builder
// locked it has removed it.
bool StillNamed(int file, const QString& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(file, &opened) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Runs SQL without rows on a bare handle.
bool Execute(sqlite3* db, const QString& sql) {
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Stops SQLite's work on a build at its next steps once `stop` is set.
int StopWhenAsked(void* stop) {
    return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

class TSqliteSearchIndex final : public TSearchIndex {
public:
    TSqliteSearchIndex(const TLayout& layout, QString databasePath, QString plainText,
                       TSearchIndexSettings settings)
        : mLayout(layout), mNetworkPath(std::move(databasePath)), mPlainText(std::move(plainText)),
          mSettings(std::move(settings)), mSchema(QLatin1String(layout.Schema)) {}

    TReadiness Prepare(QSqlDatabase& connection, const TBuilding& building) override {
        sqlite3* db = SqliteHandle(connection);
        if (!db || BeingBuilt())
            return TReadiness::Refused;
        // A connection opened again has nothing attached.
        mAttached = mAttached && IsAttached(db);
        if (mAttached && !mDiscarded && SqliteSeenVersion(db) == mAttachedVersion)
            return TReadiness::Ready;
        const QString label = SqliteNetworkLabel(db, "main");
        if (label.isEmpty())
            return TReadiness::Refused;
        if (!mDiscarded && label == mRefusedLabel)
            return TReadiness::Refused;
        // Attaching and detaching wait for the end of a transaction.
        if (!sqlite3_get_autocommit(db))
            return TReadiness::OutsideTransaction;
        Detach(connection);
        if (!Needed(connection)) {
            mRefusedLabel = label;
            return TReadiness::Refused;
        }
        if (!mSwept) {
            RemoveAbandonedBuilds(mSettings.Folder);
            mSwept = true;
        }
        const QString file = FilePath();
        if (mDiscarded) {
            QFile::remove(file);
            QFile::remove(CheckedNotePath(file));
            mDiscarded = false;
        }
        const bool builtAside = mBackgroundBuild != nullptr;
        if (builtAside) {
            mBuiltChecksum = mBackgroundBuild->Take();
            mBackgroundBuild.reset();
        }
        if (Attach(connection, file))
            return TReadiness::Ready;
        if (!builtAside && building.InBackground && mLayout.MayWait) {
            // At a lower priority than the window's; destroying the store stops it within a few
            // of SQLite's steps, and its partial file is removed.
            mBackgroundBuild = std::make_unique<TBackgroundWork<QByteArray>>(
                [this, file](const std::atomic<bool>& stop) {
                    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
                    return Build(file, stop);
                });
            return TReadiness::Refused;
        }
        if (!builtAside) {
            const TBusyTime busy(building.Busy);
            const std::atomic<bool> never{false};
            mBuiltChecksum = Build(file, never);
        }
        if (!builtAside && !mBuiltChecksum.isEmpty() && Attach(connection, file))
            return TReadiness::Ready;
        mRefusedLabel = label;
        return TReadiness::Refused;
    }

    bool BeingBuilt() const override { return mBackgroundBuild && !mBackgroundBuild->Finished(); }

    QString StatementText() const override {
        return QString::fromLatin1(mLayout.Statement).arg(mSchema);
    }

    bool IsCurrent(QSqlDatabase& connection) const override {
        sqlite3* db = SqliteHandle(connection);
        return db && mAttached && !mDiscarded && SqliteSeenVersion(db) == mAttachedVersion;
    }

    void Discard() override { mDiscarded = true; }

private:
    // The network is large enough, and the plain statement reads the language's words in rowid
    // order: every word, or those of an index on LANG_CODE alone. With any other index the
    // network answers well by itself, in an order of its own.
    bool Needed(QSqlDatabase& connection) const {
        if (QFileInfo(mNetworkPath).size() < mSettings.MinimumNetworkBytes)
            return false;
        if (!mLayout.WhereWordsAreRead)
            return true;
        static const QRegularExpression scan(QStringLiteral("^SCAN (TABLE )?T_WORD$"));
        static const QRegularExpression search(
            QStringLiteral("^SEARCH (TABLE )?T_WORD USING INDEX (\\S+) \\(LANG_CODE=\\?\\)$"));
        QSqlQuery plan(connection);
        plan.prepare(QStringLiteral("explain query plan ") + mPlainText);
        plan.bindValue(QStringLiteral(":WORD"), QString());
        plan.bindValue(QStringLiteral(":LANG_CODE"), QString());
        if (!plan.exec())
            return false;
        bool readsWords = false;
        while (plan.next()) {
            const QString step = plan.value(QStringLiteral("detail")).toString();
            const QRegularExpressionMatch index = search.match(step);
            if (scan.match(step).hasMatch() ||
                (index.hasMatch() && IndexColumns(connection, index.captured(2)) ==
                                         QStringList{QStringLiteral("LANG_CODE")}))
                readsWords = true;
            else if (step != QLatin1String("USE TEMP B-TREE FOR ORDER BY"))
                return false;
        }
        return readsWords;
    }

    static QStringList IndexColumns(QSqlDatabase& connection, const QString& index) {
        QSqlQuery columns(connection);
        QStringList names;
        columns.prepare(
            QStringLiteral("select name from pragma_index_info(:INDEX) order by seqno"));
        columns.bindValue(QStringLiteral(":INDEX"), index);
        if (columns.exec())
            while (columns.next())
                names.append(columns.value(0).toString());
        return names;
    }

    // The index file of this network: one per network path and kind.
    QString FilePath() const {
        const QByteArray path = QFileInfo(mNetworkPath).canonicalFilePath().toUtf8();
        const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex();
        return mSettings.Folder + QLatin1Char('/') + QString::fromLatin1(hash) + QLatin1Char('.') +
               QLatin1String(mLayout.Name) + QStringLiteral(".sqlite");
    }

    // Attaches the index file when it was built from the network as the connection reads it now,
    // and holds the rows it was built with; otherwise, or when it can not be read, removes it.
    bool Attach(QSqlDatabase& connection, const QString& file) {
        if (!QFileInfo::exists(file))
            return false;
        QSqlQuery attach(connection);
        attach.prepare(QStringLiteral("attach database :FILE as ") + mSchema);
        attach.bindValue(QStringLiteral(":FILE"), file);
        mAttached = attach.exec();
        const QStringList description = mAttached ? Description(connection) : QStringList();
        sqlite3* db = SqliteHandle(connection);
        const QByteArray rows = description.value(2).toLatin1();
        // The rows of the file this session has just built need not be read a second time, nor
        // those of a file found as a session that read them left it.
        const bool builtHere = !rows.isEmpty() && rows == std::exchange(mBuiltChecksum, {});
        const QByteArray note = rows.isEmpty() ? QByteArray() : CheckedNote(file, rows);
        const bool checkedBefore = !note.isEmpty() && ReadNote(file) == note;
        if (description.size() == 3 && description[0] == QLatin1String(kLayoutVersion) &&
            ReadsNetwork(db, description[1]) &&
            (builtHere || checkedBefore ||
             rows == RowsChecksum(db, mLayout.Schema, mLayout.Checked)) &&
            RegisterRowCheck(db)) {
            if (!checkedBefore)
                WriteNote(file, note);
            return true;
        }
        Detach(connection);
        QFile::remove(file);
        QFile::remove(CheckedNotePath(file));
        return false;
    }

    static QByteArray ReadNote(const QString& file) {
        QFile note(CheckedNotePath(file));
        return note.open(QIODevice::ReadOnly) ? note.read(1024) : QByteArray();
    }

    // Put in place whole, or not at all.
    static void WriteNote(const QString& file, const QByteArray& note) {
        QSaveFile saved(CheckedNotePath(file));
        if (!note.isEmpty() && saved.open(QIODevice::WriteOnly) && saved.write(note) == note.size())
            saved.commit();
    }

    // What the attached index says of itself: its layout, the label of the network it was built
    // from and the checksum of its rows; empty when it can not be read.
    QStringList Description(QSqlDatabase& connection) const {
        QSqlQuery query(connection);
        if (!query.exec(QStringLiteral("select LAYOUT, NETWORK, ROWS from ") + mSchema +
                        QStringLiteral(".SEARCH_INDEX")) ||
            !query.next())
            return {};
        return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
    }

    // Whether a read of the network by the connection finds it labelled `label`, and with which
    // version: the label before that read and after it tell that no commit came between.
    bool ReadsNetwork(sqlite3* db, const QString& label) {
        if (!db || label.isEmpty() || SqliteNetworkLabel(db, "main") != label ||
            !Execute(db, QStringLiteral("pragma main.data_version")))
            return false;
        mAttachedVersion = SqliteSeenVersion(db);
        return SqliteNetworkLabel(db, "main") == label;
    }

    bool IsAttached(sqlite3* db) const {
        const char* file = sqlite3_db_filename(db, mLayout.Schema);
        return file && *file;
    }

    void Detach(QSqlDatabase& connection) {
        if (mAttached)
            QSqlQuery(connection).exec(QStringLiteral("detach database ") + mSchema);
        mAttached = false;
    }

    // Builds the index into a new file beside `file` and puts it in its place, labelled with the
    // network it was built from: the label before the build's read and at its end tell that no
    // commit came between. Returns the checksum of its rows, empty when the build failed or was
    // stopped. Reads only what does not change after construction, so that it may run in a
    // thread of its own.
    QByteArray Build(const QString& file, const std::atomic<bool>& stop) const {
        if (!QDir().mkpath(mSettings.Folder))
            return {};
        // Locked while it is built, and removed when the build fails.
        QTemporaryFile partial(file + QStringLiteral(".XXXXXX.partial"));
        if (!partial.open() || !LockBuild(partial.handle(), F_WRLCK) ||
            !StillNamed(partial.handle(), partial.fileName()))
            return {};

        sqlite3* db = nullptr;
        const QByteArray partialName = QFile::encodeName(partial.fileName());
        bool built = sqlite3_open_v2(partialName.constData(), &db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr) == SQLITE_OK;
        if (db)
            sqlite3_progress_handler(db, 1000, &StopWhenAsked,
                                     const_cast<void*>(static_cast<const void*>(&stop)));
        // The network is read through a read-only URI; SQLite sorts with a helper thread where
        // it may, and a file that is replaced whole needs no journal.
        QString network = QUrl::fromLocalFile(QFileInfo(mNetworkPath).absoluteFilePath())
                              .toString(QUrl::FullyEncoded);
        network.replace(QLatin1Char('\''), QStringLiteral("''"));
        built = built && RegisterSqliteFunctions(db) == SQLITE_OK &&
                Execute(db, QStringLiteral("pragma journal_mode = off; pragma synchronous = off;"
                                           "pragma threads = 1;"
                                           "attach database '%1?mode=ro' as NETWORK;"
                                           "select count(*) from NETWORK.sqlite_master;")
                                .arg(network));
        const QString label = built ? SqliteNetworkLabel(db, "NETWORK") : QString();
        built = !label.isEmpty() &&
                Execute(db, QStringLiteral("begin;") + QString::fromLatin1(mLayout.Build)) &&
                SqliteNetworkLabel(db, "NETWORK") == label;
        const QByteArray rows = built ? RowsChecksum(db, "main", mLayout.Checked) : QByteArray();
        built =
            built && !rows.isEmpty() &&
            Execute(db, QStringLiteral("create table SEARCH_INDEX (LAYOUT text, NETWORK text,"
                                       " ROWS text);"
                                       "insert into SEARCH_INDEX values ('%1', '%2', '%3');"
                                       "commit;")
                            .arg(QLatin1String(kLayoutVersion),
                                 QString(label).replace(QLatin1Char('\''), QStringLiteral("''")),
                                 QString::fromLatin1(rows)));
        sqlite3_close_v2(db);
        const QByteArray target = QFile::encodeName(file);
        // std::rename replaces an older index at once; a connection that has it attached goes on
        // reading the old one.
        built = built && !stop && std::rename(partialName.constData(), target.constData()) == 0;
        return built ? rows : QByteArray();
    }

    const TLayout& mLayout;
    const QString mNetworkPath;
    const QString mPlainText;
    const TSearchIndexSettings mSettings;
    const QString mSchema;
    bool mAttached = false;
    // The version of the network, as the connection counts them, that the attached index holds.
    unsigned mAttachedVersion = 0;
    // The label of the network for which the index is not needed or could not be had.
    QString mRefusedLabel;
    bool mDiscarded = false;
    // Whether this session removed the files of killed builds.
    bool mSwept = false;
    // The checksum of the rows of the index file just built, until it is attached.
    QByteArray mBuiltChecksum;
    // Last: it reads the members above until it is destroyed.
    std::unique_ptr<TBackgroundWork<QByteArray>> mBackgroundBuild;
};

} // namespace

TSearchIndexSettings TSearchIndexSettings::Default() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return {cache.isEmpty() ? QString() : cache + QStringLiteral("/search-indexes"), 8 << 20};
}

std::unique_ptr<TSearchIndex> MakeSqliteSearchIndex(TStatementKind kind,
                                                    const QString& databasePath,
                                                    const QString& plainText,
                                                    const TSearchIndexSettings& settings) {
    const TLayout* layout = kind == TStatementKind::WordsExact        ? &kExactLayout
                            : kind == TStatementKind::WordsInexact    ? &kSimilarLayout
                            : kind == TStatementKind::WordsByMeanings ? &kMeaningsLayout
                                                                      : nullptr;
    if (settings.Folder.isEmpty() || !layout)
        return nullptr;
    return std::make_unique<TSqliteSearchIndex>(*layout, databasePath, plainText, settings);
}

} // namespace Quor
