#include "window/MessageBoxes.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace Quor {

namespace {

TMessageBoxFunction& ReplacedFunction() {
    static TMessageBoxFunction function;
    return function;
}

void ShowRealMessageBox(TMessageBoxKind kind, const QString& title, const QString& text) {
    QMessageBox box(kind == TMessageBoxKind::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void SetMessageBoxFunction(TMessageBoxFunction function) {
    ReplacedFunction() = std::move(function);
}

void ShowMessageBox(TMessageBoxKind kind, const QString& text) {
    if (ReplacedFunction())
        ReplacedFunction()(kind, ApplicationTitle(), text);
    else
        ShowRealMessageBox(kind, ApplicationTitle(), text);
}

void ShowNotice(const QString& text) {
    if (ReplacedFunction()) {
        ReplacedFunction()(TMessageBoxKind::Warning, ApplicationTitle(), text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

QString ApplicationTitle() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size()
                                                     : name.indexOf(QLatin1Char('.')));
    return name.left(1) + name.mid(1).toLower();
}

void ShowErrorMessage(const std::string& message) {
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    ShowMessageBox(TMessageBoxKind::Error, FromPageText(text));
}

void InstallErrorMessageBox() {
    SetApplicationErrorHandler(ShowErrorMessage);
}

} // namespace Quor
