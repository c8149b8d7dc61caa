#include "core/text/Utf8UpperCase.h"

#include <QByteArray>
#include <QString>

namespace Quor {

void Utf8UpperCase(std::string_view text, std::string& upper) {
    upper.clear();
    upper.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            upper += static_cast<char>(lead >= 'a' && lead <= 'z' ? lead - ('a' - 'A') : lead);
            ++i;
            continue;
        }
        const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        // D0 xx and D1 xx are U+0400 to U+047F; no other lead byte starts a Cyrillic letter.
        if ((lead == 0xD0 || lead == 0xD1) && (trail & 0xC0) == 0x80) {
            auto c = static_cast<char16_t>(((lead & 0x1F) << 6) | (trail & 0x3F));
            // U+0460 and above pair their cases otherwise; Qt knows them.
            if (c <= 0x045F) {
                if (c >= 0x0430 && c <= 0x044F)
                    c -= 0x20; // а..я
                else if (c >= 0x0450)
                    c -= 0x50; // ѐ..џ
                upper += static_cast<char>(0xC0 | (c >> 6));
                upper += static_cast<char>(0x80 | (c & 0x3F));
                i += 2;
                continue;
            }
        }
        const QByteArray all =
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUpper().toUtf8();
        upper.assign(all.constData(), static_cast<std::size_t>(all.size()));
        return;
    }
}

} // namespace Quor
