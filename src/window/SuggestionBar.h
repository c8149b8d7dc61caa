#pragma once

#include "core/suggest/Suggestions.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace Quor {

// The bar below the search strip, above the page, that offers the words a search which found
// nothing probably meant: a button for each, which tells why in its tooltip. Hidden while it has
// nothing to offer. The buttons take the focus with Tab, Enter or Space chooses one, and Escape
// on one closes the bar.
class TSuggestionBar : public QWidget {
    Q_OBJECT

public:
    explicit TSuggestionBar(QWidget* parent);

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
    QLabel* mLabel = nullptr;
    QList<QPushButton*> mButtons;
    // The word of each button, as the network spells it.
    QStringList mWords;
    QToolButton* mCloseButton = nullptr;
};

} // namespace Quor
