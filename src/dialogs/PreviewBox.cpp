#include "dialogs/PreviewBox.h"

#include "platform/GlyphSet.h"
#include "platform/PainterCanvas.h"
#include "platform/QtCanvas.h"

#include <QPainter>
#include <QPixmap>

namespace sorn {

PreviewBox::PreviewBox(QWidget* parent)
    : QLabel(parent), image_(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(kPreviewWidth + 2 * frameWidth(), kPreviewHeight + 2 * frameWidth());
    setPixmap(QPixmap::fromImage(image_));
}

void PreviewBox::Draw(const std::function<void(Canvas&)>& paint) {
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1) {
        // The canvas must be gone before the image is read.
        QtCanvas canvas(image_, GlyphSet::Shared());
        paint(canvas);
    } else {
        // A high-density screen gets the drawing at its own resolution.
        image_ = QImage(QSize(kPreviewWidth, kPreviewHeight) * ratio, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
        QPainter painter(&image_);
        PainterCanvas canvas(painter, kPreviewWidth, kPreviewHeight, GlyphSet::Shared());
        paint(canvas);
    }
    setPixmap(QPixmap::fromImage(image_));
}

} // namespace sorn
