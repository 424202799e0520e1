// From getrlimit, /proc and the control group's files; what cannot be read sets no bound.
#include "app/memory_room.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace {

// The first number in a file, or a number after a label ("MemAvailable:").
std::optional<std::size_t> NumberIn(const char* path, const std::string& label = {}) {
    std::ifstream in(path);
    std::string word;
    if (!label.empty())
        while (in >> word && word != label) {
        }
    unsigned long long value;
    if (in >> value) return value;
    return std::nullopt;
}

void Bound(std::optional<std::size_t>& room, std::size_t bound) {
    room = room ? std::min(*room, bound) : bound;
}

// Room under a limit of the process: what it has taken already counts against it.
void BoundByLimit(std::optional<std::size_t>& room, int resource, std::size_t taken) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return;
    Bound(room, limit.rlim_cur > taken ? limit.rlim_cur - taken : 0);
}

}  // namespace

MemoryRoom AvailableMemory() {
    MemoryRoom room;
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0, resident = 0, shared = 0, text = 0, library = 0, data = 0;
    statm >> size >> resident >> shared >> text >> library >> data;
    BoundByLimit(room.addressSpace, RLIMIT_AS, size * page);
    BoundByLimit(room.data, RLIMIT_DATA, data * page);

    if (const auto available = NumberIn("/proc/meminfo", "MemAvailable:")) {
        const auto swap = NumberIn("/proc/meminfo", "SwapFree:");
        Bound(room.data, (*available + swap.value_or(0)) * 1024);
    }
    // The control group's limit, as its own folder shows it (v2, then v1).
    for (const auto& [limit, usage] :
         {std::pair{"/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"},
          std::pair{"/sys/fs/cgroup/memory/memory.limit_in_bytes",
                    "/sys/fs/cgroup/memory/memory.usage_in_bytes"}}) {
        const auto max = NumberIn(limit), used = NumberIn(usage);
        if (max && used) {
            Bound(room.data, *max > *used ? *max - *used : 0);
            break;
        }
    }
    return room;
}
