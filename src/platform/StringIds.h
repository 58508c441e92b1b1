#pragma once
// String-table entries that belong to the framework layer rather than to a page or dialog.
// They live beside the program's own texts (100-199), in every language.

namespace platform {

constexpr int IDS_FW_ENTER_INTEGER = 9001;    // data exchange: a box holds no integer
constexpr int IDS_FW_CONFIRM_PROCEED = 9002;  // second half of the parser confirmation
constexpr int IDS_FW_BACK = 9003;             // wizard buttons
constexpr int IDS_FW_NEXT = 9004;
constexpr int IDS_FW_FINISH = 9005;
constexpr int IDS_FW_CANCEL = 9006;
constexpr int IDS_FW_FILE_ACCESS_DENIED = 9010;  // file error descriptions, %1 = file name
constexpr int IDS_FW_FILE_BAD_PATH = 9011;
constexpr int IDS_FW_FILE_SHARING = 9012;
constexpr int IDS_FW_FILE_TOO_MANY_OPEN = 9013;
constexpr int IDS_FW_FILE_GENERIC = 9014;
constexpr int IDS_FW_OCTET_NAME = 9020;  // accessible name of an octet box: %1 row, %2 position

}  // namespace platform
