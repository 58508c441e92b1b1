#pragma once

#include <QString>

namespace wizard {

constexpr int IDS_PRODUCT_NAME = 100;
constexpr int IDS_UNIFIED_PRODUCT_NAME = 101;
constexpr int IDS_SHEET_CAPTION = 103;
constexpr int IDS_TOOL_TITLE = 104;

// "Quorvex Veltara K4400 Initialization Tool" in the user's language: the caption of every
// page and every result dialog.
QString LoadToolTitle();

}  // namespace wizard
