#pragma once
// A small value type for 32-bit IPv4 addresses and subnet masks, first octet in the most
// significant byte.

#include <cstdint>
#include <string>

namespace IPAddress {

class Exception {
  public:
    Exception(std::string message, int code) : message_(std::move(message)), code_(code) {}
    virtual ~Exception() = default;
    const std::string& message() const { return message_; }
    int code() const { return code_; }

  private:
    std::string message_;
    int code_;
};

class InvalidAddressException : public Exception {
  public:
    explicit InvalidAddressException(std::string message) : Exception(std::move(message), 3) {}
    ~InvalidAddressException() override = default;
};

class AddressBase {
  public:
    virtual void validate() const = 0;
    virtual ~AddressBase() = default;
};

class Address : public AddressBase {
  public:
    explicit Address(std::uint32_t value) : value_(value) {}
    std::uint32_t value() const { return value_; }
    void validate() const override;
    ~Address() override = default;

  private:
    std::uint32_t value_;
};

class SubnetMask : public Address {
  public:
    explicit SubnetMask(std::uint32_t mask) : Address(mask) {}
    void validate() const override {}
    bool isSameSubnet(std::uint32_t a, std::uint32_t b) const;
    ~SubnetMask() override = default;
};

bool isSameSubnet(SubnetMask mask, std::uint32_t a, std::uint32_t b);

// Dotted decimal without leading zeros, most significant octet first.
std::string ToDotted(std::uint32_t value);

}  // namespace IPAddress
