#include "wizard/ToolTitle.h"

#include "framework/QtPlatform.h"
#include "platform/StringIds.h"

namespace wizard {

QString LoadToolTitle() {
    return framework::FormatQString(IDS_TOOL_TITLE, {framework::LoadQString(IDS_PRODUCT_NAME)});
}

}  // namespace wizard
