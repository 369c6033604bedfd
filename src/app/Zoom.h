#pragma once
// The score area's zoom: its steps and the one remembered between runs.

namespace sorn {

inline constexpr int kZoomSteps[] = {100, 125, 150, 200, 300, 400}; // percent

// The next step up or down; the ends stay where they are.
int ZoomedIn(int percent);
int ZoomedOut(int percent);

// The zoom of the last run (QSettings), 100 when none or not a step.
int StoredZoom();
void StoreZoom(int percent);

} // namespace sorn
