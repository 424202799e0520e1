// How a file operation ended, with the text to show the user when it failed.
#pragma once

#include <cstring>
#include <string>

enum class FileStatus {
    Success,
    FileError,      // the file could not be opened, created, written or replaced
    EncodingError,  // a text has no CP932 form, or the file's bytes are no CP932 text
    FormatError,    // the file is not laid out as expected (missing line, bad index)
    Interrupted,    // the user stopped it before anything was written
};

struct FileResult {
    FileStatus status = FileStatus::Success;
    std::string message;  // empty on success

    bool ok() const { return status == FileStatus::Success; }
    static FileResult Failure(FileStatus status, std::string message) {
        return {status, std::move(message)};
    }
};

// A file operation the system refused: the file, what could not be done and the system's reason.
inline FileResult SystemFileError(const std::string& what, const std::string& path, int error) {
    return FileResult::Failure(FileStatus::FileError, "ファイル「" + path + "」" + what + "（" +
                                                          std::strerror(error) + "）");
}
