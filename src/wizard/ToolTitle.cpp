#include "wizard/ToolTitle.h"

#include "framework/Text.h"
#include "platform/StringIds.h"

namespace wizard {

std::wstring LoadToolTitle() {
    return framework::FormatText(IDS_TOOL_TITLE, {framework::LoadText(IDS_PRODUCT_NAME)});
}

}  // namespace wizard
