#pragma once
// The white picture boxes of the symbol and bar-line dialogs: a fixed pixel
// area that shows what a Canvas drew into it.

#include "layout/StaffLayout.h"
#include "render/Canvas.h"

#include <QImage>
#include <QLabel>
#include <functional>

namespace sorn {

inline constexpr int kPreviewWidth = 137;
inline constexpr int kPreviewHeight = 65;

// The previews draw with the staff routines of the score: a staff whose top
// line lies at y = 10 with lines 8 pixels apart. Given a column starting at
// x, a bar line stands at x + 20 and a time signature's cells at x - 10.
inline constexpr StaffLayout kPreviewLayout{10, 4, 40, 0};

class PreviewBox : public QLabel {
public:
    explicit PreviewBox(QWidget* parent = nullptr);

    // Runs `paint` on a canvas over the whole box and shows the result.
    void Draw(const std::function<void(Canvas&)>& paint);
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

} // namespace sorn
