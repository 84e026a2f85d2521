#pragma once
// While one is alive, file permission bits bind the calling thread even when
// it runs as root: the capabilities that override them leave its effective
// set, and come back when the object goes away. Tests of unreadable files and
// read-only folders then check the same thing for root as for anyone else.

#include <cstdint>

class PermissionBits
{
public:
    PermissionBits();
    ~PermissionBits();
    PermissionBits(const PermissionBits&) = delete;
    PermissionBits& operator=(const PermissionBits&) = delete;

private:
    std::uint32_t savedEffective = 0;
    bool dropped = false;
};
