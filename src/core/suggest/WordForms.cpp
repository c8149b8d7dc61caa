#include "core/suggest/WordForms.h"

#include "core/text/CodePage.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

#include <algorithm>
#include <memory>
#include <mutex>

namespace Quor {

namespace {

// Longer texts are no word of a dictionary.
constexpr std::size_t kLongestWord = 100;

// The file name of a language's dictionary, without .aff or .dic; empty for another language.
QString DictionaryName(const std::string& langCode) {
    if (langCode == "BG")
        return QStringLiteral("bg_BG");
    if (langCode == "RU")
        return QStringLiteral("ru_RU");
    return {};
}

} // namespace

// Hunspell sets up and frees tables that all its dictionaries share without a lock of its own,
// and dictionaries are read in more than one thread (the suggestions read theirs ahead while a
// search in meanings may read another): each is made and destroyed under this lock.
namespace {

std::mutex& HunspellLifetimes() {
    static std::mutex lifetimes;
    return lifetimes;
}

} // namespace

// One Hunspell dictionary, with the conversions between page text and its own encoding.
class TWordForms::TDictionary {
public:
    TDictionary(const QString& aff, const QString& dic)
        : mHunspell(Made(aff, dic)),
          mEncoding(QByteArray::fromStdString(mHunspell->get_dict_encoding())) {}
    ~TDictionary() {
        const std::lock_guard lock(HunspellLifetimes());
        mHunspell.reset();
    }
    TDictionary(const TDictionary&) = delete;
    TDictionary& operator=(const TDictionary&) = delete;

    bool IsValid() const { return QStringEncoder(mEncoding.constData()).isValid(); }

    TStringList Stems(const std::string& word) {
        QStringEncoder encoder(mEncoding.constData());
        const QByteArray encoded = encoder.encode(FromPageText(word));
        TStringList stems;
        for (const std::string& stem : mHunspell->stem(encoded.toStdString())) {
            QStringDecoder decoder(mEncoding.constData());
            const QString decoded = decoder.decode(QByteArray::fromStdString(stem));
            stems.push_back(ToPageText(decoded));
        }
        return stems;
    }

private:
    static std::unique_ptr<Hunspell> Made(const QString& aff, const QString& dic) {
        const std::lock_guard lock(HunspellLifetimes());
        return std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                          QFile::encodeName(dic).constData());
    }

    std::unique_ptr<Hunspell> mHunspell;
    QByteArray mEncoding;
};

TWordForms::TWordForms(QString folder) : mFolder(std::move(folder)) {}

TWordForms::~TWordForms() = default;

auto TWordForms::Dictionary(const std::string& langCode) -> TDictionary* {
    const auto known = mDictionaries.find(langCode);
    if (known != mDictionaries.end())
        return known->second.get();
    std::unique_ptr<TDictionary> dictionary;
    const QString name = DictionaryName(langCode);
    const QString aff = mFolder + QLatin1Char('/') + name + QStringLiteral(".aff");
    const QString dic = mFolder + QLatin1Char('/') + name + QStringLiteral(".dic");
    // Hunspell itself would only complain on the error stream about a missing file.
    if (!name.isEmpty() && QFileInfo(aff).isReadable() && QFileInfo(dic).isReadable()) {
        dictionary = std::make_unique<TDictionary>(aff, dic);
        if (!dictionary->IsValid())
            dictionary.reset();
    }
    return mDictionaries.emplace(langCode, std::move(dictionary)).first->second.get();
}

void TWordForms::Adopt(TWordForms&& other) {
    mDictionaries.merge(other.mDictionaries);
}

TStringList TWordForms::DictionaryForms(const std::string& word, const std::string& langCode) {
    TDictionary* dictionary = Dictionary(langCode);
    if (!dictionary || word.empty() || word.size() > kLongestWord)
        return {};
    TStringList forms;
    for (std::string& stem : dictionary->Stems(word))
        if (stem != word && std::find(forms.begin(), forms.end(), stem) == forms.end())
            forms.push_back(std::move(stem));
    return forms;
}

} // namespace Quor
