#pragma once
// The score area: shows the image the redraw paints and takes dropped files.

#include <QImage>
#include <QWidget>

namespace sorn {

// Multiplies each channel of the pixels in area (clipped to the image, which
// is RGB32) by the tint's, rounding as the toolkit's multiplied fill does:
// white takes the tint, black stays. Whole rows at a time, as this runs at
// every key while a selection is shown.
void TintPixels(QImage& image, const QRect& area, QRgb tint);

class ScoreArea : public QWidget {
    Q_OBJECT
public:
    explicit ScoreArea(QWidget* parent = nullptr);

    // The drawing surface, always the size of the widget in device pixels
    // (its device pixel ratio set), so one pixel per pixel on a 1x screen.
    QImage& Image();

signals:
    void FileDropped(const QString& path);
    void MouseDown(Qt::MouseButton button, QPointF position, QPoint globalPosition);
    void DoubleClicked();
    // The pointer moved with the left button held.
    void MouseDrag(QPointF position);
    // Ctrl and the wheel: +1 a step larger, -1 a step smaller.
    void ZoomWheel(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage image_;
};

} // namespace sorn
