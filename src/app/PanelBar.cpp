#include "app/PanelBar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace sorn {

namespace {
constexpr int kPadding = 3; // text inset inside a panel
constexpr int kGap = 1;     // space between panels
} // namespace

PanelBar::PanelBar(std::vector<Panel> panels, QWidget* parent)
    : QWidget(parent), panels_(std::move(panels)) {}

QString PanelBar::PanelText(int index) const {
    if (index < 1 || index > PanelCount()) return {};
    return panels_[static_cast<std::size_t>(index - 1)].text;
}

void PanelBar::SetPanelText(int index, const QString& text) {
    if (index < 1 || index > PanelCount()) return;
    auto& panel = panels_[static_cast<std::size_t>(index - 1)];
    if (panel.text == text) return;
    // Only the panels that change are painted again: the bar repaints with
    // nearly every key, and a full repaint takes the progress bar over the
    // first panel along.
    const auto before = Layout();
    panel.text = text;
    textWidths_[static_cast<std::size_t>(index - 1)] = -1;
    const auto after = Layout();
    QRegion changed;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (i == static_cast<std::size_t>(index - 1) || after[i] != before[i])
            changed += before[i] | after[i];
    update(changed);
}

QRect PanelBar::PanelRect(int index) const {
    const auto rects = Layout();
    if (index < 1 || index > PanelCount()) return {};
    return rects[static_cast<std::size_t>(index - 1)];
}

int PanelBar::TextWidth(std::size_t i) const {
    if (textWidths_.size() != panels_.size() || measuredFont_ != font()) {
        textWidths_.assign(panels_.size(), -1);
        measuredFont_ = font();
    }
    if (textWidths_[i] < 0)
        textWidths_[i] = QFontMetrics(font()).horizontalAdvance(panels_[i].text);
    return textWidths_[i];
}

std::vector<QRect> PanelBar::Layout() const {
    std::vector<int> widths;
    int used = 0;
    int springs = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const Panel& panel = panels_[i];
        int w = std::max(panel.minimumWidth, TextWidth(i) + 2 * kPadding);
        widths.push_back(w);
        used += w + kGap;
        if (panel.spring) ++springs;
    }
    const int spare = std::max(0, width() - used);
    std::vector<QRect> rects;
    int x = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        int w = widths[i] + (panels_[i].spring && springs ? spare / springs : 0);
        rects.emplace_back(x, 0, w, height());
        x += w + kGap;
    }
    return rects;
}

void PanelBar::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    const auto rects = Layout();
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        // The panels a changed text left alone are already on the screen.
        if (!event->region().intersects(rects[i])) continue;
        const QRect r = rects[i].adjusted(0, 1, 0, -1);
        // A thin sunken bevel, the classic status-panel look.
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r.adjusted(kPadding, 0, -kPadding, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         panels_[i].text);
    }
}

} // namespace sorn
