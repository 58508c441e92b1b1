#pragma once
// The program's modal loops in the Windows tests. Windows runs them (the property sheet's,
// the dialog manager's) and they return only when the sheet or dialog ends; a test runs each
// on a fiber of its own, so that the test goes on while the loop waits for input, and hands
// control back to the loop whenever it should handle what is waiting: keys posted, work the
// handlers posted, painting. Everything stays on the test's one thread.

#include <functional>

namespace tests {

// Runs `modal` (a sheet's or a dialog's DoModal) on a fiber of its own until its loop waits
// for input, or until it has returned; the run's number.
int StartModal(std::function<void()> modal);
// Lets the loop started last handle what is waiting, until it waits again (or has
// returned); without a running loop, the messages waiting are dispatched here.
void SettleModal();
// Whether the run has not returned yet.
bool ModalRunning(int run);
// Lets the run's loop go on until it returns, once the caller has ended its sheet or dialog.
void FinishModal(int run);

}  // namespace tests
