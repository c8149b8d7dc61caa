// The words offered when a search finds nothing: the window asks for them after the page that
// found nothing is shown, and a chosen one is searched as if typed. The words of the language
// chosen in the strip are read ahead, when a network is opened and when another is chosen.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/SuggestionBar.h"
#include "window/WebBrowser.h"

#include <QComboBox>
#include <QPushButton>

namespace Quor {

void TMainForm::ConnectSuggestions() {
    // Every page shown, Back and Forward included, takes the offer of the search before away.
    connect(mWebBrowser, &QTextBrowser::sourceChanged, mSuggestionBar, &QWidget::hide);
    connect(mSuggestionBar, &TSuggestionBar::Chosen, this,
            [this](const QString& word) { RunGuarded([this, word] { SearchSuggestion(word); }); });
    connect(mSuggestionBar, &TSuggestionBar::Dismissed, this, &TMainForm::FocusWordBox);
    connect(mLanguageComboBox, &QComboBox::currentTextChanged, this,
            &TMainForm::ReadSuggestionWordsAhead);
}

void TMainForm::ReadSuggestionWordsAhead() {
    mSuggestionBar->ReadAhead(ToPageText(mLanguageComboBox->currentText()));
}

void TMainForm::SearchSuggestion(const QString& word) {
    mWordComboBox->setFocus();
    mWordComboBox->setEditText(word);
    mSearchButton->click();
}

} // namespace Quor
