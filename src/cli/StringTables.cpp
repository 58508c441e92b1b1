#include "cli/StringTables.h"

namespace cli {
namespace {

const char* Find(const StringTable& table, int id) {
    for (std::size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].id == id) {
            return table.entries[i].text;
        }
    }
    return nullptr;
}

}  // namespace

std::string TableText(const std::string& language, int id) {
    for (std::size_t i = 0; i < kStringTableCount; ++i) {
        if (language == kStringTables[i].language) {
            if (const char* text = Find(kStringTables[i], id)) {
                return text;
            }
        }
    }
    const char* english = Find(kStringTables[0], id);
    return english ? english : "";
}

}  // namespace cli
