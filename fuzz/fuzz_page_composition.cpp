// Page composition over a database whose texts are arbitrary bytes: invalid UTF-8, NUL, markup,
// very long texts, stored as TEXT or as BLOB. Each input fills a small network, searches it
// (exact and similar), composes the word information table and the page around it, follows word
// links to the page view, and then empties the network again. Every page must be complete.
//
// Input: two bytes of flags (below), then up to eight fields separated by the byte 0x1E, the last
// one taking the rest: the search text (Windows-1251), the first word, its more-info text, two
// meanings of the first word, the second word, its more-info text, the third word (which shares
// the first word's more-info text). The search text is also followed as a word link address.
#include "FuzzSupport.h"
#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/Browser.h"
#include "window/MessageBoxes.h"
#include "window/WebBrowser.h"

#include <sqlite3.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace Quor;

namespace {

enum TFlag : unsigned {
    kWordsAsBlobs = 1u << 0,
    kMoreInfoAsBlobs = 1u << 1,
    kMeaningsAsBlobs = 1u << 2,
    kNullTexts = 1u << 3, // the second word's more-info and the second meaning are NULL
    kSecondWordRussian = 1u << 4,
    kExtremeIds = 1u << 5, // the words' ids are INT32_MAX, INT32_MIN and -1 instead of 1, 2, 3
    kHomonyms12 = 1u << 6,
    kHomonyms31 = 1u << 7,
    kAbsoluteSynonyms12 = 1u << 8,
    kAbsoluteSynonyms23 = 1u << 9,
    kRelativeSynonyms13 = 1u << 10,
    kRelativeSynonyms21 = 1u << 11,
    kRelativeSynonyms32 = 1u << 12,
    kSelfPairs = 1u << 13, // the first word is its own homonym and synonym of both kinds
    kSharedMeanings = 1u << 14,
    kSearchInRussian = 1u << 15,
};

enum TField { kSearch, kWord1, kMoreInfo1, kMeaning1, kMeaning2, kWord2, kMoreInfo2, kWord3 };
constexpr std::size_t kFieldCount = 8;
constexpr char kFieldSeparator = '\x1e';
// The start of the results body of a search that failed; the texts of the network may hold the
// same markup, but never at the start of the body.
constexpr std::string_view kSearchErrorStart =
    "<span class=\"ErrorMessage\">Error occured while processing your request:<br>";
// SQLite refuses LIKE patterns longer than this many bytes.
constexpr int kMaxLikePatternBytes = 50000;

struct TInput {
    unsigned Flags = 0;
    std::array<std::string, kFieldCount> Fields;

    bool Has(TFlag flag) const { return (Flags & flag) != 0; }
};

TInput ParseInput(const std::uint8_t* data, std::size_t size) {
    TInput input;
    if (size >= 1)
        input.Flags = data[0];
    if (size >= 2)
        input.Flags |= unsigned(data[1]) << 8;
    const std::string rest = size > 2 ? InputText(data + 2, size - 2) : std::string();
    std::size_t start = 0;
    for (std::size_t field = 0; field < kFieldCount && start <= rest.size(); ++field) {
        const std::size_t end =
            field + 1 < kFieldCount ? rest.find(kFieldSeparator, start) : std::string::npos;
        input.Fields[field] = rest.substr(start, end == std::string::npos ? end : end - start);
        start = end == std::string::npos ? rest.size() + 1 : end + 1;
    }
    return input;
}

// The fuzzer's own writing connection to the network that the word store reads.
class TNetworkWriter {
public:
    explicit TNetworkWriter(const std::string& path) {
        Check(sqlite3_open(path.c_str(), &mDb));
        Exec(TFixtureDatabase::kSchema);
        Exec("pragma journal_mode=memory; pragma synchronous=off;");
        mInsertWord = Prepare("insert into T_WORD values (?, ?, ?, ?)");
        mInsertMeaning = Prepare("insert into T_MEANING (MEANING) values (?)");
        mInsertWordMeaning = Prepare("insert into TM_WORD_MEANING values (?, ?)");
        mInsertHomonyms = Prepare("insert into T_HOMONYM values (?, ?)");
        mInsertSynonyms = Prepare("insert into T_SYNONYM values (?, ?, ?)");
    }

    void Exec(const char* sql) { Check(sqlite3_exec(mDb, sql, nullptr, nullptr, nullptr)); }

    void AddWord(std::int32_t id, const std::string* word, const std::string* moreInfo,
                 const char* langCode, bool wordAsBlob, bool moreInfoAsBlob) {
        sqlite3_bind_int(mInsertWord, 1, id);
        BindText(mInsertWord, 2, word, wordAsBlob);
        BindText(mInsertWord, 3, moreInfo, moreInfoAsBlob);
        sqlite3_bind_text(mInsertWord, 4, langCode, -1, SQLITE_STATIC);
        Step(mInsertWord);
    }

    std::int64_t AddMeaning(const std::string* meaning, bool asBlob) {
        BindText(mInsertMeaning, 1, meaning, asBlob);
        Step(mInsertMeaning);
        return sqlite3_last_insert_rowid(mDb);
    }

    void LinkMeaning(std::int32_t wordId, std::int64_t meaningId) {
        sqlite3_bind_int(mInsertWordMeaning, 1, wordId);
        sqlite3_bind_int64(mInsertWordMeaning, 2, meaningId);
        Step(mInsertWordMeaning);
    }

    void AddHomonyms(std::int32_t first, std::int32_t second) {
        sqlite3_bind_int(mInsertHomonyms, 1, first);
        sqlite3_bind_int(mInsertHomonyms, 2, second);
        Step(mInsertHomonyms);
    }

    void AddSynonyms(std::int32_t first, std::int32_t second, bool absolute) {
        sqlite3_bind_int(mInsertSynonyms, 1, first);
        sqlite3_bind_int(mInsertSynonyms, 2, second);
        sqlite3_bind_int(mInsertSynonyms, 3, absolute ? 1 : 0);
        Step(mInsertSynonyms);
    }

private:
    void Check(int result) {
        if (result != SQLITE_OK && result != SQLITE_DONE)
            PropertyFailed("the fuzzer's own writes to the network succeed", sqlite3_errmsg(mDb));
    }

    sqlite3_stmt* Prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        Check(sqlite3_prepare_v2(mDb, sql, -1, &statement, nullptr));
        return statement;
    }

    // A text as it is, NUL bytes and invalid UTF-8 included; a null pointer stores NULL.
    void BindText(sqlite3_stmt* statement, int index, const std::string* text, bool asBlob) {
        if (!text)
            sqlite3_bind_null(statement, index);
        else if (asBlob)
            sqlite3_bind_blob(statement, index, text->data(), int(text->size()), SQLITE_STATIC);
        else
            sqlite3_bind_text(statement, index, text->data(), int(text->size()), SQLITE_STATIC);
    }

    void Step(sqlite3_stmt* statement) {
        Check(sqlite3_step(statement));
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }

    sqlite3* mDb = nullptr;
    sqlite3_stmt* mInsertWord = nullptr;
    sqlite3_stmt* mInsertMeaning = nullptr;
    sqlite3_stmt* mInsertWordMeaning = nullptr;
    sqlite3_stmt* mInsertHomonyms = nullptr;
    sqlite3_stmt* mInsertSynonyms = nullptr;
};

// Everything made once, at initialisation; it lives as long as the process.
struct TFixture {
    std::string PageFolder;
    TNetworkWriter* Writer = nullptr;
    TQuorDataModule* DataModule = nullptr;
    TMainForm* MainForm = nullptr;
    TWebBrowser* View = nullptr;
    std::vector<std::string> Messages; // message boxes and errors that reached the application
};

TFixture gFixture;
// The input being run, for the report of a property that does not hold.
std::string_view gInput;

std::string InputDetails() {
    return "input " + CLiteral(gInput);
}

constexpr const char* kStylesheet = "body { font-family: sans-serif; }\r\n"
                                    ".Word { font-weight: bold; }\r\n"
                                    ".WordLink { color: navy; }\r\n";

void FillNetwork(const TInput& input, const std::array<std::int32_t, 3>& ids) {
    TNetworkWriter& writer = *gFixture.Writer;
    const auto& f = input.Fields;
    const bool nullTexts = input.Has(kNullTexts);
    const bool wordBlobs = input.Has(kWordsAsBlobs);
    const bool moreInfoBlobs = input.Has(kMoreInfoAsBlobs);
    writer.Exec("begin");
    writer.AddWord(ids[0], &f[kWord1], &f[kMoreInfo1], "BG", wordBlobs, moreInfoBlobs);
    writer.AddWord(ids[1], &f[kWord2], nullTexts ? nullptr : &f[kMoreInfo2],
                   input.Has(kSecondWordRussian) ? "RU" : "BG", wordBlobs, moreInfoBlobs);
    writer.AddWord(ids[2], &f[kWord3], &f[kMoreInfo1], "BG", wordBlobs, moreInfoBlobs);
    const bool meaningBlobs = input.Has(kMeaningsAsBlobs);
    const std::int64_t meaning1 = writer.AddMeaning(&f[kMeaning1], meaningBlobs);
    const std::int64_t meaning2 =
        writer.AddMeaning(nullTexts ? nullptr : &f[kMeaning2], meaningBlobs);
    writer.LinkMeaning(ids[0], meaning1);
    writer.LinkMeaning(ids[0], meaning2);
    if (input.Has(kSharedMeanings)) {
        writer.LinkMeaning(ids[1], meaning1);
        writer.LinkMeaning(ids[2], meaning2);
    }
    if (input.Has(kHomonyms12))
        writer.AddHomonyms(ids[0], ids[1]);
    if (input.Has(kHomonyms31))
        writer.AddHomonyms(ids[2], ids[0]);
    if (input.Has(kAbsoluteSynonyms12))
        writer.AddSynonyms(ids[0], ids[1], true);
    if (input.Has(kAbsoluteSynonyms23))
        writer.AddSynonyms(ids[1], ids[2], true);
    if (input.Has(kRelativeSynonyms13))
        writer.AddSynonyms(ids[0], ids[2], false);
    if (input.Has(kRelativeSynonyms21))
        writer.AddSynonyms(ids[1], ids[0], false);
    if (input.Has(kRelativeSynonyms32))
        writer.AddSynonyms(ids[2], ids[1], false);
    if (input.Has(kSelfPairs)) {
        writer.AddHomonyms(ids[0], ids[0]);
        writer.AddSynonyms(ids[0], ids[0], true);
        writer.AddSynonyms(ids[0], ids[0], false);
    }
    writer.Exec("commit");
}

void EmptyNetwork() {
    gFixture.Writer->Exec("begin; delete from T_WORD; delete from T_MEANING; "
                          "delete from TM_WORD_MEANING; delete from T_HOMONYM; "
                          "delete from T_SYNONYM; commit;");
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

void CheckPage(const std::string& page, const std::string& what) {
    Require(page.rfind("<html>\r\n", 0) == 0 && EndsWith(page, "</html>\r\n"),
            what + " is a complete page",
            [&] { return InputDetails() + "\npage " + CLiteral(page); });
}

void CheckSearch(const TInput& input, bool findSimilar) {
    const std::string& text = input.Fields[kSearch];
    const std::string body = gFixture.MainForm->Composer().SearchWordsHtml(
        text, input.Has(kSearchInRussian) ? "RU" : "BG", findSimilar);
    const std::string what =
        findSimilar ? "the page of a similar-word search" : "the page of an exact search";
    // A healthy network answers every search; only a pattern too long for the engine fails.
    if (body.rfind(kSearchErrorStart, 0) == 0) {
        const bool patternTooLong =
            findSimilar && FromPageText(text).toUpper().toUtf8().size() + 2 > kMaxLikePatternBytes;
        Require(patternTooLong, what + " shows no error",
                [&] { return InputDetails() + "\nbody " + CLiteral(body); });
    }
    CheckPage(gFixture.MainForm->Composer().HtmlPage(body), what);
}

void CheckWordPage(std::int32_t id) {
    std::string word, moreInfo, langCode;
    std::string table;
    try {
        gFixture.DataModule->GetWordById(std::to_string(id), word, moreInfo, langCode);
        table = gFixture.MainForm->Composer().WordInfoTableHtml(id, word, moreInfo);
    } catch (const EQuorError& error) {
        PropertyFailed("a healthy network gives every word its table",
                       InputDetails() + "\nmessage " + CLiteral(error.Message()));
    }
    Require(table.rfind("<table class=\"WordInfoTable\">\r\n", 0) == 0 &&
                EndsWith(table, "</table>\r\n"),
            "the word information table is complete",
            [&] { return InputDetails() + "\ntable " + CLiteral(table); });
    CheckPage(gFixture.MainForm->Composer().HtmlPage(table), "the word page");
}

// Follows an address as a word link: the page shown is the word's page or the link error page.
void FollowLink(const std::string& address) {
    gFixture.MainForm->ProcessWordUrl(address);
    gFixture.View->clearHistory();
    std::vector<std::filesystem::path> pages;
    for (const auto& entry : std::filesystem::directory_iterator(gFixture.PageFolder))
        pages.push_back(entry.path());
    const auto linkDetails = [&] { return InputDetails() + "\nlink " + CLiteral(address); };
    Require(pages.size() == 1, "following a link shows one page", linkDetails);
    std::ifstream file(pages.front(), std::ios::binary);
    const std::string page{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    file.close();
    std::filesystem::remove(pages.front());
    Require(page.rfind("<html>\r\n", 0) == 0 &&
                (EndsWith(page, "</html>\r\n") || EndsWith(page, "\r\n\r\n</html>")),
            "the page of a link is a word page or the link error page",
            [&] { return linkDetails() + "\npage " + CLiteral(page); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    StartApplication((*argv)[0]);
    SetMessageBoxFunction([](TMessageBoxKind, const QString&, const QString& text) {
        gFixture.Messages.push_back(ToPageText(text));
    });
    SetApplicationErrorHandler(
        [](const std::string& message) { gFixture.Messages.push_back(message); });

    // The working folder holds "styles.css"; the page files go to a folder of their own.
    const std::string& folder = ScratchFolder();
    const TWorkingFolderScope workingFolder(folder);
    WriteFileOrDie(folder + "/styles.css", kStylesheet);
    gFixture.PageFolder = folder + "/pages";
    std::filesystem::create_directory(gFixture.PageFolder);
    setenv("TMPDIR", gFixture.PageFolder.c_str(), 1);

    const std::string databasePath = folder + "/QuorSemanticNetwork.mdb";
    gFixture.Writer = new TNetworkWriter(databasePath);
    gFixture.MainForm = new TMainForm;
    gFixture.DataModule = new TQuorDataModule(QString::fromStdString(databasePath));
    gFixture.MainForm->SetDataModule(gFixture.DataModule);
    gFixture.View = gFixture.MainForm->findChild<TWebBrowser*>();
    Require(gFixture.DataModule->IsConnected() && gFixture.View && gFixture.Messages.empty(),
            "the word store opens the network");
    std::filesystem::remove_all(gFixture.PageFolder); // the welcome page
    std::filesystem::create_directory(gFixture.PageFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TInput input = ParseInput(data, size);
    const std::array<std::int32_t, 3> ids =
        input.Has(kExtremeIds) ? std::array<std::int32_t, 3>{INT32_MAX, INT32_MIN, -1}
                               : std::array<std::int32_t, 3>{1, 2, 3};
    gInput = std::string_view(reinterpret_cast<const char*>(data), size);
    const TWorkingFolderScope workingFolder(ScratchFolder());

    FillNetwork(input, ids);
    CheckSearch(input, false);
    CheckSearch(input, true);
    for (const std::int32_t id : ids)
        CheckWordPage(id);
    FollowLink("quor://QuorSemanticNetworkServer/ShowWord?wordId=" + std::to_string(ids[0]));
    FollowLink(input.Fields[kSearch]);
    EmptyNetwork();

    Require(gFixture.Messages.empty(), "no message box and no error reaches the application", [] {
        std::string messages = InputDetails() + "\nmessages:";
        for (const std::string& message : gFixture.Messages)
            messages += "\n" + CLiteral(message);
        return messages;
    });
    return 0;
}
