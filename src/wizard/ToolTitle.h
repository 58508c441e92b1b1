#pragma once

#include <string>

namespace wizard {

// "Quorvex Veltara K4400 Initialization Tool" in the user's language: the caption of every
// page and every result dialog.
std::wstring LoadToolTitle();

}  // namespace wizard
