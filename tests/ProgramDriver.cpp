#include "ProgramDriver.h"

#include "core/QuorError.h"
#include "window/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

using namespace Quor;

void SmallNetwork::Fill(TFixtureDatabase& db) {
    db.AddWord("кот", "BG", "животно", kCat);
    db.AddWord("кот", "BG", "мярка", kCatMeasure);
    db.AddWord("котарак", "BG", "", kTomcat);
    db.AddWord("котка", "BG", "", kKitten);
    db.AddWord("кот", "RU", "рус.", kRuCat);
    db.AddWord("куче", "BG", "", kDog);
    db.AddMeaning(kCat, "домашно животно");
    db.AddHomonyms(kCat, kCatMeasure);
    db.AddSynonyms(kCat, kTomcat, true);
    db.AddSynonyms(kCat, kKitten, false);
    db.Close();
}

TMessageBoxRecorder::TMessageBoxRecorder() {
    SetMessageBoxFunction([this](TMessageBoxKind kind, const QString& title, const QString& text) {
        mBoxes.push_back({kind == TMessageBoxKind::Error, title, text});
    });
    InstallErrorMessageBox();
}

TMessageBoxRecorder::~TMessageBoxRecorder() {
    SetMessageBoxFunction({});
    SetApplicationErrorHandler({});
}

QString TMessageBoxRecorder::Texts() const {
    QStringList texts;
    for (const TBox& box : mBoxes)
        texts << box.Text;
    return texts.join(QStringLiteral(" | "));
}

QWidget* KeyboardTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return QApplication::focusWidget();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(KeyboardTarget(), key, modifiers);
}

QPoint LinkPoint(QTextBrowser* view, const QString& address) {
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != address)
                continue;
            QTextCursor inside(view->document());
            inside.setPosition(fragment.position() + fragment.length() / 2);
            view->setTextCursor(inside);
            view->ensureCursorVisible();
            return view->cursorRect(inside).center();
        }
    return {-1, -1};
}

TRunningProgram::TRunningProgram(const QString& databasePath, const std::string* stylesheet)
    : Work(stylesheet), Store(databasePath) {
    Form.SetAboutDialog(&About);
    Form.SetDataModule(&Store);
    Form.show();
}

bool TRunningProgram::Started() {
    Form.activateWindow();
    return QTest::qWaitForWindowExposed(&Form) && QTest::qWaitForWindowActive(&Form);
}

QComboBox* TRunningProgram::WordBox() {
    return Control<QComboBox>("mWordComboBox");
}

QPushButton* TRunningProgram::SearchButton() {
    return Control<QPushButton>("mSearchButton");
}

QPushButton* TRunningProgram::AboutButton() {
    return Control<QPushButton>("mAboutButton");
}

QToolButton* TRunningProgram::BackButton() {
    return Control<QToolButton>("mBrowserBackButton");
}

QToolButton* TRunningProgram::ForwardButton() {
    return Control<QToolButton>("mBrowserForwardButton");
}

QTextBrowser* TRunningProgram::View() {
    return Control<QTextBrowser>("mWebBrowser");
}

QString TRunningProgram::PageFile() {
    return View()->source().toLocalFile();
}

QByteArray TRunningProgram::Page() {
    return QByteArray::fromStdString(ReadFileBytes(PageFile()));
}

qsizetype TRunningProgram::PageCount() const {
    return Pages.PageFiles().size();
}

QStringList TRunningProgram::History() {
    QStringList items;
    for (int i = 0; i < WordBox()->count(); ++i)
        items << WordBox()->itemText(i);
    return items;
}
