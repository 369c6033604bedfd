#include "dialogs/PreviewBox.h"

#include "platform/GlyphSet.h"
#include "platform/QtCanvas.h"

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
    {
        // The canvas must be gone before the image is read.
        QtCanvas canvas(image_, GlyphSet::Shared());
        paint(canvas);
    }
    setPixmap(QPixmap::fromImage(image_));
}

} // namespace sorn
