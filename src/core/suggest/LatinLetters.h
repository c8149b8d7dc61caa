#pragma once

#include "core/Word.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace Quor {

// The Cyrillic spellings a text typed in Latin letters may stand for: for Bulgarian by the
// official Streamlined System (kashta: къща, with a for ъ as well as а), for Russian by the
// common schemes (zh, kh or h, ts, ch, sh, shch, yu or ju, ya or ja...). The likeliest spelling
// comes first. A text with no Latin letter, with any letter that is not Latin, or of more than
// 100 characters has none.
// Texts are Windows-1251 page text; case does not matter.
TStringList LatinToCyrillic(std::string_view text, const std::string& langCode, std::size_t limit);

} // namespace Quor
