#include "window/SuggestionBar.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/BusyCursor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace Quor {

TSuggestionBar::TSuggestionBar(QWidget* parent)
    : QWidget(parent), mSuggestions(std::make_unique<TSuggestions>()) {
    setObjectName(QStringLiteral("mSuggestionBar"));
    // Reading a large network's words takes a while, once.
    mSuggestions->SetBusyNotice(&ShowBusyCursor);
    mLabel = new QLabel(QStringLiteral("Did you mean:"), this);
    mLabel->setObjectName(QStringLiteral("mSuggestionLabel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(mLabel);
    mWords.resize(TSuggestions::kMaxSuggestions);
    for (std::size_t i = 0; i < TSuggestions::kMaxSuggestions; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("mSuggestionButton%1").arg(i + 1));
        button->setAutoDefault(true); // Enter on the focused button chooses its word
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this,
                [this, i] { Q_EMIT Chosen(mWords[qsizetype(i)]); });
        layout->addWidget(button);
        mButtons << button;
    }
    layout->addStretch(1);
    mCloseButton = new QToolButton(this);
    mCloseButton->setObjectName(QStringLiteral("mSuggestionCloseButton"));
    mCloseButton->setToolTip(QStringLiteral("Close the suggestions (Escape)"));
    mCloseButton->setAutoRaise(true);
    mCloseButton->setFocusPolicy(Qt::NoFocus);
    connect(mCloseButton, &QToolButton::clicked, this, [this] {
        hide();
        Q_EMIT Dismissed();
    });
    layout->addWidget(mCloseButton);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    hide();
}

TSuggestionBar::~TSuggestionBar() = default;

void TSuggestionBar::SetDataModule(TQuorDataModule* dataModule) {
    mSuggestions->SetDataModule(dataModule);
}

void TSuggestionBar::ReadAhead(const std::string& langCode) {
    mSuggestions->ReadAhead(langCode);
}

void TSuggestionBar::OfferFor(const std::string& word, const std::string& langCode) {
    std::vector<TSuggestion> suggestions;
    try {
        suggestions = mSuggestions->Suggest(word, langCode);
    } catch (const EQuorError&) {
        // The store can not be read: the page says so, and there is nothing to offer.
    }
    Offer(suggestions);
}

void TSuggestionBar::Offer(const std::vector<TSuggestion>& suggestions) {
    if (suggestions.empty()) {
        hide();
        return;
    }
    if (mCloseButton->icon().isNull())
        mCloseButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    for (qsizetype i = 0; i < mButtons.size(); ++i) {
        QPushButton* button = mButtons[i];
        const bool used = std::size_t(i) < suggestions.size();
        if (used) {
            mWords[i] = FromPageText(suggestions[i].Word);
            // An ampersand would mark the next letter as the button's key.
            button->setText(QString(mWords[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
            button->setToolTip(FromPageText(suggestions[i].Why));
        }
        button->setVisible(used);
    }
    show();
}

QList<QWidget*> TSuggestionBar::Buttons() const {
    QList<QWidget*> buttons;
    for (QPushButton* button : mButtons)
        buttons << button;
    return buttons;
}

bool TSuggestionBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent&>(*event).key() == Qt::Key_Escape) {
        hide();
        Q_EMIT Dismissed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Quor
