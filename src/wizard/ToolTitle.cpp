#include "wizard/ToolTitle.h"

#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace wizard {

std::wstring LoadToolTitle() {
    return platform::LoadFormatted(IDS_TOOL_TITLE, {platform::LoadText(IDS_PRODUCT_NAME)});
}

}  // namespace wizard
