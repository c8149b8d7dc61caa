#include "core/suggest/LexiconReader.h"

#include "core/QuorError.h"
#include "core/store/QuorData.h"

#include <exception>

namespace Quor {

TLexiconReader::TLexiconReader(const QString& databasePath, const QString& dictionaryFolder,
                               const std::string& langCode)
    : mLangCode(langCode),
      mThread([this, databasePath, dictionaryFolder] { Read(databasePath, dictionaryFolder); }) {}

TLexiconReader::~TLexiconReader() {
    mStop = true;
    if (mThread.joinable())
        mThread.join();
}

TLexiconReader::TRead TLexiconReader::Take() {
    if (mThread.joinable())
        mThread.join();
    return std::move(mRead);
}

void TLexiconReader::Read(const QString& databasePath, const QString& dictionaryFolder) {
    try {
        ReadWords(databasePath);
        if (!dictionaryFolder.isEmpty() && !mStop) {
            mRead.Forms = std::make_unique<TWordForms>(dictionaryFolder);
            mRead.Forms->Read(mLangCode);
        }
    } catch (const std::exception&) {
        // Out of memory, say: the question reads what is missing itself.
    }
    mDone = true;
}

void TLexiconReader::ReadWords(const QString& databasePath) {
    try {
        TQuorDataModule store(databasePath, TQuorDataModule::TQuietFailure{});
        if (!store.IsConnected() || mStop)
            return;
        QString label = store.NetworkLabel();
        TStringList words;
        store.ReadLanguageWords(mLangCode, words, &mStop);
        if (mStop)
            return;
        mRead.Lexicon = std::make_unique<TLexicon>(std::move(words));
        mRead.NetworkLabel = std::move(label);
    } catch (const EQuorError&) {
        // The network is gone or the server is down: the question reads the words itself.
    }
}

} // namespace Quor
