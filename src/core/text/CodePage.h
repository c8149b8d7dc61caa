#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace Quor {

// The one place where texts cross between Unicode (widgets, the database) and the Windows-1251
// page text that the program composes.

// Windows-1251 bytes of `text`; a character the code page has no place for becomes '?'.
std::string ToPageText(QStringView text);

// Windows-1251 bytes of `text`, for a text the user typed. The Bulgarian ѝ and Ѝ, which the code
// page lacks, become и and И, the letters Bulgarian texts in the code page print them as; any other
// character the code page has no place for raises EQuorError naming it.
std::string ToPageTextStrict(QStringView text);

// The characters of Windows-1251 bytes. Every byte has one, so nothing is lost.
QString FromPageText(std::string_view text);

// Windows-1251 bytes of UTF-8 text; characters without a place become '?', and so does each byte
// of an invalid UTF-8 sequence.
std::string Utf8ToPageText(std::string_view utf8);

} // namespace Quor
