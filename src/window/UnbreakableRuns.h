#pragma once

#include <QString>

namespace Quor {

// A text without spaces is laid out as one line that can only be cut anywhere, and finding where
// takes time that grows with the square of its length: a meaning of a megabyte without a space
// kept the window busy for a minute. The view therefore gives such runs a break opportunity, an
// invisible zero-width space, after every kLongestUnbrokenRun characters of the page's text.
// Markup, character references and the head are left whole, and so are the page files.
constexpr int kLongestUnbrokenRun = 80;
constexpr char16_t kRunBreak = u'\u200B';

// The HTML with a kRunBreak after every kLongestUnbrokenRun characters of its body's text
// without white space between them.
QString BreakUnbreakableRuns(const QString& html);
// The text without the breaks the view added: what is copied from the page.
QString WithoutRunBreaks(QString text);

} // namespace Quor
