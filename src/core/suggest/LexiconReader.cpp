#include "core/suggest/LexiconReader.h"

#include "core/QuorError.h"
#include "core/store/QuorData.h"

#include <exception>

namespace Quor {

TLexiconReader::TLexiconReader(const QString& databasePath, const QString& dictionaryFolder,
                               const std::string& langCode)
    : mLangCode(langCode),
      mRead([databasePath, dictionaryFolder, langCode](const std::atomic<bool>& stop) {
          return Read(databasePath, dictionaryFolder, langCode, stop);
      }) {}

auto TLexiconReader::Read(const QString& databasePath, const QString& dictionaryFolder,
                          const std::string& langCode, const std::atomic<bool>& stop) -> TRead {
    TRead read;
    try {
        ReadWords(databasePath, langCode, stop, read);
        if (!dictionaryFolder.isEmpty() && !stop) {
            read.Forms = std::make_unique<TWordForms>(dictionaryFolder);
            read.Forms->Read(langCode);
        }
    } catch (const std::exception&) {
        // Out of memory, say: the question reads what is missing itself.
    }
    return read;
}

void TLexiconReader::ReadWords(const QString& databasePath, const std::string& langCode,
                               const std::atomic<bool>& stop, TRead& read) {
    try {
        TQuorDataModule store(databasePath, TQuorDataModule::TQuietFailure{});
        if (!store.IsConnected() || stop)
            return;
        QString label = store.NetworkLabel();
        TStringList words;
        store.ReadLanguageWords(langCode, words, &stop);
        if (stop)
            return;
        read.Lexicon = std::make_unique<TLexicon>(std::move(words));
        read.NetworkLabel = std::move(label);
    } catch (const EQuorError&) {
        // The network is gone or the server is down: the question reads the words itself.
    }
}

} // namespace Quor
