#pragma once
// The in-memory DLGTEMPLATEEX for a template: dialog units as they are, "MS Shell Dlg" at
// 8 points (DS_SHELLFONT, the system's dialog font), the standard control classes; the
// dialog manager makes Windows' own controls from it.

#include "framework/DialogTemplate.h"

#include <cstdint>
#include <vector>

namespace framework::win32 {

enum class TemplateUse { Page, Dialog, LonePage };
std::vector<std::uint8_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate,
                                              TemplateUse use);

}  // namespace framework::win32
