#include "platform/QtCanvasCommon.h"

#include <QFontMetricsF>

namespace sorn {
namespace {

constexpr int kTextPixelSize = 12;
// The text's top lies this far above its capitals, like a compact
// character cell, so that "x" sits on the note it is written beside.
constexpr double kTextLead = 2.0;

} // namespace

QtCanvasCommon::QtCanvasCommon() : textFont_(QStringLiteral("Noto Serif")) {
    textFont_.setPixelSize(kTextPixelSize);
    textFont_.setStyleHint(QFont::Serif);
}

QPointF QtCanvasCommon::TextBaseline(float x, float y) const {
    return {x, y + kTextLead + QFontMetricsF(textFont_).capHeight()};
}

} // namespace sorn
