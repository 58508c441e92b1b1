#pragma once
// The program's string tables in the ten languages, as UTF-8 texts, made at build time from
// the same .ts files as the wizard's: the command line speaks the wizard's words.

#include <cstddef>
#include <iterator>
#include <string>

namespace cli {

struct TableEntry {
    int id;
    const char* text;
};

struct StringTable {
    const char* language;  // "en_US", "de_DE", ...
    const TableEntry* entries;
    std::size_t count;
};

extern const StringTable kStringTables[];
extern const std::size_t kStringTableCount;

// The text of `id` in `language`; the English text where that table has none (or the
// language has no table); empty when no table has the id.
std::string TableText(const std::string& language, int id);

}  // namespace cli
