#pragma once
// The main window's size and place, kept between runs. The first run keeps
// the size the window gives itself.

class QWidget;

namespace sorn {

void RestoreWindowPlacement(QWidget& window);
void RememberWindowPlacement(const QWidget& window);

} // namespace sorn
