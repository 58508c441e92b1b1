// Planted for the layer check's own test: a page must not see a backend, nor a toolkit.
#include <QWidget>
#include <windows.h>

#include "framework/qt/Controls.h"
