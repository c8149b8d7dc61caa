#pragma once

#include "core/map/NetworkMap.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;

namespace Quor {

class TNetworkMapView;

// The panel of the word map beside the page: a choice of depth, a line of notes (the cap cut the
// map, the page shows no word, the map could not be made) and the map itself. It follows the word
// of the page shown, and makes the map only while it is visible.
class TNetworkMapPanel : public QWidget {
    Q_OBJECT

public:
    // Makes the map of a word; raises EQuorError when it can not.
    using TMapBuilder = std::function<TNetworkMap(std::int32_t wordId, const TMapScope& scope)>;

    TNetworkMapPanel(TMapBuilder builder, QWidget* parent = nullptr);

    // The word of the page shown; none for a page without one (the welcome page, a search that
    // found nothing, the link error page).
    void ShowWord(std::optional<std::int32_t> wordId);
    std::optional<std::int32_t> Word() const { return mWordId; }
    TNetworkMapView& View() const { return *mView; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Makes the map of the word anew when the one drawn is of another word or depth.
    void Update();
    void Note(const QString& text);

    TMapBuilder mBuilder;
    std::optional<std::int32_t> mWordId;
    // The word and depth of the map drawn; none when nothing is drawn.
    std::optional<std::int32_t> mDrawnWordId;
    int mDrawnDepth = 0;
    QCheckBox* mDepthCheckBox = nullptr;
    QLabel* mNoteLabel = nullptr;
    TNetworkMapView* mView = nullptr;
};

} // namespace Quor
