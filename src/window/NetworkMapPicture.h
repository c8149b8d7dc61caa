#pragma once

#include <QByteArray>

namespace Quor {

class TNetworkMapView;

// Pictures of the map a view draws, with the legend below it: an SVG picture at the map's size,
// a PNG one at twice its size. Raise EQuorError when the picture can not be made.
QByteArray SvgPicture(TNetworkMapView& view);
QByteArray PngPicture(TNetworkMapView& view);

} // namespace Quor
