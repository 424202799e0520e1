// What batch mode says of its outputs: where each went, or why none was written.
#pragma once

#include <iosfwd>
#include <string>

#include "files/file_result.h"

// "計算書テキストを書き込みました：/abs/Box.txt", with the path made absolute.
void TellWritten(std::ostream& stream, const char* what, const std::string& path);
// A stop request before the outputs were put in place.
void TellInterrupted(std::ostream& err);
// The failure, and that no earlier file was replaced.
void TellNothingWritten(const FileResult& failure, std::ostream& err);
