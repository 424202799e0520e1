// Conversion between the program's UTF-8 text and CP932 (Shift-JIS), the code page of every
// file the program reads and writes. A text that has no form in the other code set is an
// error, never silently shortened.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

#include "files/file_commit.h"
#include "files/file_result.h"

class EncodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws EncodingError naming the text.
std::string ToCp932(const std::string& utf8);
// The same with "?" for each character that has no CP932 form and each byte that is no
// UTF-8, for texts that may hold whatever a user typed or a file was named.
std::string ToCp932Replacing(const std::string& utf8);
// Throws EncodingError.
std::string FromCp932(const std::string& cp932);

// Blanks in front until the text is `width` CP932 bytes long (a full-width character counts
// 2); a text of that length or longer is returned unchanged, never cut. Throws
// EncodingError for a text that has no CP932 form.
std::string PadLeft(const std::string& utf8, std::size_t width);

// Stages the CP932 bytes that `make` returns as one output of the commit; a text without a
// CP932 form fails as an EncodingError and stages nothing.
FileResult StageCp932(FileCommit& commit, const std::string& path,
                      const std::function<std::string()>& make);
