// What reaches the window from outside its controls: look-ups from the command line and from
// other programs.
#include "window/Browser.h"

#include "core/CodePage.h"
#include "core/QuorError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace Quor {

void TMainForm::LookUp(const QString& word, const QString& language, bool exact) {
    BringToFront();
    if (word.isEmpty())
        return;
    ChooseSearchOptions(language, exact);
    mWordComboBox->setFocus();
    mWordComboBox->setEditText(word);
    mSearchButton->click();
}

void TMainForm::ChooseSearchOptions(const QString& language, bool exact) {
    if (!language.isEmpty()) {
        const int index = mLanguageComboBox->findText(language);
        if (index < 0)
            throw EQuorError("The language must be BG or RU, not " + ToPageText(language) + ".");
        mLanguageComboBox->setCurrentIndex(index);
    }
    mFindSimilarWordsCheckBox->setChecked(!exact);
}

void TMainForm::BringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

} // namespace Quor
