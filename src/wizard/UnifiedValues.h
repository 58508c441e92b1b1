#pragma once
// The storage system address, gateway and mask accepted on the first unified page, which
// the second reads. They live in the application object; the wizard reaches them through
// these accessors, and the application object registers itself as their store.

#include <cstdint>

namespace wizard {

class UnifiedValueStore {
  public:
    virtual ~UnifiedValueStore() = default;
    std::uint32_t clusterIp = 0;
    std::uint32_t gateway = 0;
    std::uint32_t mask = 0;
};

// nullptr restores the built-in store (for a wizard run without an application object).
void SetUnifiedValueStore(UnifiedValueStore* store);

std::uint32_t GetUnifiedClusterIp();
std::uint32_t GetUnifiedGateway();
std::uint32_t GetUnifiedMask();
void SetUnifiedClusterIp(const std::uint32_t* value);
void SetUnifiedGateway(const std::uint32_t* value);
void SetUnifiedMask(const std::uint32_t* value);

}  // namespace wizard
