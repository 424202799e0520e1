// Reading a file whole, and writing one alone as a commit of one file (files/file_commit.h):
// a failed write leaves the earlier file as it was.
#pragma once

#include <cstddef>
#include <string>

#include "files/file_result.h"

// Reads at most `limit` bytes: a longer file is refused, and what lies beyond is never read.
FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit);
FileResult WriteWholeFile(const std::string& path, const std::string& bytes);
