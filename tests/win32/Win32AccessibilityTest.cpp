// What a screen reader hears on Windows: every control that takes the keyboard on every page
// and dialog, in ten languages, is named after its label. The names the program annotates are
// recorded (Wine keeps none); the rest are asked of Windows' own lookup through oleacc.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "PageDriver.h"
#include "Screens.h"
#include "TempDir.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/ToolTitle.h"

// Then Windows.
#include "Win32Windows.h"
#include "framework/win32/Backend.h"
#include "framework/win32/Controls.h"
#include "framework/win32/Platform.h"

#include <commctrl.h>
#include <oleacc.h>

namespace tests {
namespace {

bool Is(HWND window, const wchar_t* name) {
    return lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

RECT RectOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// What Windows' own lookup names `control`, through oleacc.
std::wstring NameFromWindows(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        return {};
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring found;
    if (object->get_accName(self, &name) == S_OK && name) {
        found = name;
        SysFreeString(name);
    }
    object->Release();
    return found;
}

// The label a person sees for a field: the nearest static to its left on its row, or else the
// nearest above it; its access key dropped.
std::wstring LabelSeen(HWND field, const std::vector<HWND>& children) {
    const RECT box = RectOf(field);
    HWND best = nullptr;
    LONG bestDistance = 0;
    for (const bool sameRow : {true, false}) {
        for (HWND label : children) {
            const RECT r = RectOf(label);
            if (!Is(label, L"Static") || TextOf(label).empty()) {
                continue;
            }
            const bool onRow = r.top < box.bottom && box.top < r.bottom && r.right <= box.left + 1;
            const bool above = !sameRow && r.bottom <= box.top + 1 && r.left <= box.left;
            const LONG distance = sameRow ? box.left - r.right : box.top - r.bottom;
            if ((sameRow ? onRow : above) && (!best || distance < bestDistance)) {
                best = label;
                bestDistance = distance;
            }
        }
        if (best) {
            break;
        }
    }
    // A label shows its hyphenated words kept whole (with U+2011); its name has the hyphen.
    std::wstring text = best ? platform::WithoutAccessKey(TextOf(best)) : std::wstring();
    std::replace(text.begin(), text.end(), L'\u2011', L'-');
    return text;
}

// A field's boxes in a row, left to right: an address control's fields, or a row of octet
// boxes (four edits side by side); empty for a field that is one box.
std::vector<HWND> BoxesOf(HWND field, const std::vector<HWND>& children) {
    std::vector<HWND> boxes;
    if (Is(field, WC_IPADDRESSW)) {
        for (HWND box = GetWindow(field, GW_CHILD); box; box = GetWindow(box, GW_HWNDNEXT)) {
            boxes.push_back(box);
        }
    } else {
        const RECT r = RectOf(field);
        for (HWND other : children) {
            const RECT o = RectOf(other);
            if (Is(other, L"Edit") && o.top == r.top && o.bottom == r.bottom) {
                boxes.push_back(other);
            }
        }
        if (boxes.size() != 4) {
            return {};
        }
    }
    std::sort(boxes.begin(), boxes.end(),
              [](HWND a, HWND b) { return RectOf(a).left < RectOf(b).left; });
    return boxes;
}

class Win32Names : public ::testing::TestWithParam<Language> {};

TEST_P(Win32Names, EveryControlThatTakesTheKeyboardIsNamedAfterItsLabel) {
    const Language language = GetParam();
    TempKey key;
    framework::win32::Win32Platform system(language.id);
    platform::Install(&system);
    framework::SetApplicationName(wizard::LoadToolTitle());
    std::map<HWND, std::wstring> annotated;
    framework::win32::SetNameAnnotator(
        [&annotated](HWND control, const std::wstring& name) { annotated[control] = name; });
    auto nameOf = [&annotated](HWND control) {
        const auto it = annotated.find(control);
        return it != annotated.end() ? it->second : NameFromWindows(control);
    };
    const auto driver = MakePageDriver();
    int named = 0;
    VisitAllScreens(*driver, [&](const std::string& screen, const Screen& shown) {
        HWND window = shown.sheet ? framework::win32::PageHandle(*shown.sheet->GetActivePage())
                                  : framework::win32::DialogHandle(*shown.dialog);
        std::vector<HWND> children;
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (IsWindowVisible(c) && IsWindowEnabled(c)) {
                children.push_back(c);
            }
        }
        for (HWND control : children) {
            const std::wstring kind = ClassOf(control);
            const std::string where = std::string(language.name) + " " + screen + " control " +
                                      std::to_string(GetDlgCtrlID(control)) + " (" +
                                      std::string(kind.begin(), kind.end()) + ")";
            if (Is(control, L"Button")) {
                // Named by its own text: Windows drops the '&' of its access key.
                std::wstring text = TextOf(control);
                if (const std::size_t amp = text.find(L'&'); amp != std::wstring::npos) {
                    text.erase(amp, 1);
                }
                EXPECT_FALSE(text.empty()) << where;
                EXPECT_EQ(nameOf(control), text) << where;
                ++named;
                continue;
            }
            const bool field =
                Is(control, L"Edit") || Is(control, L"ComboBox") || Is(control, WC_IPADDRESSW);
            if (!field || !(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP)) {
                continue;
            }
            const std::wstring label = LabelSeen(control, children);
            EXPECT_FALSE(label.empty()) << where << ": no label";
            const std::vector<HWND> boxes = BoxesOf(control, children);
            if (boxes.empty() || Is(control, WC_IPADDRESSW)) {
                EXPECT_EQ(nameOf(control), label) << where;
            }
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (Is(control, WC_IPADDRESSW) || boxes[i] == control) {
                    EXPECT_EQ(
                        nameOf(boxes[i]),
                        platform::LoadFormatted(IDS_FW_OCTET_NAME, {label, std::to_wstring(i + 1)}))
                        << where << " box " << i + 1;
                }
            }
            ++named;
        }
    });
    EXPECT_GT(named, 60);
    framework::win32::SetNameAnnotator(nullptr);
    platform::Install(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, Win32Names, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tests
