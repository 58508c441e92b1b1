#include "wizard/UnifiedValues.h"

namespace wizard {
namespace {

UnifiedValueStore builtIn;
UnifiedValueStore* store = &builtIn;

}  // namespace

void SetUnifiedValueStore(UnifiedValueStore* newStore) {
    store = newStore ? newStore : &builtIn;
}

std::uint32_t GetUnifiedClusterIp() {
    return store->clusterIp;
}
std::uint32_t GetUnifiedGateway() {
    return store->gateway;
}
std::uint32_t GetUnifiedMask() {
    return store->mask;
}
void SetUnifiedClusterIp(const std::uint32_t* value) {
    store->clusterIp = *value;
}
void SetUnifiedGateway(const std::uint32_t* value) {
    store->gateway = *value;
}
void SetUnifiedMask(const std::uint32_t* value) {
    store->mask = *value;
}

}  // namespace wizard
