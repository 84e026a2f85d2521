#include "support/PermissionBits.hpp"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
using Sets = __user_cap_data_struct[_LINUX_CAPABILITY_U32S_3];

bool getSets(Sets& sets)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, sets) == 0;
}

bool setSets(Sets& sets)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, sets) == 0;
}

// Both live in the first word of the sets.
constexpr std::uint32_t overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
} // namespace

PermissionBits::PermissionBits()
{
    Sets sets = {};
    if (!getSets(sets) || (sets[0].effective & overrides) == 0)
        return;
    savedEffective = sets[0].effective;
    sets[0].effective &= ~overrides;
    dropped = setSets(sets);
}

PermissionBits::~PermissionBits()
{
    Sets sets = {};
    if (!dropped || !getSets(sets))
        return;
    sets[0].effective = savedEffective;
    setSets(sets);
}
