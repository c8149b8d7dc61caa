#pragma once

#include "core/Word.h"

#include <QString>

#include <string>

namespace Quor {

// How the window names a word where the page's text alone would not tell it from its homonyms:
// on the word map and in the tooltip of a word link.

// The word, and its qualifier in brackets when it has one: "кот (мярка)".
QString WordLabel(const TWord& word);
// The label and the language on one line, the first meaning (or that it has none) on the next:
// "кот (мярка) · BG\nединица за тегло".
QString WordToolTip(const TWord& word, const std::string& langCode,
                    const std::string& firstMeaning);

} // namespace Quor
