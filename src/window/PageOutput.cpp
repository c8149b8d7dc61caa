#include "window/PageOutput.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace Quor {

namespace {

[[noreturn]] void Fail(const char* what, const QString& path, const QString& reason) {
    throw EQuorError(std::string(what) + " " + ToPageText(path) + ": " + ToPageText(reason));
}

} // namespace

void PrintPage(const QTextDocument& page, QPrinter& printer) {
    page.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString printerName = printer.printerName();
        throw EQuorError("The page could not be printed" +
                         (printerName.isEmpty() ? "" : " on " + ToPageText(printerName)) + ".");
    }
}

void ExportPageToPdf(const QTextDocument& page, const QString& title, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail("Can not write the PDF file", path, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Quor Semantic Network"));
        page.print(&pdf);
    }
    if (!file.commit())
        Fail("Can not write the PDF file", path, file.errorString());
}

void SavePageFile(const QString& pageFile, const QString& path) {
    QFile page(pageFile);
    if (!page.open(QIODevice::ReadOnly))
        Fail("Can not read the page file", pageFile, page.errorString());
    WriteWholeFile(path, page.readAll(), "Can not save the page as");
}

void WriteWholeFile(const QString& path, const QByteArray& bytes, const char* failure) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        Fail(failure, path, file.errorString());
}

} // namespace Quor
