#pragma once

#include "core/Word.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

// A database of the network's schema in a folder of its own, filled by the test. Texts are
// given in UTF-8, as the database holds them.
class TFixtureDatabase {
public:
    // The schema of the network: T_WORD, T_MEANING, TM_WORD_MEANING, T_HOMONYM, T_SYNONYM.
    static const char* const kSchema;

    // A new database; `schema` is run on it first.
    explicit TFixtureDatabase(const char* schema = kSchema);
    ~TFixtureDatabase();
    TFixtureDatabase(const TFixtureDatabase&) = delete;
    TFixtureDatabase& operator=(const TFixtureDatabase&) = delete;

    QString Path() const { return mPath; }
    QString Folder() const { return mFolder.path(); }

    // Runs SQL on the database; a failure fails the test run with the engine's message.
    void Exec(const std::string& sql);

    // Adds a word and returns its id (the next free one unless `id` is given).
    std::int32_t AddWord(const std::string& word, const std::string& langCode = "BG",
                         const std::string& moreInfo = "", std::int32_t id = 0);
    // Adds a meaning for a word and returns the meaning's id (next free one unless given).
    std::int32_t AddMeaning(std::int32_t wordId, const std::string& meaning,
                            std::int32_t meaningId = 0);
    void AddHomonyms(std::int32_t firstWordId, std::int32_t secondWordId);
    void AddSynonyms(std::int32_t firstWordId, std::int32_t secondWordId, bool absolute);

    // Closes the test's own handle, so that only the program under test holds the file.
    void Close();

private:
    QTemporaryDir mFolder;
    QString mPath;
    sqlite3* mHandle = nullptr;
};

// Windows-1251 page text of UTF-8 source text, for comparing with what the program composes.
std::string Cp(const char* utf8);

// A word as a failure report shows it: "#7 кот (животно)".
QString Described(const Quor::TWord& word);

namespace Quor {
// How QCOMPARE shows a word that differs; Qt Test finds it by the word's namespace.
char* toString(const TWord& word);
} // namespace Quor

// The bytes of a file, or an empty string when it can not be read.
std::string ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const std::string& bytes);

// A working folder of the test's own, made current while it lives, optionally with a
// "styles.css"; the earlier current folder comes back afterwards.
class TWorkingFolder {
public:
    explicit TWorkingFolder(const std::string* stylesheet = nullptr);
    ~TWorkingFolder();
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

    QString Path() const { return mFolder.path(); }
    void WriteStylesheet(const std::string& bytes);
    void RemoveStylesheet();

private:
    QTemporaryDir mFolder;
    QString mPreviousFolder;
};

// A temporary folder of the test's own, made the program's temporary folder (TMPDIR) while it
// lives, so that the page files of a test can be counted and read.
class TPageFileFolder {
public:
    TPageFileFolder();
    ~TPageFileFolder();
    TPageFileFolder(const TPageFileFolder&) = delete;
    TPageFileFolder& operator=(const TPageFileFolder&) = delete;

    QString Path() const { return mFolder.path(); }
    // Leaves the folder behind when this ends, for a test that looks at it afterwards and then
    // removes it.
    void KeepAfterwards() { mFolder.setAutoRemove(false); }
    // The page files made so far, oldest first.
    QStringList PageFiles() const;

private:
    QTemporaryDir mFolder;
    QByteArray mPreviousTmpDir;
    bool mHadTmpDir;
};
