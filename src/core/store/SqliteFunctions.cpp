#include "core/store/SqliteFunctions.h"

#include "core/text/MeaningWords.h"
#include "core/text/Utf8UpperCase.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace Quor {

namespace {

void UcaseFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* text = sqlite3_value_text(arguments[0]);
    const int size = sqlite3_value_bytes(arguments[0]);
    thread_local std::string upper;
    Utf8UpperCase(
        std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)),
        upper);
    sqlite3_result_text(context, upper.data(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

void LenFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const unsigned char* text = sqlite3_value_text(arguments[0]);
    const int size = sqlite3_value_bytes(arguments[0]);
    sqlite3_int64 characters = 0;
    for (int i = 0; i < size; ++i)
        if ((text[i] & 0xC0) != 0x80)
            ++characters;
    sqlite3_result_int64(context, characters);
}

// meaning_words(text): the words of a meaning as its search compares them (MeaningWords); an
// empty text for NULL, which holds no word.
void MeaningWordsFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const int size = sqlite3_value_bytes(arguments[0]);
    thread_local std::string words;
    MeaningWords(text ? std::string_view(text, static_cast<std::size_t>(size)) : std::string_view(),
                 words);
    sqlite3_result_text(context, words.data(), static_cast<int>(words.size()), SQLITE_TRANSIENT);
}

} // namespace

sqlite3* SqliteHandle(const QSqlDatabase& connection) {
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

int RegisterSqliteFunctions(sqlite3* handle) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int result = sqlite3_create_function_v2(handle, "ucase", 1, flags, nullptr, UcaseFunction,
                                            nullptr, nullptr, nullptr);
    if (result == SQLITE_OK)
        result = sqlite3_create_function_v2(handle, "len", 1, flags, nullptr, LenFunction, nullptr,
                                            nullptr, nullptr);
    if (result == SQLITE_OK)
        result = sqlite3_create_function_v2(handle, "meaning_words", 1, flags, nullptr,
                                            MeaningWordsFunction, nullptr, nullptr, nullptr);
    return result;
}

} // namespace Quor
