#pragma once
// Pictures drawn as vectors: a bitmap at any scale, or an SVG document.

#include "platform/Printer.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

namespace sorn {

// The drawing of a canvas of `size` on a white image `scale` times as large,
// antialiased, glyphs from their outlines.
QImage ScaledPicture(QSizeF size, double scale, const PageDrawing& draw);

// The same drawing as an SVG document of `size` pixels.
QByteArray SvgPicture(QSizeF size, const QString& title, const PageDrawing& draw);

} // namespace sorn
