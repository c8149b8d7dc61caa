#include "window/About.h"

#include "window/WindowPlacement.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace Quor {

namespace {

// A label at its place; one without a size is sized to its text, and one whose text needs more
// room in the desktop's font than its size gives is widened.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                   int width = 0, int height = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    label->adjustSize();
    if (width > 0)
        label->resize(std::max(width, label->width()), std::max(height, label->height()));
    return label;
}

constexpr int kTitleWidth = 191, kTitleHeight = 22;

// Arial of 19 pixels for the title, or as much smaller as the desktop's Arial needs for the title
// to fit its designed width.
QFont TitleFont(const QString& title) {
    QFont font(QStringLiteral("Arial"));
    for (int pixels = 19; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).size(0, title).width() <= kTitleWidth)
            break;
    }
    return font;
}

QFont ContributorFont(QFont font) {
    font.setPixelSize(13);
    return font;
}

void SetTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

TAboutDialog::TAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);
    setFixedSize(313, 270);
    CentreOnFirstShow(*this);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 217);

    // The title twice: black and opaque, then yellow and transparent one pixel up and left, so
    // the yellow text shows a black shadow.
    const QString title = QStringLiteral("Quor Semantic Network");
    Label8 = PlaceLabel(this, "Label8", title, 57, 26);
    Label1 = PlaceLabel(this, "Label1", title, 56, 25);
    for (QLabel* label : {Label8, Label1}) {
        label->setFont(TitleFont(title));
        label->setAlignment(Qt::AlignCenter);
        label->resize(kTitleWidth, kTitleHeight);
    }
    Label8->setAutoFillBackground(true);
    SetTextColor(Label8, Qt::black);
    SetTextColor(Label1, Qt::yellow);

    const QFont contributorFont = ContributorFont(font());
    Label2 =
        PlaceLabel(this, "Label2", QStringLiteral("Programming and research:"), 24, 80, 129, 13);
    Label3 = PlaceLabel(this, "Label3", QStringLiteral("The program's developers"), 48, 96);
    Label5 =
        PlaceLabel(this, "Label5", QStringLiteral("Dictionary database and linguistic research:"),
                   24, 128, 205, 13);
    Label4 = PlaceLabel(this, "Label4", QStringLiteral("The dictionary team"), 48, 144);
    Label6 = PlaceLabel(this, "Label6", QStringLiteral("Knowledge engineering research:"), 24, 176,
                        158, 13);
    Label7 = PlaceLabel(this, "Label7", QStringLiteral("The knowledge engineering team"), 48, 192);
    for (QLabel* contributor : {Label3, Label4, Label7}) {
        contributor->setFont(contributorFont);
        contributor->adjustSize();
    }
    Label9 = PlaceLabel(this, "Label9", QStringLiteral("Version 1.0"), 57, 54, 191, 13);
    Label9->setAlignment(Qt::AlignHCenter);

    CloseButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(120, 236, 81, 25);
    CloseButton->setAutoDefault(true);
    CloseButton->setFocus();
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // The accelerator works with or without Alt, as in a box that has no text to type into.
    auto* accelerator = new QShortcut(QKeySequence(Qt::Key_C), this);
    connect(accelerator, &QShortcut::activated, CloseButton, &QPushButton::click);
    CloseButton->installEventFilter(this);
}

void TAboutDialog::FormKeyDown(QObject*, QKeyEvent* Key) {
    if (Key->key() == Qt::Key_Escape) {
        Key->accept();
        reject();
    } else {
        Key->ignore();
    }
}

void TAboutDialog::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(this, event);
    if (!event->isAccepted())
        QDialog::keyPressEvent(event);
}

bool TAboutDialog::eventFilter(QObject* watched, QEvent* event) {
    // The box sees every key before its focused control.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        FormKeyDown(watched, key);
        if (key->isAccepted())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Quor
