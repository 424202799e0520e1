// How much more memory this process may take, as far as the system says: the limits set on
// it (setrlimit, a control group) and the memory the machine has available.
#pragma once

#include <cstddef>
#include <optional>

struct MemoryRoom {
    std::optional<std::size_t> addressSpace;  // mappings, reserved or used (RLIMIT_AS)
    std::optional<std::size_t> data;  // memory written to (RLIMIT_DATA, control group, machine)
};

MemoryRoom AvailableMemory();
