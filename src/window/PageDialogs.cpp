#include "window/PageDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace Quor {

namespace {

TSaveFileDialogFunction& ReplacedSaveFileDialog() {
    static TSaveFileDialogFunction function;
    return function;
}

TPrintDialogFunction& ReplacedPrintDialog() {
    static TPrintDialogFunction function;
    return function;
}

struct TKind {
    const char* Title;
    const char* Filter;
    const char* Extension;
};

// By TPageFileKind.
constexpr TKind kKinds[] = {
    {"Save Page As", "HTML pages (*.html *.htm)", "html"},
    {"Export to PDF", "PDF documents (*.pdf)", "pdf"},
    {"Export the Map as SVG", "SVG pictures (*.svg)", "svg"},
    {"Export the Map as PNG", "PNG pictures (*.png)", "png"},
    {"Export the Map as Graphviz DOT", "Graphviz graphs (*.gv *.dot)", "gv"},
    {"Export the Map as GraphML", "GraphML graphs (*.graphml)", "graphml"},
    {"Export the Map's Relations as CSV", "CSV tables (*.csv)", "csv"},
};

const TKind& KindOf(TPageFileKind kind) {
    return kKinds[static_cast<int>(kind)];
}

} // namespace

const char* FileExtension(TPageFileKind kind) {
    return KindOf(kind).Extension;
}

void SetSaveFileDialogFunction(TSaveFileDialogFunction function) {
    ReplacedSaveFileDialog() = std::move(function);
}

void SetPrintDialogFunction(TPrintDialogFunction function) {
    ReplacedPrintDialog() = std::move(function);
}

QString AskSaveFileName(QWidget* parent, TPageFileKind kind, const QString& suggestedPath) {
    if (ReplacedSaveFileDialog())
        return ReplacedSaveFileDialog()(kind, suggestedPath);
    const TKind& shown = KindOf(kind);
    QFileDialog dialog(parent, QLatin1String(shown.Title), suggestedPath,
                       QLatin1String(shown.Filter) + QStringLiteral(";;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(shown.Extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool AskPrinter(QWidget* parent, QPrinter& printer) {
    if (ReplacedPrintDialog())
        return ReplacedPrintDialog()(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print the Page"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace Quor
