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

} // namespace

void SetSaveFileDialogFunction(TSaveFileDialogFunction function) {
    ReplacedSaveFileDialog() = std::move(function);
}

void SetPrintDialogFunction(TPrintDialogFunction function) {
    ReplacedPrintDialog() = std::move(function);
}

QString AskSaveFileName(QWidget* parent, TPageFileKind kind, const QString& suggestedPath) {
    if (ReplacedSaveFileDialog())
        return ReplacedSaveFileDialog()(kind, suggestedPath);
    const bool html = kind == TPageFileKind::Html;
    QFileDialog dialog(parent,
                       html ? QStringLiteral("Save Page As") : QStringLiteral("Export to PDF"),
                       suggestedPath,
                       html ? QStringLiteral("HTML pages (*.html *.htm);;All files (*)")
                            : QStringLiteral("PDF documents (*.pdf);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(html ? QStringLiteral("html") : QStringLiteral("pdf"));
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
