#pragma once

#include "core/suggest/Lexicon.h"
#include "core/suggest/WordForms.h"

#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace Quor {

// What the suggestions need of one language, read in a thread of its own so that the first search
// that finds nothing has it ready: the language's words from a network, and its dictionary. A Qt
// SQL connection serves only the thread that made it: the thread opens a store of its own on the
// network. A failure to read the network is quiet: the words are then read as without the reader.
// Destroying the reader stops the read between two rows and waits for the thread. Hunspell sets
// up and frees a table shared by all its dictionaries without a lock: no other thread may make or
// drop a dictionary while a reader lives.
class TLexiconReader {
public:
    struct TRead {
        // The language's dictionary; null when none was to be read.
        std::unique_ptr<TWordForms> Forms;
        // The words, and what told the network before they were read; null when the network
        // could not be read.
        std::unique_ptr<TLexicon> Lexicon;
        QString NetworkLabel;
    };

    // Starts reading the words of `langCode` from the network `databasePath` names and, unless
    // `dictionaryFolder` is empty, the language's dictionary from there.
    TLexiconReader(const QString& databasePath, const QString& dictionaryFolder,
                   const std::string& langCode);
    ~TLexiconReader();
    TLexiconReader(const TLexiconReader&) = delete;
    TLexiconReader& operator=(const TLexiconReader&) = delete;

    const std::string& Language() const { return mLangCode; }
    // Whether the read has ended, so that Take does not wait.
    bool Done() const { return mDone; }
    // Waits for the read to end and takes what it read; nothing after the first time.
    TRead Take();

private:
    void Read(const QString& databasePath, const QString& dictionaryFolder);
    void ReadWords(const QString& databasePath);

    const std::string mLangCode;
    std::atomic<bool> mStop{false};
    std::atomic<bool> mDone{false};
    // Written by the thread only, taken after joining it.
    TRead mRead;
    std::thread mThread;
};

} // namespace Quor
