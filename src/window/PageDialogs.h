#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace Quor {

// The modal dialogs that ask where a page goes: the name of a file to save it in, and a printer.
// Each is reached through one replaceable function so that tests can answer without blocking.

// The page as HTML or PDF; the word map as SVG or PNG picture, Graphviz DOT, GraphML or CSV.
enum class TPageFileKind { Html, Pdf, Svg, Png, Dot, GraphMl, Csv };

// The usual file name extension of a kind of file, without its dot: "html", "gv".
const char* FileExtension(TPageFileKind kind);

// Given the kind of file and the suggested path, returns the chosen path; empty when cancelled.
using TSaveFileDialogFunction =
    std::function<QString(TPageFileKind kind, const QString& suggestedPath)>;
// Sets up the printer as the user chooses; false when cancelled.
using TPrintDialogFunction = std::function<bool(QPrinter& printer)>;

// Replace the dialogs; an empty function restores the real ones.
void SetSaveFileDialogFunction(TSaveFileDialogFunction function);
void SetPrintDialogFunction(TPrintDialogFunction function);

// Asks for the name of a file to save a page in, asking again before replacing a file.
QString AskSaveFileName(QWidget* parent, TPageFileKind kind, const QString& suggestedPath);
// Asks for a printer and how to print; false when the user cancelled.
bool AskPrinter(QWidget* parent, QPrinter& printer);

} // namespace Quor
