#include "tests/reduction/thread_room.h"

#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace {

// The address space this process uses now, in bytes, from /proc.
std::uint64_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmSize:", 0) == 0) {
            return std::stoull(line.substr(7)) * 1024;
        }
    }
    return 0;
}

}  // namespace

void LeaveNoRoomForThreads() {
    const rlimit tight{AddressSpaceInUse() + (1U << 20), RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &tight);
}
