// The words offered when a search finds nothing: the window asks for them after the page that
// found nothing is shown, and a chosen one is searched as if typed.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/suggest/Suggestions.h"
#include "core/text/CodePage.h"
#include "window/SuggestionBar.h"
#include "window/WebBrowser.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>

namespace Quor {

void TMainForm::ConnectSuggestions() {
    mSuggestions = std::make_unique<TSuggestions>();
    // Reading a large network's words takes a while, once.
    mSuggestions->SetBusyNotice([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    // Every page shown, Back and Forward included, takes the offer of the search before away.
    connect(mWebBrowser, &QTextBrowser::sourceChanged, mSuggestionBar, &QWidget::hide);
    connect(mSuggestionBar, &TSuggestionBar::Chosen, this,
            [this](const QString& word) { RunGuarded([this, word] { SearchSuggestion(word); }); });
    connect(mSuggestionBar, &TSuggestionBar::Dismissed, this, &TMainForm::FocusWordBox);
}

void TMainForm::OfferSuggestions(const std::string& word, const std::string& langCode) {
    std::vector<TSuggestion> suggestions;
    try {
        suggestions = mSuggestions->Suggest(word, langCode);
    } catch (const EQuorError&) {
        // The store can not be read: the page says so, and there is nothing to offer.
    }
    mSuggestionBar->Offer(suggestions);
}

void TMainForm::SearchSuggestion(const QString& word) {
    mWordComboBox->setFocus();
    mWordComboBox->setEditText(word);
    mSearchButton->click();
}

} // namespace Quor
