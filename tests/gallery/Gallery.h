#pragma once
// Renders every page of the wizard (in each of its modes) and every result dialog, in the
// language installed, and lets a caller inspect each shot before it is saved.

#include <QString>
#include <functional>

class QWidget;

namespace gallery {

// Called with a name ("page1-ipv6", "dialog102") and the window shown in that state.
using Visitor = std::function<void(const QString& name, QWidget* window)>;

// Walks all screens; the current directory must be a scratch key folder.
void VisitAllScreens(const Visitor& visit);

// Saves a window's rendering as PNG.
bool SaveShot(QWidget* window, const QString& path);

}  // namespace gallery
