// Saving and loading the design-condition file.
#include "files/design_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <vector>

#include "calc/decimal.h"
#include "files/cp932.h"
#include "files/design_extension.h"
#include "files/whole_file.h"

namespace {

constexpr int kLineCount = 30;
// A design file is well under 1 KiB; anything this long is no design file.
constexpr std::size_t kMaxFileSize = 64 * 1024;
const char* const kTrue = "TRUE";
const char* const kFalse = "FALSE";

// One line of the file: a text, a choice index (with the number of items), or the flag.
struct Line {
    std::string DesignConditions::*text = nullptr;
    int DesignConditions::*index = nullptr;
    int itemCount = 0;
    bool DesignConditions::*flag = nullptr;
};

Line Text(std::string DesignConditions::*text) {
    return {text, nullptr, 0, nullptr};
}
Line Index(int DesignConditions::*index, std::size_t itemCount) {
    return {nullptr, index, static_cast<int>(itemCount), nullptr};
}

// The fixed order of the file; it has no keys, so line 10 is Tu and line 11 h1, line 15 Hah
// and line 16 Hab.
const std::array<Line, kLineCount>& Lines() {
    using C = DesignConditions;
    static const std::array<Line, kLineCount> lines = {
        Index(&C::soilType, SoilTypeItems().size()),
        Text(&C::gammaS),
        Text(&C::gammaC),
        Text(&C::gammaA),
        Text(&C::Ko),
        Index(&C::foundation, FoundationItems().size()),
        Index(&C::liveLoad, LiveLoadItems(DesignConditions{}).size()),
        Index(&C::combination, CombinationItems().size()),
        Text(&C::q),
        Text(&C::Tu),
        Text(&C::h1),
        Text(&C::ha),
        Text(&C::H),
        Text(&C::TL),
        Text(&C::Hah),
        Text(&C::Hab),
        Text(&C::Tb),
        Text(&C::B),
        Line{nullptr, nullptr, 0, &C::lowerHaunch},
        Text(&C::sigmaCk),
        Text(&C::sigmaCa),
        Text(&C::tauA),
        Text(&C::tauOa),
        Text(&C::sigmaSa),
        Text(&C::steelGrade),
        Text(&C::sigmaSaJoint),
        Text(&C::dTop),
        Text(&C::dWall),
        Text(&C::dBottomUpper),
        Text(&C::dBottomLower),
    };
    return lines;
}

std::string LineText(const Line& line, const DesignConditions& conditions) {
    if (line.text) return conditions.*line.text;
    if (line.index) return std::to_string(conditions.*line.index);
    return conditions.*line.flag ? kTrue : kFalse;
}

// The file's lines without their ends; CR LF and a bare LF both end a line.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string LineName(const std::string& path, int number) {
    return "設計条件ファイル「" + path + "」の " + std::to_string(number) + " 行目";
}

// Line k (from 0) as UTF-8 text; false when its bytes are no CP932 text.
bool DecodeLine(const std::vector<std::string>& raw, std::size_t k, std::string& text) {
    try {
        text = FromCp932(raw[k]);
        return true;
    } catch (const EncodingError&) {
        return false;
    }
}

FileResult NotCp932(const std::string& path, std::size_t k) {
    return FileResult::Failure(
        FileStatus::EncodingError,
        LineName(path, static_cast<int>(k) + 1) + "は Shift-JIS (CP932) の文字として読めません。");
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20;
}

// The text with its C0 control characters written as escapes (\r, \x00), so that a message
// shows them instead of being broken or cut short by them.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (!IsControl(c)) {
            escaped += c;
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
            escaped += code;
        }
    }
    return escaped;
}

// Why a line cannot stand in the file, or nothing: a control character in any line, an index
// that is no integer or names no item of its choice. Saving and loading refuse the same
// lines, so every file the program writes loads back.
std::optional<std::string> LineProblem(const Line& line, const std::string& text) {
    if (std::any_of(text.begin(), text.end(), IsControl))
        return "「" + Escaped(text) + "」に制御文字が含まれています。";
    if (!line.index) return std::nullopt;
    int index = 0;
    try {
        index = ParseInteger(text, "選択肢の番号");
    } catch (const ConversionError&) {
        return "「" + text + "」は整数ではありません。";
    }
    if (index < 0 || index >= line.itemCount)
        return "「" + text + "」は選択肢の番号（0～" + std::to_string(line.itemCount - 1) +
               "）ではありません。";
    return std::nullopt;
}

}  // namespace

FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions) {
    FileCommit commit;
    return CommitWhenStaged(commit, SaveDesignConditions(commit, path, conditions));
}

FileResult SaveDesignConditions(FileCommit& commit, const std::string& path,
                                const DesignConditions& conditions) {
    std::vector<std::string> texts;
    for (const Line& line : Lines()) texts.push_back(LineText(line, conditions));
    for (std::string& extension : ExtensionLines(conditions)) texts.push_back(std::move(extension));
    std::string bytes;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::string& text = texts[k];
        // A line break inside a value would shift every later line of the file; nothing is
        // written that a load would refuse.
        if (const auto problem = LineProblem(k < kLineCount ? Lines()[k] : Line{}, text))
            return FileResult::Failure(
                FileStatus::FormatError,
                std::to_string(k + 1) + " 行目の値" + *problem + "保存できません。");
        try {
            bytes += ToCp932(text) + "\r\n";
        } catch (const EncodingError& error) {
            return FileResult::Failure(FileStatus::EncodingError,
                                       std::to_string(k + 1) + " 行目: " + error.what());
        }
    }
    return commit.Stage(path, bytes);
}

FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions) {
    std::string bytes;
    if (auto read = ReadWholeFile(path, bytes, kMaxFileSize); !read.ok()) return read;
    const std::vector<std::string> raw = SplitLines(bytes);
    if (raw.size() < kLineCount)
        return FileResult::Failure(FileStatus::FormatError,
                                   LineName(path, static_cast<int>(raw.size()) + 1) +
                                       "がありません（" + std::to_string(kLineCount) +
                                       " 行必要です）。");

    DesignConditions loaded = conditions;
    for (int k = 0; k < kLineCount; ++k) {
        const Line& line = Lines()[k];
        std::string text;
        if (!DecodeLine(raw, k, text)) return NotCp932(path, k);
        if (const auto problem = LineProblem(line, text))
            return FileResult::Failure(FileStatus::FormatError, LineName(path, k + 1) + *problem);
        if (line.text)
            loaded.*line.text = text;
        else if (line.flag)
            loaded.*line.flag = text == kTrue;  // exactly upper case; anything else unchecks
        else
            loaded.*line.index = ParseInteger(text, LineName(path, k + 1));
    }
    std::vector<std::string> extension(raw.size() - kLineCount);
    for (std::size_t k = kLineCount; k < raw.size(); ++k) {
        std::string& text = extension[k - kLineCount];
        if (!DecodeLine(raw, k, text)) return NotCp932(path, k);
        if (const auto problem = LineProblem(Line{}, text))
            return FileResult::Failure(FileStatus::FormatError,
                                       LineName(path, static_cast<int>(k) + 1) + *problem);
    }
    if (const auto bad = ReadExtensionLines(extension, loaded))
        return FileResult::Failure(
            FileStatus::FormatError,
            LineName(path, kLineCount + static_cast<int>(bad->line) + 1) + bad->reason);
    // Choosing the soil type puts its default γs into the field, which line 2 then overwrites:
    // the loaded γs is line 2's text either way.
    conditions = loaded;
    return {};
}
