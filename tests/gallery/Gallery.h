#pragma once
// The gallery's screens on the Qt backend: their windows, saved as PNG.

#include <QString>

#include "Screens.h"

class QWidget;

namespace tests {

// The Qt window of a screen.
QWidget* WindowOf(const Screen& screen);

// Saves a window's rendering as PNG.
bool SaveShot(QWidget* window, const QString& path);

}  // namespace tests
