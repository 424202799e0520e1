// CP932 conversion through the C library's iconv.
#include "files/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts the whole text or returns false at the first sequence without a counterpart;
// with `replace`, writes "?" for such a sequence (a UTF-8 character or a stray byte) and
// goes on.
bool Convert(const char* to, const char* from, const std::string& input, std::string& output,
             bool replace = false) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw EncodingError(std::string("iconv cannot convert ") + from + " to " + to);
    output.assign(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    bool complete = true;
    while (inLeft > 0) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        if (!replace) {
            complete = false;  // EILSEQ: no counterpart; EINVAL: cut off at the end
            break;
        }
        if (written == output.size()) output.resize(output.size() * 2);
        output[written++] = '?';
        std::size_t skipped = 1;
        while (skipped < inLeft && (in[skipped] & 0xC0) == 0x80) ++skipped;
        in += skipped;
        inLeft -= skipped;
    }
    iconv_close(cd);
    output.resize(written);
    return complete;
}

}  // namespace

std::string ToCp932(const std::string& utf8) {
    std::string cp932;
    if (!Convert("CP932", "UTF-8", utf8, cp932))
        throw EncodingError("「" + utf8 + "」は Shift-JIS (CP932) で書けない文字を含みます。");
    return cp932;
}

std::string ToCp932Replacing(const std::string& utf8) {
    std::string cp932;
    Convert("CP932", "UTF-8", utf8, cp932, true);
    return cp932;
}

std::string FromCp932(const std::string& cp932) {
    std::string utf8;
    if (!Convert("UTF-8", "CP932", cp932, utf8))
        throw EncodingError("Shift-JIS (CP932) の文字として読めないバイトがあります。");
    return utf8;
}

std::string PadLeft(const std::string& utf8, std::size_t width) {
    const std::size_t length = ToCp932(utf8).size();
    if (length >= width) return utf8;
    return std::string(width - length, ' ') + utf8;
}

FileResult StageCp932(FileCommit& commit, const std::string& path,
                      const std::function<std::string()>& make) {
    std::string bytes;
    try {
        bytes = make();
    } catch (const EncodingError& error) {
        return FileResult::Failure(FileStatus::EncodingError, error.what());
    }
    return commit.Stage(path, bytes);
}
