#pragma once

// An open file descriptor that closes itself.

#include <utility>

namespace quindle {

class TDescriptor {
public:
    TDescriptor() = default;
    explicit TDescriptor(int fd) : FFd(fd) {}
    TDescriptor(TDescriptor&& other) noexcept : FFd(other.Release()) {}
    TDescriptor& operator=(TDescriptor&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    ~TDescriptor() { Reset(); }

    int Get() const { return FFd; }
    explicit operator bool() const { return FFd >= 0; }
    // Hands the descriptor over; this one holds none after.
    int Release() { return std::exchange(FFd, -1); }
    // Closes the one held, if any, and holds fd.
    void Reset(int fd = -1);

private:
    int FFd = -1;
};

} // namespace quindle
