#pragma once

#include <string>
#include <string_view>

namespace Quor {

// A page of the program as lines of plain text, for a terminal: the line naming the search, and
// for each word its table, a line for each caption with its content ("Homonyms: мишка (зоол.)"),
// or the caption alone and each item of the content on a line of its own, indented by two
// spaces, where the content has several (numbered meanings, homonyms, and the groups of relative
// synonyms); a blank line between the tables; the messages as the page shows them. Markup is left
// out and character references are read; white space runs become one blank, as the page view
// shows them. Page text in (Windows-1251), page text out, each line ending with "\n".
std::string PagePlainText(std::string_view page);

} // namespace Quor
