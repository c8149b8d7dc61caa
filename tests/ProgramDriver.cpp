#include "ProgramDriver.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

using namespace Quor;

std::unique_ptr<TFixtureDatabase> SmallNetwork::NewDatabase() {
    auto db = std::make_unique<TFixtureDatabase>();
    Fill(*db);
    return db;
}

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

void Press(const QString& keys) {
    const QKeyCombination combination = QKeySequence::fromString(keys)[0];
    Press(combination.key(), combination.keyboardModifiers());
}

void Type(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        const Qt::Key key = character.size() == 1 ? Qt::Key(character.front().toUpper().unicode())
                                                  : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, KeyboardTarget(), key, character, Qt::NoModifier);
    }
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

std::vector<TPageLink> PageLinks(QTextBrowser* view) {
    std::vector<TPageLink> links;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor())
                links.push_back({fragment.position() + fragment.length() / 2,
                                 fragment.charFormat().anchorHref()});
        }
    return links;
}

namespace {

// Scrolls the view to a position of its text; the point of it on the viewport.
QPoint VisiblePoint(QTextBrowser* view, int position) {
    QTextCursor inside(view->document());
    inside.setPosition(position);
    view->setTextCursor(inside);
    view->ensureCursorVisible();
    return view->cursorRect(inside).center();
}

} // namespace

void ClickText(QTextBrowser* view, int position) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, VisiblePoint(view, position));
}

QPoint LinkPoint(QTextBrowser* view, const QString& address) {
    for (const TPageLink& link : PageLinks(view))
        if (link.Address == address)
            return VisiblePoint(view, link.Position);
    return {-1, -1};
}

QString FocusedLink(QTextBrowser* view) {
    const QTextCursor selection = view->textCursor();
    QTextCursor probe(view->document());
    probe.setPosition(selection.selectionStart() + 1);
    return selection.hasSelection() ? probe.charFormat().anchorHref() : QString();
}

TRunningProgram::TRunningProgram(const QString& databasePath, const std::string* stylesheet)
    : Work(stylesheet), Store(databasePath) {
    Form.SetAboutDialog(&About);
    Form.SetDataModule(&Store);
    Form.show();
}

bool TRunningProgram::Started() {
    Form.activateWindow();
    return QTest::qWaitForWindowExposed(&Form, kPatience) &&
           QTest::qWaitForWindowActive(&Form, kPatience);
}

void TRunningProgram::EnterWord(const QString& text) {
    QTest::mouseClick(WordBox()->lineEdit(), Qt::LeftButton);
    Press(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        Press(Qt::Key_Backspace);
    Type(text);
    if (WordBox()->lineEdit()->hasSelectedText())
        Press(Qt::Key_Delete);
}

void TRunningProgram::Search(const QString& text) {
    EnterWord(text);
    Press(Qt::Key_Return);
}

bool TRunningProgram::ClickLink(const QString& address) {
    const QPoint link = LinkPoint(View(), address);
    if (link.x() < 0)
        return false;
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, link);
    return true;
}

bool TRunningProgram::FollowLink(const QString& address) {
    bool cancel = false;
    Form.WebBrowserBeforeNavigate(View(), address, cancel);
    return cancel;
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

QByteArray TRunningProgram::SearchPage(const QString& text, const std::string& langCode,
                                       bool similar) {
    return Bytes(Form.Composer().HtmlPage(
        Form.Composer().SearchWordsHtml(ToPageText(text), langCode, similar)));
}

QByteArray TRunningProgram::WordPage(std::int32_t id, const char* word, const char* moreInfo) {
    return Bytes(
        Form.Composer().HtmlPage(Form.Composer().WordInfoTableHtml(id, Cp(word), Cp(moreInfo))));
}
