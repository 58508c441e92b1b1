// Every page (in each of its modes) and every result dialog on Windows' own controls, in all
// ten languages: each text fits its control, measured in the control's own font; controls
// stay inside their window and do not overlap; the sheet keeps one size. The shots go to
// the folder named on the command line: gallery_win32 OUT_DIR (OUT_DIR/<language>/*.png).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PageDriver.h"
#include "Screens.h"
#include "TempDir.h"
#include "framework/Text.h"
#include "wizard/ToolTitle.h"

// Then Windows.
#include "Win32Modal.h"
#include "Win32Windows.h"
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"

#include <commctrl.h>
#include <wincodec.h>

namespace tests {
namespace {

std::filesystem::path outputFolder;

std::string Utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// The size of `text` in `window`'s font, in lines no wider than `width` (one line for 0).
SIZE Measure(HWND window, const std::wstring& text, int width, UINT flags) {
    HDC dc = GetDC(window);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, width > 0 ? width : 0x7fff, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_EXPANDTABS | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// What does not fit in the control, or an empty string.
std::string Unfit(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    const int width = client.right;
    const int height = client.bottom;
    const std::wstring text = TextOf(control);
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    auto tooBig = [&](SIZE need, int w, int h) {
        return need.cx > w || need.cy > h
                   ? "needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) + ", has " +
                         std::to_string(w) + "x" + std::to_string(h)
                   : std::string();
    };
    if (text.empty()) {
        return {};
    }
    if (lstrcmpiW(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT) {
        // Measured as drawn: a label naming a field shows its access key underlined.
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        // A word wider than the label would stick out of the measured rectangle.
        if (style & SS_CENTERIMAGE) {
            return tooBig(Measure(control, text, 0, prefix), width, height);
        }
        const SIZE need = Measure(control, text, width, prefix);
        // Without its last character (and the punctuation closing it) a CJK text takes a
        // line less: that one stood alone.
        std::size_t end = text.size();
        while (end > 0 && framework::IsClosingPunctuation(text[end - 1])) {
            --end;
        }
        if (end > 1 && framework::IsCjk(text[end - 1]) &&
            Measure(control, text.substr(0, end - 1), width, prefix).cy < need.cy) {
            return "leaves one character alone on its last line";
        }
        return tooBig(need, width, height);
    }
    if (lstrcmpiW(kind.c_str(), L"Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
            // The circle and Windows' gap after it come first.
            const int room = width - GetSystemMetrics(SM_CXMENUCHECK) - 3;
            return tooBig(Measure(control, text, room, 0), room, height);
        }
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            // Inside the button's edges.
            return tooBig(Measure(control, text, 0, 0), width - 6, height - 4);
        }
    }
    if (lstrcmpiW(kind.c_str(), L"ComboBox") == 0) {
        const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t item[256] = {};
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            const SIZE need = Measure(control, item, 0, DT_NOPREFIX);
            if (need.cx + GetSystemMetrics(SM_CXVSCROLL) + 6 > width) {
                return "entry wider than the box: " + Utf8(item);
            }
        }
    }
    return {};
}

// The windows a screen shows: the sheet and its page, or the dialog.
std::vector<HWND> Windows(const tests::Screen& screen) {
    if (screen.dialog) {
        return {framework::win32::DialogHandle(*screen.dialog)};
    }
    return {framework::win32::SheetHandle(*screen.sheet),
            framework::win32::PageHandle(*screen.sheet->GetActivePage())};
}

std::vector<HWND> VisibleChildren(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && lstrcmpiW(ClassOf(child).c_str(), L"#32770") != 0) {
            children.push_back(child);
        }
    }
    return children;
}

RECT RectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A one-line label keeps a gap before the field it names on its row: its text never touches
// the field. The problem, or an empty string.
std::string TouchesItsField(HWND label, const std::vector<HWND>& siblings, HWND window) {
    const std::wstring text = TextOf(label);
    if (lstrcmpiW(ClassOf(label).c_str(), L"Static") != 0 || text.empty()) {
        return {};
    }
    const bool prefix = !(GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX);
    const SIZE one = Measure(label, text, 0, prefix ? 0 : DT_NOPREFIX);
    const RECT box = RectIn(label, window);
    if (one.cx > box.right - box.left) {
        return {};  // it wraps: a text, not a field's label
    }
    for (HWND field : siblings) {
        const std::wstring kind = ClassOf(field);
        if (lstrcmpiW(kind.c_str(), L"Edit") != 0 && lstrcmpiW(kind.c_str(), WC_IPADDRESSW) != 0 &&
            lstrcmpiW(kind.c_str(), L"ComboBox") != 0) {
            continue;
        }
        const RECT other = RectIn(field, window);
        const bool onRow = other.top < box.bottom && box.top < other.bottom;
        const int gap = other.left - (box.left + one.cx);
        if (onRow && other.left > box.left && gap < 4) {
            return "its text ends " + std::to_string(gap) + " px before its field";
        }
    }
    return {};
}

// The window as the screen shows it, saved as PNG.
bool SaveShot(HWND window, const std::filesystem::path& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, cx, cy, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    bool saved = false;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.wstring().c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(cx, cy)) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(cy, cx * 4, cx * cy * 4, static_cast<BYTE*>(bits))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
        saved = true;
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory}) {
        if (object) {
            object->Release();
        }
    }
    DeleteObject(bitmap);
    return saved;
}

class Win32Gallery : public ::testing::TestWithParam<Language> {};

TEST_P(Win32Gallery, EveryTextFitsItsControl) {
    const Language language = GetParam();
    tests::TempKey key;
    framework::win32::Win32Platform platform(language.id);
    platform::Install(&platform);
    framework::SetApplicationName(wizard::LoadToolTitle());
    const std::filesystem::path out = outputFolder / language.name;
    std::filesystem::create_directories(out);
    const auto driver = tests::MakePageDriver();
    int screens = 0;
    SIZE sheetSize{};
    tests::VisitAllScreens(*driver, [&](const std::string& name, const tests::Screen& screen) {
        ++screens;
        const std::vector<HWND> windows = Windows(screen);
        SetForegroundWindow(windows[0]);
        // Drawn whole, frame and caption too: nothing of a window shown before remains.
        RedrawWindow(windows[0], nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        tests::SettleModal();
        EXPECT_TRUE(SaveShot(windows[0], out / (name + ".png"))) << name;
        if (screen.sheet) {
            // One window size for every page: it never jumps as the user moves on.
            RECT rect;
            GetWindowRect(windows[0], &rect);
            const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
            if (!sheetSize.cx) {
                sheetSize = size;
            }
            EXPECT_TRUE(size.cx == sheetSize.cx && size.cy == sheetSize.cy)
                << language.name << " " << name << ": the sheet changed its size";
        }
        for (HWND window : windows) {
            RECT client;
            GetClientRect(window, &client);
            const std::vector<HWND> children = VisibleChildren(window);
            for (HWND child : children) {
                const RECT r = RectIn(child, window);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                            r.bottom <= client.bottom)
                    << language.name << " " << name << ": control " << GetDlgCtrlID(child)
                    << " leaves its window";
                std::string problem = Unfit(child);
                if (problem.empty()) {
                    problem = TouchesItsField(child, children, window);
                }
                EXPECT_TRUE(problem.empty())
                    << language.name << " " << name << ": control " << GetDlgCtrlID(child) << " \""
                    << Utf8(TextOf(child)) << "\": " << problem;
            }
            for (std::size_t i = 0; i < children.size(); ++i) {
                for (std::size_t j = i + 1; j < children.size(); ++j) {
                    RECT a = RectIn(children[i], window);
                    RECT b = RectIn(children[j], window);
                    RECT both;
                    // Controls that touch may share a pixel or two where dialog units round.
                    if (IntersectRect(&both, &a, &b)) {
                        EXPECT_TRUE(both.right - both.left <= 3 || both.bottom - both.top <= 3)
                            << language.name << " " << name << ": controls "
                            << GetDlgCtrlID(children[i]) << " and " << GetDlgCtrlID(children[j])
                            << " overlap";
                    }
                }
            }
        }
    });
    EXPECT_EQ(screens, tests::kScreenCount);
    platform::Install(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, Win32Gallery, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tests

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tests::outputFolder = argc > 1 ? argv[1] : "gallery-windows";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return RUN_ALL_TESTS();
}
