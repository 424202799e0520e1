// Fuzz target: the design-condition file reader on arbitrary bytes. A file either loads
// completely or changes nothing and says why; a file that loads saves and loads back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "calc/design_conditions.h"
#include "files/design_file.h"

namespace {

std::string TempPath(const char* name) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/dolmeta-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        return std::string(made);
    }();
    return folder + "/" + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = TempPath("input.dat");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    DesignConditions conditions;
    conditions.tWeight = "20";  // not in the file: must survive any load
    const DesignConditions before = conditions;
    const FileResult loaded = LoadDesignConditions(path, conditions);
    if (!loaded.ok()) {
        if (!(conditions == before) || loaded.message.empty()) std::abort();
        return 0;
    }
    if (conditions.tWeight != "20") std::abort();
    if (conditions.soilType < -1 || conditions.soilType > 2) std::abort();
    if (conditions.foundation < -1 || conditions.foundation > 2) std::abort();
    if (conditions.liveLoad < -1 || conditions.liveLoad > 3) std::abort();
    if (conditions.combination < -1 || conditions.combination > 2) std::abort();

    const std::string copy = TempPath("copy.dat");
    if (!SaveDesignConditions(copy, conditions).ok()) return 0;  // e.g. a text with a line break
    DesignConditions reloaded = before;
    if (!LoadDesignConditions(copy, reloaded).ok() || !(reloaded == conditions)) std::abort();
    return 0;
}
