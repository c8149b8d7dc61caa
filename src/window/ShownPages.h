#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Quor {

// The pages one window has shown: the page file made for each, and what it was shown for. The
// files stay while the window lives, since its view goes back and forward to them, and go when it
// ends; another running copy has files of its own. A file that can not be removed stays where it
// is.
class TShownPages {
public:
    // What a page was shown for: the word box's text at the time, which names it when printed or
    // saved, and the word it was composed for, where there is one (the word page, or the first
    // word of a results page), which the map follows.
    struct TPage {
        QString Title;
        std::optional<std::int32_t> Word;
    };

    TShownPages();
    ~TShownPages();
    TShownPages(const TShownPages&) = delete;
    TShownPages& operator=(const TShownPages&) = delete;

    // A new empty page file "~Quor*" in the user's temporary folder ($TMPDIR, else /tmp), made
    // by the system so that no other program has it. Raises EQuorError with the system's reason.
    QString NewFile();
    // Writes the text into the existing file, whole; raises EQuorError with the system's reason.
    static void Write(const std::string& text, const QString& fileName);
    // Remembers what the page in `fileName` was shown for.
    void Shown(const QString& fileName, TPage page);
    // What the page in `fileName` was shown for; empty for a file this window did not show.
    TPage Find(const QString& fileName) const;

    // Removes the page files of every window of the program, from any thread: for a program that
    // has to end while its windows are busy. The windows keep their records.
    static void RemoveEveryWindowsFiles();

private:
    void RemoveFiles() const;

    std::vector<QString> mFiles;
    QHash<QString, TPage> mPages;
};

} // namespace Quor
