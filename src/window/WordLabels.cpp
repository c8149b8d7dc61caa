#include "window/WordLabels.h"

#include "core/text/CodePage.h"

namespace Quor {

QString WordLabel(const TWord& word) {
    QString label = FromPageText(word.Word);
    if (!word.MoreInfo.empty())
        label += QStringLiteral(" (") + FromPageText(word.MoreInfo) + u')';
    return label;
}

QString WordToolTip(const TWord& word, const std::string& langCode,
                    const std::string& firstMeaning) {
    QString tip = WordLabel(word);
    if (!langCode.empty())
        tip += QStringLiteral(" · ") + FromPageText(langCode);
    tip += u'\n';
    tip += firstMeaning.empty() ? QStringLiteral("No meanings found.") : FromPageText(firstMeaning);
    return tip;
}

} // namespace Quor
