#include "core/store/SqliteNetworkState.h"

#include <QByteArray>
#include <QtGlobal>

#include <sqlite3.h>
#include <sys/stat.h>

namespace Quor {

namespace {

// A file's device and inode, size and modification time to the nanosecond, asked by path, which
// opens no descriptor; empty when there is no such file.
QString FileStatus(const char* path) {
    struct stat status {};
    if (!path || ::stat(path, &status) != 0)
        return {};
    return QStringLiteral("%1:%2 %3 %4.%5")
        .arg(status.st_dev)
        .arg(status.st_ino)
        .arg(status.st_size)
        .arg(status.st_mtim.tv_sec)
        .arg(status.st_mtim.tv_nsec);
}

// The first bytes of the network as the connection `schema` of `db` names it, read through the
// descriptor SQLite keeps open for it; empty when they can not be read.
QByteArray OwnHeader(sqlite3* db, const char* schema) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, schema, SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return {};
    QByteArray header(100, '\0');
    if (file->pMethods->xRead(file, header.data(), static_cast<int>(header.size()), 0) != SQLITE_OK)
        return {};
    return header;
}

// Whether the connection `schema` of `db` reads the network through a write-ahead log.
bool ReadsThroughLog(sqlite3* db, const char* schema) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QByteArray("pragma ") + schema + ".journal_mode";
    const bool log =
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW &&
        qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "wal") == 0;
    sqlite3_finalize(statement);
    return log;
}

// The header of the write-ahead log's index, through the connection's own mapping of the memory
// that SQLite shares between the readers of the network: it changes with every commit, at the
// moment the commit becomes visible to readers. A writer writes its second copy first, so two
// copies that agree were read whole. Empty when it can not be read.
QByteArray LogIndexHeader(sqlite3* db, const char* schema) {
    constexpr int kRegionBytes = 32768;
    constexpr int kHeaderBytes = 48;
    sqlite3_file* file = nullptr;
    volatile void* region = nullptr;
    if (sqlite3_file_control(db, schema, SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods || file->pMethods->iVersion < 2 ||
        file->pMethods->xShmMap(file, 0, kRegionBytes, 0, &region) != SQLITE_OK || !region)
        return {};
    const auto* bytes = static_cast<const volatile char*>(region);
    QByteArray copies(2 * kHeaderBytes, '\0');
    for (int i = 0; i < kHeaderBytes; ++i)
        copies[i] = bytes[i];
    file->pMethods->xShmBarrier(file);
    for (int i = kHeaderBytes; i < 2 * kHeaderBytes; ++i)
        copies[i] = bytes[i];
    if (copies.first(kHeaderBytes) != copies.last(kHeaderBytes))
        return {};
    return copies.first(kHeaderBytes);
}

} // namespace

QString SqliteNetworkLabel(sqlite3* db, const char* schema) {
    const QString network = FileStatus(sqlite3_db_filename(db, schema));
    const QByteArray header = OwnHeader(db, schema);
    if (network.isEmpty() || header.isEmpty())
        return {};
    QString label = network + QLatin1Char(' ') + QString::fromLatin1(header.toHex());
    if (ReadsThroughLog(db, schema)) {
        const QByteArray log = LogIndexHeader(db, schema);
        if (log.isEmpty())
            return {};
        label += QStringLiteral(" log ") + QString::fromLatin1(log.toHex());
    }
    return label;
}

unsigned SqliteSeenVersion(sqlite3* db) {
    unsigned version = 0;
    sqlite3_file_control(db, "main", SQLITE_FCNTL_DATA_VERSION, &version);
    return version;
}

} // namespace Quor
