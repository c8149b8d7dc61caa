#include "window/NetworkMapPicture.h"

#include "core/QuorError.h"
#include "window/NetworkMapView.h"
#include "window/WordLabels.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace Quor {

QByteArray SvgPicture(TNetworkMapView& view) {
    const QSizeF size = view.PictureSize();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(), size));
    svg.setTitle(WordLabel(view.Map().Nodes.at(0).Word));
    svg.setDescription(QStringLiteral("The neighbourhood of a word in the Quor Semantic Network"));
    {
        QPainter painter(&svg);
        view.PaintPicture(painter, size);
    }
    return buffer.data();
}

QByteArray PngPicture(TNetworkMapView& view) {
    constexpr double kPictureScale = 2.0;
    const QSizeF size = view.PictureSize();
    QImage image((size * kPictureScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    // The picture's size is rounded to whole pixels; the row that the painting covers only in
    // part would otherwise keep whatever the memory held.
    image.fill(view.palette().color(QPalette::Base));
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(kPictureScale, kPictureScale);
        view.PaintPicture(painter, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EQuorError("Can not make a PNG picture of the map.");
    return bytes;
}

} // namespace Quor
