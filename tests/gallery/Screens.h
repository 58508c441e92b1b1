#pragma once
// Every page of the wizard (in each of its modes) and every result dialog, shown in turn on
// the backend a page driver drives, in the language installed, for a caller to inspect and
// save. The current directory must be a scratch key folder (page 3 writes its task).

#include <functional>
#include <string>

#include "PageDriver.h"

namespace tests {

// A screen shown: the sheet or the dialog behind it.
struct Screen {
    framework::CPropertySheetEx* sheet;  // null for a dialog
    framework::CDialog* dialog;          // null for a page
};

// Called with a name ("page1-ipv6", "dialog102") and the screen shown in that state.
using Visitor = std::function<void(const std::string& name, const Screen& screen)>;

void VisitAllScreens(tests::PageDriver& driver, const Visitor& visit);
// How many screens it visits.
constexpr int kScreenCount = 25;

}  // namespace tests
