#include "window/UnbreakableRuns.h"

namespace Quor {

namespace {

// A character reference longer than this is no reference but text beginning with '&'.
constexpr qsizetype kLongestReference = 12;

// Where the body's text begins: after "<body ...>", else at the start.
qsizetype BodyStart(const QString& html) {
    const qsizetype body = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    if (body < 0)
        return 0;
    const qsizetype end = html.indexOf(u'>', body);
    return end < 0 ? html.size() : end + 1;
}

// The end of the markup or the character reference that starts at `at`, else `at` + 1.
qsizetype PieceEnd(const QString& html, qsizetype at) {
    const QChar first = html[at];
    if (first == u'<') {
        const qsizetype end = html.indexOf(u'>', at);
        return end < 0 ? html.size() : end + 1;
    }
    if (first == u'&') {
        const qsizetype end = html.indexOf(u';', at);
        if (end > at && end - at <= kLongestReference)
            return end + 1;
    }
    // A surrogate pair is one character.
    if (first.isHighSurrogate() && at + 1 < html.size() && html[at + 1].isLowSurrogate())
        return at + 2;
    return at + 1;
}

} // namespace

QString BreakUnbreakableRuns(const QString& html) {
    QString broken;
    broken.reserve(html.size() + html.size() / kLongestUnbrokenRun);
    qsizetype at = BodyStart(html);
    broken.append(QStringView(html).left(at));
    int run = 0;
    while (at < html.size()) {
        const qsizetype end = PieceEnd(html, at);
        const QChar first = html[at];
        if (first.isSpace()) {
            run = 0;
        } else if (first != u'<') {
            if (run == kLongestUnbrokenRun) {
                broken.append(kRunBreak);
                run = 0;
            }
            ++run;
        }
        broken.append(QStringView(html).mid(at, end - at));
        at = end;
    }
    return broken;
}

QString WithoutRunBreaks(QString text) {
    return text.remove(QChar(kRunBreak));
}

} // namespace Quor
