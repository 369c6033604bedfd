#include "app/Zoom.h"

#include "platform/EditorSettings.h"

#include <algorithm>
#include <iterator>

namespace sorn {

namespace {
const QString kZoomKey = QStringLiteral("view/zoom"); // in the editor's settings file
} // namespace

int ZoomedIn(int percent) {
    const auto next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
    return next == std::end(kZoomSteps) ? kZoomSteps[std::size(kZoomSteps) - 1] : *next;
}

int ZoomedOut(int percent) {
    const auto at = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
    return at == std::begin(kZoomSteps) ? kZoomSteps[0] : *std::prev(at);
}

int StoredZoom() {
    const int percent = EditorSettings().value(kZoomKey, 100).toInt();
    // A hand-edited or foreign value falls back to the normal size.
    return std::count(std::begin(kZoomSteps), std::end(kZoomSteps), percent) ? percent : 100;
}

void StoreZoom(int percent) {
    EditorSettings().setValue(kZoomKey, percent);
}

} // namespace sorn
