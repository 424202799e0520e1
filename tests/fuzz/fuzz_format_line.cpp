// Fuzz target: FormatLine on arbitrary patterns and values. The first eight bytes are the
// value, the rest the pattern. Whatever arrives, the text is bounded and shows no NaN or
// infinity for a finite value, and equals the extended path given the single-precision value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/sheet/format_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    const std::string pattern(reinterpret_cast<const char*>(data), size);
    const std::string text = FormatLine(pattern, value);
    const float single = static_cast<float>(value);
    if (std::isfinite(single)) {
        // At most 39 integer digits, 13 group separators, a sign and the exponent.
        if (text.size() > pattern.size() * 4 + 80) std::abort();
        const bool letters = pattern.find_first_of("nNaAiIfF") != std::string::npos;
        if (!letters &&
            (text.find("NAN") != std::string::npos || text.find("INF") != std::string::npos))
            std::abort();
    }
    if (FormatLine(pattern, value) != text) std::abort();    // deterministic
    if (FormatFloat(pattern, single) != text) std::abort();  // the single-precision shortcuts agree
    return 0;
}
