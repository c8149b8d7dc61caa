#pragma once

#include <QByteArray>
#include <QString>

class QPrinter;
class QTextDocument;

namespace Quor {

// A page as it goes out of the program: printed, written as a PDF file, or saved as the page file
// itself; and any other file the user saves. Failures raise EQuorError naming the file; a file
// that was there is only replaced by a whole new one.

// Prints the page as laid out for the printer, whatever the view's zoom.
void PrintPage(const QTextDocument& page, QPrinter& printer);

// Writes the page to a PDF file titled `title`.
void ExportPageToPdf(const QTextDocument& page, const QString& title, const QString& path);

// Copies the page file to `path`, byte for byte.
void SavePageFile(const QString& pageFile, const QString& path);

// Writes `bytes` to `path`, or raises "<failure> <path>: <the system's reason>".
void WriteWholeFile(const QString& path, const QByteArray& bytes, const char* failure);

} // namespace Quor
