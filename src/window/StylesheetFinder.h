#pragma once

#include <QString>

class QPalette;

namespace Quor {

// The stylesheet of the pages: "styles.css" in the working folder, used as it is, whenever it is
// there; else the installed one in the variant of the desktop's colours, styles-dark.css under a
// dark palette (the light one where no dark one is installed). With none of them, "styles.css"
// all the same, which the page then tells can not be read.
class TStylesheetFinder {
public:
    static constexpr const char* kFileName = "styles.css";
    static constexpr const char* kDarkFileName = "styles-dark.css";

    // The file for the next page, under the application's palette (the light one without a
    // desktop).
    static QString Find();
    // True when the palette's window is darker than its text.
    static bool IsDark(const QPalette& palette);
};

} // namespace Quor
