#pragma once

#include "core/suggest/Suggestions.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace Quor {

class TQuorDataModule;

// The bar below the search strip, above the page, that offers the words a search which found
// nothing probably meant: a button for each, which tells why in its tooltip. Hidden while it has
// nothing to offer. The buttons take the focus with Tab, Enter or Space chooses one, and Escape
// on one closes the bar.
class TSuggestionBar : public QWidget {
    Q_OBJECT

public:
    explicit TSuggestionBar(QWidget* parent);
    ~TSuggestionBar() override;

    // The store whose words are offered.
    void SetDataModule(TQuorDataModule* dataModule);
    // Reads the language's words ahead, so that the first search that finds nothing in it finds
    // them ready (see TSuggestions::ReadAhead).
    void ReadAhead(const std::string& langCode);
    // Offers the words a search for `word` (page text) in the language that found nothing
    // probably meant; none, or a store that can not be read, hides the bar.
    void OfferFor(const std::string& word, const std::string& langCode);
    // Offers the words; none hides the bar.
    void Offer(const std::vector<TSuggestion>& suggestions);
    // The word buttons in their order, shown or not, for the window's order of Tab.
    QList<QWidget*> Buttons() const;

Q_SIGNALS:
    // A word was chosen, as the network spells it.
    void Chosen(const QString& word);
    // Escape closed the bar from one of its buttons.
    void Dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TSuggestions> mSuggestions;
    QLabel* mLabel = nullptr;
    QList<QPushButton*> mButtons;
    // The word of each button, as the network spells it.
    QStringList mWords;
    QToolButton* mCloseButton = nullptr;
};

} // namespace Quor
