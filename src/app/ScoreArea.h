#pragma once
// The score area: shows the image the redraw paints and takes dropped files.

#include <QImage>
#include <QWidget>

namespace sorn {

class ScoreArea : public QWidget {
    Q_OBJECT
public:
    explicit ScoreArea(QWidget* parent = nullptr);

    // The drawing surface, always the size of the widget.
    QImage& Image();

signals:
    void FileDropped(const QString& path);
    void MouseDown(Qt::MouseButton button, QPointF position, QPoint globalPosition);
    void DoubleClicked();
    // The pointer moved with the left button held.
    void MouseDrag(QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace sorn
