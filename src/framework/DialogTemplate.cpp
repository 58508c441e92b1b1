#include "framework/DialogTemplate.h"

#include <algorithm>

namespace framework {

const ControlSpec* DialogTemplate::Find(int id) const {
    for (const ControlSpec& row : controls) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<int> DialogTemplate::RadioGroup(int id) const {
    // Number the groups in template order, as the dialog manager sees them: a row of any
    // kind marked kGroup closes the group before it; a radio naming another in groupWith
    // joins that radio's group.
    std::vector<std::pair<int, int>> groupOf;  // (radio id, group number)
    int groups = 0;
    int open = -1;  // the group that radios join, -1 after a kGroup row
    for (const ControlSpec& row : controls) {
        if (row.style & kGroup) {
            open = -1;
        }
        if (row.kind != ControlKind::Radio) {
            continue;
        }
        int number = -1;
        if (row.groupWith) {
            const auto joined = std::find_if(groupOf.begin(), groupOf.end(), [&](const auto& g) {
                return g.first == row.groupWith;
            });
            if (joined != groupOf.end()) {
                number = joined->second;
            }
        }
        if (number < 0) {
            if (open < 0) {
                open = groups++;
            }
            number = open;
        }
        groupOf.emplace_back(row.id, number);
    }
    const auto self =
        std::find_if(groupOf.begin(), groupOf.end(), [&](const auto& g) { return g.first == id; });
    std::vector<int> members;
    if (self == groupOf.end()) {
        return members;
    }
    for (const auto& [radio, number] : groupOf) {
        if (number == self->second) {
            members.push_back(radio);
        }
    }
    return members;
}

}  // namespace framework
