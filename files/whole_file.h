// Reading a file whole, and writing one alone as a commit of one file (files/file_commit.h):
// a failed write leaves the earlier file as it was.
#pragma once

#include <string>

#include "files/file_result.h"

FileResult ReadWholeFile(const std::string& path, std::string& bytes);
FileResult WriteWholeFile(const std::string& path, const std::string& bytes);
