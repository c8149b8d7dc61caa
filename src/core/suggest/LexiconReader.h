#pragma once

#include "core/BackgroundWork.h"
#include "core/suggest/Lexicon.h"
#include "core/suggest/WordForms.h"

#include <QString>

#include <atomic>
#include <memory>
#include <string>

namespace Quor {

// What the suggestions need of one language, read in a thread of its own so that the first search
// that finds nothing has it ready: the language's words from a network, and its dictionary. A Qt
// SQL connection serves only the thread that made it: the thread opens a store of its own on the
// network. A failure to read the network is quiet: the words are then read as without the reader.
// Destroying the reader stops the read between two rows and waits for the thread.
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

    const std::string& Language() const { return mLangCode; }
    // Whether the read has ended, so that Take does not wait.
    bool Done() const { return mRead.Finished(); }
    // Waits for the read to end and takes what it read; nothing after the first time.
    TRead Take() { return mRead.Take(); }

private:
    static TRead Read(const QString& databasePath, const QString& dictionaryFolder,
                      const std::string& langCode, const std::atomic<bool>& stop);
    static void ReadWords(const QString& databasePath, const std::string& langCode,
                          const std::atomic<bool>& stop, TRead& read);

    const std::string mLangCode;
    TBackgroundWork<TRead> mRead;
};

} // namespace Quor
