// Reading a file whole, and writing one so that a failure never leaves it half-written: the
// bytes go to a temporary file in the same folder, which is renamed over the target only
// when it is complete. A failed write leaves the earlier file as it was.
#pragma once

#include <cstddef>
#include <string>

#include "files/file_result.h"

// Reads at most `limit` bytes: a longer file is refused, and what lies beyond is never read.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit);
FileResult WriteWholeFile(const std::string& path, const std::string& bytes);
