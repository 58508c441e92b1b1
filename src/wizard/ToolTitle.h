#pragma once

#include <QString>

namespace wizard {

// "Quorvex Veltara K4400 Initialization Tool" in the user's language: the caption of every
// page and every result dialog.
QString LoadToolTitle();

}  // namespace wizard
