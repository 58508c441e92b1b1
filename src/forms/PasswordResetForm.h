#pragma once
// The password reset as a value: it has no entries, so nothing to refuse; its task is one
// line.

#include "taskfile/TaskFile.h"

namespace forms {

struct PasswordResetForm {
    taskfile::TaskLines Compose() const {
        return {{taskfile::kTaskFile,
                 taskfile::ComposeTaskCommand(taskfile::ResetPassword, L"", L"", L"")}};
    }
};

}  // namespace forms
