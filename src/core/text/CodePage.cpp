#include "core/text/CodePage.h"

#include "core/QuorError.h"

#include <array>

namespace Quor {

namespace {

// The characters of the Windows-1251 codes 128 to 255. Code 152 has no character of its own and
// stands for the control character of the same number, so that every byte survives a round trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Code of a character in Windows-1251, or -1 when the code page has no place for it.
int EncodeChar(char16_t c) {
    if (c < 0x80)
        return c;
    if (c >= 0x0410 && c <= 0x044F)
        return c - 0x0410 + 0xC0;
    for (std::size_t i = 0; i < 0x40; ++i)
        if (kHighHalf[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

// The letter a typed character stands for in the code page where it has no place of its own; -1
// for none.
int TypedStandIn(char16_t c) {
    switch (c) {
    case u'ѝ':
        return 0xE8; // и
    case u'Ѝ':
        return 0xC8; // И
    default:
        return -1;
    }
}

std::string Encode(QStringView text, bool strict) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        int code = EncodeChar(text[i].unicode());
        if (code < 0 && strict)
            code = TypedStandIn(text[i].unicode());
        if (code >= 0) {
            result += static_cast<char>(code);
            continue;
        }
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (strict) {
            const char32_t ucs =
                pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
            const QString hex = QString::number(ucs, 16).toUpper();
            throw EQuorError("The text holds the character U+" +
                             hex.rightJustified(4, QLatin1Char('0')).toStdString() +
                             ", which the Windows-1251 code page of the network can not hold.");
        }
        if (pair)
            ++i;
        result += '?';
    }
    return result;
}

} // namespace

std::string ToPageText(QStringView text) {
    return Encode(text, false);
}

std::string ToPageTextStrict(QStringView text) {
    return Encode(text, true);
}

QString FromPageText(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code < 0x80 ? char16_t(code) : kHighHalf[code - 0x80]);
    }
    return result;
}

std::string Utf8ToPageText(std::string_view utf8) {
    // Fast path: plain ASCII and the two-byte sequences of the Cyrillic block, which make up
    // nearly every text of the network; anything else goes through QString.
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            result += static_cast<char>(lead);
            ++i;
            continue;
        }
        if ((lead == 0xD0 || lead == 0xD1) && i + 1 < utf8.size()) {
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            if ((trail & 0xC0) == 0x80) {
                const int code = EncodeChar(char16_t(((lead & 0x1F) << 6) | (trail & 0x3F)));
                result += code >= 0 ? static_cast<char>(code) : '?';
                i += 2;
                continue;
            }
        }
        return ToPageText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    }
    return result;
}

} // namespace Quor
