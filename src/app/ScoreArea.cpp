#include "app/ScoreArea.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace sorn {

ScoreArea::ScoreArea(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& ScoreArea::Image() {
    if (image_.size() != size()) {
        image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    return image_;
}

void ScoreArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Image());
}

void ScoreArea::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void ScoreArea::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    emit FileDropped(urls.first().toLocalFile());
}

void ScoreArea::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position(), event->globalPosition().toPoint());
}

void ScoreArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) emit MouseDrag(event->position());
}

// The press before it has already moved the cursor.
void ScoreArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

} // namespace sorn
