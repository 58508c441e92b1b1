#include "Gallery.h"

#include <QPixmap>
#include <QWidget>

#include "framework/qt/Backend.h"
#include "framework/qt/Sheet.h"

namespace tests {

QWidget* WindowOf(const Screen& screen) {
    return screen.sheet ? static_cast<QWidget*>(framework::qt::SheetWidget(*screen.sheet))
                        : static_cast<QWidget*>(framework::qt::DialogWidget(*screen.dialog));
}

bool SaveShot(QWidget* window, const QString& path) {
    return window->grab().save(path);
}

}  // namespace tests
