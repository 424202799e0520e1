// Reading a file whole, and writing one so that a failure never leaves it half-written: the
// bytes go to a temporary file in the same folder, which is renamed over the target only
// when it is complete. A failed write leaves the earlier file as it was.
#pragma once

#include <string>

#include "files/file_result.h"

FileResult ReadWholeFile(const std::string& path, std::string& bytes);
FileResult WriteWholeFile(const std::string& path, const std::string& bytes);
