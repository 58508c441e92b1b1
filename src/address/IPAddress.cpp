#include "address/IPAddress.h"

namespace IPAddress {

void Address::validate() const {
    if (value_ == 0) {
        throw InvalidAddressException("Address is all 0's");
    }
}

bool SubnetMask::isSameSubnet(std::uint32_t a, std::uint32_t b) const {
    return IPAddress::isSameSubnet(*this, a, b);
}

bool isSameSubnet(SubnetMask mask, std::uint32_t a, std::uint32_t b) {
    return (a & mask.value()) == (b & mask.value());
}

std::string ToDotted(std::uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 0xff) + "." +
           std::to_string((value >> 8) & 0xff) + "." + std::to_string(value & 0xff);
}

}  // namespace IPAddress
