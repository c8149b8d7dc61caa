#pragma once

#include "core/map/NetworkMap.h"
#include "window/PageDialogs.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QSplitter;

namespace Quor {

class TNetworkMapView;
class TQuorDataModule;

// The panel of the word map right of the page, in the splitter it shares with the page: a choice of
// depth, a line of notes (the cap cut the map, the page shows no word, the map could not be made)
// and the map itself. Opened again, it takes the width it had when it was closed. It follows the
// word of the page shown, and makes the map from the word store only while it is visible. Its
// context menu exports the map to a file.
class TNetworkMapPanel : public QWidget {
    Q_OBJECT

public:
    // Asks for the file to write the map in, suggesting `name`; empty when the user cancels.
    using TFileNameAsker = std::function<QString(TPageFileKind kind, const QString& name)>;

    // The panel's place is right of the page in `splitter`.
    TNetworkMapPanel(TFileNameAsker askFileName, QSplitter& splitter);

    void SetDataModule(TQuorDataModule* dataModule) { mDataModule = dataModule; }
    // The word of the page shown; none for a page without one (the welcome page, a search that
    // found nothing, the link error page).
    void ShowWord(std::optional<std::int32_t> wordId);
    std::optional<std::int32_t> Word() const { return mWordId; }
    TNetworkMapView& View() const { return *mView; }

    // Opens the map beside the page, or closes it; closed with the focus in it, it gives the
    // focus to the page.
    void Toggle();
    bool MapHasFocus() const;
    // Asks for a file and writes the map drawn to it; raises EQuorError when no map is drawn or
    // the file can not be written.
    void ExportMap(TPageFileKind kind);

Q_SIGNALS:
    // The user chose a word on the map.
    void WordChosen(std::int32_t wordId);
    // The map was opened or closed.
    void OpenChanged(bool open);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Open();
    void Close();
    TQuorDataModule& DataModule() const;
    // Makes the map of the word anew when the one drawn is of another word or depth.
    void Update();
    void Note(const QString& text);
    // Notes what the map drawn leaves out: words beyond the cap, words folded away.
    void NoteMap();
    // The file of the map drawn: an SVG or PNG picture, Graphviz DOT, GraphML or the CSV of the
    // relations.
    QByteArray MapFile(TPageFileKind kind) const;

    TFileNameAsker mAskFileName;
    QSplitter& mSplitter;
    TQuorDataModule* mDataModule = nullptr;
    std::optional<std::int32_t> mWordId;
    // The word and depth of the map drawn; none when nothing is drawn.
    std::optional<std::int32_t> mDrawnWordId;
    int mDrawnDepth = 0;
    // The map's width, kept while it is closed.
    int mWidth = 0;
    // The page's own least width, given back when the map closes.
    int mPageMinimumWidth = 0;
    QCheckBox* mDepthCheckBox = nullptr;
    QLabel* mNoteLabel = nullptr;
    TNetworkMapView* mView = nullptr;
};

} // namespace Quor
