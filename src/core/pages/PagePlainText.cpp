#include "core/pages/PagePlainText.h"

#include "core/text/CodePage.h"

#include <QString>

#include <vector>

namespace Quor {

namespace {

// The character a reference such as "&amp;" or "&#1041;" stands for, as page text; the
// reference as it is when it names none.
std::string CharacterReference(std::string_view name) {
    if (name == "amp")
        return "&";
    if (name == "lt")
        return "<";
    if (name == "gt")
        return ">";
    if (name == "quot")
        return "\"";
    if (name == "apos")
        return "'";
    if (name == "nbsp")
        return " ";
    if (name.size() > 1 && name[0] == '#') {
        bool ok = false;
        const QString digits = QString::fromLatin1(name.substr(1));
        const uint code = digits.startsWith(QLatin1Char('x'), Qt::CaseInsensitive)
                              ? digits.mid(1).toUInt(&ok, 16)
                              : digits.toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t character = code;
            return ToPageText(QString::fromUcs4(&character, 1));
        }
    }
    return "&" + std::string(name) + ";";
}

// The name of a tag ("td", "/td", "br") and its class attribute, if any.
struct TTag {
    std::string Name;
    std::string Class;
};

TTag ReadTag(std::string_view tag) {
    TTag read;
    // In "/td" the slash belongs to the name, in "br/" not.
    const std::size_t end = tag.find_first_of(" \t\r\n");
    read.Name = std::string(tag.substr(0, end == std::string_view::npos ? tag.size() : end));
    while (!read.Name.empty() && read.Name.back() == '/' && read.Name.size() > 1)
        read.Name.pop_back();
    for (char& c : read.Name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    const std::size_t classAt = tag.find("class=\"");
    if (classAt != std::string_view::npos) {
        const std::size_t start = classAt + 7;
        read.Class = std::string(tag.substr(start, tag.find('"', start) - start));
    }
    return read;
}

class TPlainText {
public:
    void Text(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                mBlank = true;
            } else if (c == '&') {
                const std::size_t end = text.find(';', i);
                if (end != std::string_view::npos && end - i <= 10) {
                    Append(CharacterReference(text.substr(i + 1, end - i - 1)));
                    i = end;
                } else {
                    Append("&");
                }
            } else {
                Append(std::string(1, c));
            }
        }
    }

    void Tag(const TTag& tag) {
        if (tag.Name == "br" || tag.Name == "/p" || tag.Name == "p") {
            Break();
        } else if (tag.Name == "a") {
            mInLink = true;
        } else if (tag.Name == "/a") {
            mInLink = false;
        } else if (tag.Name == "td") {
            mCell = tag.Class == "TableCaptionCell" ? TCell::Caption : TCell::Data;
            mItems.assign(1, std::string());
            mBlank = false;
        } else if (tag.Name == "/td") {
            EndCell();
        } else if (tag.Name == "table") {
            EndLine();
            if (mTables++ > 0 && !mOut.empty() && mOut.back() != '\n')
                mOut += '\n';
        }
    }

    std::string Result() {
        EndLine();
        // One blank line at most anywhere, none at the start or the end.
        std::string text;
        for (std::size_t i = 0; i < mOut.size(); ++i) {
            if (mOut[i] == '\n' && (text.empty() || (text.size() >= 2 && text.ends_with("\n\n"))))
                continue;
            text += mOut[i];
        }
        while (text.ends_with("\n\n"))
            text.pop_back();
        return text;
    }

private:
    enum class TCell { None, Caption, Data };

    void Append(const std::string& text) {
        std::string& line = mCell == TCell::None ? mLine : mItems.back();
        if (mBlank && !line.empty())
            line += ' ';
        mBlank = false;
        // The groups of relative synonyms are parted by " - " between their links.
        if (mCell == TCell::Data && mCaption == "Relative synonyms:" && !mInLink && text == "-" &&
            !line.empty()) {
            if (line.back() == ' ')
                line.pop_back();
            mItems.emplace_back();
            return;
        }
        line += text;
    }

    void Break() {
        mBlank = false;
        if (mCell == TCell::Data)
            mItems.emplace_back();
        else
            EndLine();
    }

    void EndLine() {
        if (!mLine.empty())
            mOut += mLine;
        mOut += '\n';
        mLine.clear();
        mBlank = false;
    }

    void EndCell() {
        const TCell cell = mCell;
        mCell = TCell::None;
        std::vector<std::string> items;
        for (std::string& item : mItems) {
            while (!item.empty() && item.front() == ' ')
                item.erase(0, 1);
            while (!item.empty() && item.back() == ' ')
                item.pop_back();
            if (!item.empty())
                items.push_back(item);
        }
        if (cell == TCell::Caption) {
            mCaption = items.empty() ? std::string() : items.front();
            return;
        }
        if (items.size() == 1) {
            mOut += mCaption + " " + items.front() + "\n";
        } else {
            mOut += mCaption + "\n";
            for (const std::string& item : items)
                mOut += "  " + item + "\n";
        }
        mCaption.clear();
    }

    std::string mOut;
    std::string mLine;
    std::vector<std::string> mItems;
    std::string mCaption;
    TCell mCell = TCell::None;
    bool mBlank = false;
    bool mInLink = false;
    int mTables = 0;
};

} // namespace

std::string PagePlainText(std::string_view page) {
    TPlainText text;
    for (std::size_t i = 0; i < page.size();) {
        if (page[i] != '<') {
            const std::size_t next = page.find('<', i);
            text.Text(page.substr(i, next - i));
            i = next == std::string_view::npos ? page.size() : next;
            continue;
        }
        const std::size_t end = page.find('>', i);
        if (end == std::string_view::npos) {
            text.Text(page.substr(i));
            break;
        }
        const TTag tag = ReadTag(page.substr(i + 1, end - i - 1));
        // The head's stylesheet is no text of the page.
        if (tag.Name == "head" || tag.Name == "style") {
            const std::size_t close = page.find("</" + tag.Name + ">", end);
            i = close == std::string_view::npos ? page.size() : close + tag.Name.size() + 3;
            continue;
        }
        text.Tag(tag);
        i = end + 1;
    }
    return text.Result();
}

} // namespace Quor
