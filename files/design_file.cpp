// Saving and loading the design-condition file.
#include "files/design_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "calc/decimal.h"
#include "files/cp932.h"
#include "files/design_extension.h"
#include "files/whole_file.h"

namespace {

constexpr int kLineCount = 30;
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

}  // namespace

FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions) {
    std::vector<std::string> texts;
    for (const Line& line : Lines()) texts.push_back(LineText(line, conditions));
    for (std::string& extension : ExtensionLines(conditions)) texts.push_back(std::move(extension));
    std::string bytes;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::string& text = texts[k];
        // A line break inside a value would shift every later line of the file.
        if (text.find_first_of("\r\n") != std::string::npos)
            return FileResult::Failure(FileStatus::FormatError,
                                       std::to_string(k + 1) + " 行目の値「" + text +
                                           "」に改行が含まれているため保存できません。");
        try {
            bytes += ToCp932(text) + "\r\n";
        } catch (const EncodingError& error) {
            return FileResult::Failure(FileStatus::EncodingError,
                                       std::to_string(k + 1) + " 行目: " + error.what());
        }
    }
    return WriteWholeFile(path, bytes);
}

FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions) {
    std::string bytes;
    if (auto read = ReadWholeFile(path, bytes); !read.ok()) return read;
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
        if (line.text) {
            loaded.*line.text = text;
        } else if (line.flag) {
            loaded.*line.flag = text == kTrue;  // exactly upper case; anything else unchecks
        } else {
            int index = 0;
            try {
                index = ParseInteger(text, LineName(path, k + 1));
            } catch (const ConversionError&) {
                return FileResult::Failure(
                    FileStatus::FormatError,
                    LineName(path, k + 1) + "「" + text + "」は整数ではありません。");
            }
            loaded.*line.index = index < 0 ? -1 : std::min(index, line.itemCount - 1);
        }
    }
    std::vector<std::string> extension(raw.size() - kLineCount);
    for (std::size_t k = kLineCount; k < raw.size(); ++k)
        if (!DecodeLine(raw, k, extension[k - kLineCount])) return NotCp932(path, k);
    if (const auto bad = ReadExtensionLines(extension, loaded))
        return FileResult::Failure(
            FileStatus::FormatError,
            LineName(path, kLineCount + static_cast<int>(bad->line) + 1) + bad->reason);
    // Choosing the soil type puts its default γs into the field, which line 2 then overwrites:
    // the loaded γs is line 2's text either way.
    conditions = loaded;
    return {};
}
