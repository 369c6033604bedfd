#include "platform/VectorPicture.h"

#include "platform/GlyphSet.h"
#include "platform/PainterCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

namespace sorn {

QImage ScaledPicture(QSizeF size, double scale, const PageDrawing& draw) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale)));
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    {
        PainterCanvas canvas(painter, static_cast<float>(size.width()),
                             static_cast<float>(size.height()), GlyphSet::Shared());
        draw(canvas);
    }
    return image;
}

QByteArray SvgPicture(QSizeF size, const QString& title, const PageDrawing& draw) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setTitle(title);
    // One unit per pixel, so that text keeps its pixel size.
    generator.setResolution(96);
    {
        QPainter painter(&generator);
        PainterCanvas canvas(painter, static_cast<float>(size.width()),
                             static_cast<float>(size.height()), GlyphSet::Shared());
        draw(canvas);
    }
    svg.close();
    return svg.data();
}

} // namespace sorn
