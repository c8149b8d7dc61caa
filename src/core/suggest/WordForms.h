#pragma once

#include "core/Word.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

class Hunspell;

namespace Quor {

// The dictionary forms of inflected words (къщата: къща; домами: дом), by Hunspell's stemming
// with the system's Bulgarian and Russian dictionaries. A language without its dictionary has no
// forms. Texts are Windows-1251 page text.
class TWordForms {
public:
    static constexpr const char* kSystemDictionaries = "/usr/share/hunspell";

    // The dictionaries are read from `folder` (bg_BG.aff and .dic, ru_RU.aff and .dic), each
    // when its language is first asked about.
    explicit TWordForms(QString folder = QString::fromLatin1(kSystemDictionaries));
    ~TWordForms();
    TWordForms(const TWordForms&) = delete;
    TWordForms& operator=(const TWordForms&) = delete;

    // The dictionary forms of `word` in the language "BG" or "RU", the word itself left out;
    // none when the dictionary does not know the word or is missing.
    TStringList DictionaryForms(const std::string& word, const std::string& langCode);

    // Reading a dictionary takes a while: forms in a thread of their own may read one ahead, and
    // these take it over.
    const QString& Folder() const { return mFolder; }
    // Whether the language's dictionary has been read, or found missing.
    bool HasRead(const std::string& langCode) const { return mDictionaries.contains(langCode); }
    // Reads the language's dictionary now, unless it has been read.
    void Read(const std::string& langCode) { Dictionary(langCode); }
    // Takes over the dictionaries `other` has read that these lack.
    void Adopt(TWordForms&& other);

private:
    class TDictionary;
    TDictionary* Dictionary(const std::string& langCode);

    QString mFolder;
    // Null for a language whose dictionary is missing or unreadable.
    std::map<std::string, std::unique_ptr<TDictionary>> mDictionaries;
};

} // namespace Quor
