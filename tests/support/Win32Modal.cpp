#include "Win32Modal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <windows.h>

namespace tests {
namespace {

// The message that finds a loop waiting: posted to a window of the tests' own, it comes out
// of the loop's queue after everything posted before it. Its wParam is the run's number.
constexpr UINT kWaiting = WM_APP + 7;

struct ModalRun {
    int number = 0;
    void* fiber = nullptr;
    std::function<void()> body;
    bool returned = false;
};

struct Fibers {
    void* test = nullptr;  // the test's own (the thread's stack)
    HWND marker = nullptr;
    int made = 0;
    std::vector<std::unique_ptr<ModalRun>> runs;  // in the order started
    // The run whose fiber is running; none while the test's is (GetCurrentFiber, inline,
    // trips GCC's bounds check).
    ModalRun* running = nullptr;
    int rounds = 0;
};

Fibers& State() {
    static Fibers fibers;
    return fibers;
}

ModalRun* Find(int number) {
    for (const auto& run : State().runs) {
        if (run->number == number) {
            return run.get();
        }
    }
    return nullptr;
}

LRESULT CALLBACK MarkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Fibers& state = State();
    if (message != kWaiting) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!state.running || state.running->number != static_cast<int>(wParam)) {
        return 0;  // left over from a loop that has returned
    }
    // What the messages handled so far posted is handled too, before the test goes on (the
    // test's keys are posted too; input from the display, a pointer moving, is left for the
    // loop to read after the posted messages, as it does).
    if (HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE)) != 0 && ++state.rounds < 200) {
        PostMessageW(window, kWaiting, wParam, 0);
        return 0;
    }
    SwitchToFiber(state.test);
    return 0;
}

void WINAPI ModalMain(void* parameter) {
    auto* run = static_cast<ModalRun*>(parameter);
    run->body();
    run->returned = true;
    SwitchToFiber(State().test);
}

// Hands control to the run's loop until it waits again or has returned.
void Resume(ModalRun& run) {
    Fibers& state = State();
    state.rounds = 0;
    PostMessageW(state.marker, kWaiting, static_cast<WPARAM>(run.number), 0);
    state.running = &run;
    SwitchToFiber(run.fiber);
    state.running = nullptr;
    if (run.returned) {
        DeleteFiber(run.fiber);
        std::erase_if(state.runs, [&run](const auto& r) { return r.get() == &run; });
    }
}

}  // namespace

int StartModal(std::function<void()> modal) {
    Fibers& state = State();
    if (!state.test) {
        state.test = ConvertThreadToFiber(nullptr);
        WNDCLASSW marker{};
        marker.lpfnWndProc = &MarkerProc;
        marker.hInstance = GetModuleHandleW(nullptr);
        marker.lpszClassName = L"k4400.tests.modal";
        RegisterClassW(&marker);
        state.marker = CreateWindowExW(0, marker.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, marker.hInstance, nullptr);
    }
    if (state.running) {
        ADD_FAILURE() << "a modal loop started from inside another";
        return 0;
    }
    auto run = std::make_unique<ModalRun>();
    run->number = ++state.made;
    run->body = std::move(modal);
    run->fiber = CreateFiber(1 << 20, &ModalMain, run.get());
    ModalRun& started = *run;
    state.runs.push_back(std::move(run));
    const int number = started.number;
    Resume(started);
    return number;
}

void SettleModal() {
    Fibers& state = State();
    if (!state.running && !state.runs.empty()) {
        Resume(*state.runs.back());
        return;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool ModalRunning(int run) {
    return Find(run) != nullptr;
}

void FinishModal(int number) {
    for (int round = 0; round < 20 && !State().running; ++round) {
        ModalRun* run = Find(number);
        if (!run) {
            return;
        }
        Resume(*run);
    }
    EXPECT_FALSE(ModalRunning(number)) << "the modal loop did not return";
}

}  // namespace tests
