#pragma once

#include "core/map/NetworkMap.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPen>

namespace Quor {

// The rounding of the corners of a word's box and of the legend's.
constexpr double kMapCornerRadius = 4.0;

// The line of a relation on the map: solid for an absolute synonym, dashed for a relative one,
// dotted for a homonym. `faint` for the many lines of a large map, which would hide the words.
QPen RelationPen(TMapRelation relation, const QPalette& palette, bool faint = false);
// The shade of a cluster: the word's absolute synonyms, its homonyms, a group of relative
// synonyms.
QColor ClusterFill(TMapRelation relation, const QPalette& palette);
// The least scale at which labels drawn in `font` are as high as the desktop's smallest readable
// font; 1 at most.
double ReadableLabelScale(const QFont& font);

} // namespace Quor
