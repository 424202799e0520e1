// Rows of a study, formatted field by field and converted to CP932 a block at a time.
#include "files/study_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "calc/sheet/format_line.h"
#include "calc/study/study_names.h"
#include "files/cp932.h"

namespace {

// A field in quotes when it holds a separator, a quote or a line break.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// The shortest text that reads back as the same Single.
std::string Number(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string Number(const std::optional<float>& value) {
    return value ? Number(*value) : std::string();
}

std::string Utilisation(double value) {
    if (std::isinf(value)) return "∞";
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

void Append(std::string& line, const std::string& field) {
    if (!line.empty()) line += ',';
    line += Field(field);
}

std::string Header(const std::vector<std::string>& names) {
    std::string line;
    for (const auto& name : names) Append(line, name);
    for (const char* title : {"荷重ケース", "判定", "最大応力度比", "支配断面", "支配照査"})
        Append(line, title);
    for (const auto& section : DesignSectionNames())
        for (const char* value : {"σc", "σs", "τ", "τ2d", "鉄筋径", "ﾋﾟｯﾁ"})
            Append(line, section + " " + value);
    for (const char* title : {"コンクリート(m3/m)", "主鉄筋(kg/m)", "メッセージ"})
        Append(line, title);
    return line;
}

std::string Messages(const std::vector<std::string>& messages) {
    std::string joined;
    for (const auto& message : messages) {
        if (!joined.empty()) joined += " / ";
        for (char c : message) joined += c == '\n' || c == '\r' ? ' ' : c;
    }
    return joined;
}

// A bar by its diameter in mm: "D13".
std::string BarName(int diameter) {
    std::string name = "D";
    return name += std::to_string(diameter);
}

std::string Row(const StudyTable& table, std::size_t i) {
    const StudyRow& r = table[i];
    std::string line;
    for (const auto& value : table.Values(i)) Append(line, value);
    const bool completed = r.status == RunResult::Completed;
    Append(line, r.loadCase ? std::to_string(r.loadCase) : "");
    Append(line, !completed ? "-" : r.passed ? "OK" : "NO");
    const bool governed = completed && r.governingSection >= 0;
    Append(line, governed ? Utilisation(r.maxUtilisation) : "");
    Append(line, governed ? DesignSectionNames()[r.governingSection] : "");
    Append(line, governed ? CriterionName(r.governingCriterion) : "");
    for (const StudyRow::Section& s : r.sections) {
        for (int c = 0; c < kCriterionCount; ++c)
            Append(line, completed ? Number(s.Stress(static_cast<Criterion>(c))) : "");
        Append(line, completed && s.diameter > 0 ? BarName(s.diameter) : "");
        Append(line, completed ? std::to_string(s.pitch) : "");
    }
    // As the quantity grid shows them.
    Append(line, completed ? FormatLine("0.000"_pattern, r.concrete) : "");
    Append(line, completed && r.hasSteel ? FormatLine("0.00"_pattern, r.steel) : "");
    Append(line, Messages(table.Messages(i)));
    return line;
}

// The whole table, handed over in blocks of about a megabyte, each converted to CP932 on
// its own; stops when a block is refused.
void MakeStudyCsv(const StudyTable& table, const FileCommit::Pieces& write) {
    constexpr std::size_t kBlock = 1 << 20;
    std::string block;
    block.reserve(kBlock + 4096);
    std::vector<std::string> names;
    for (const SweepRange& range : table.Ranges()) names.push_back(range.input->name);
    block += Header(names);
    block += "\r\n";
    for (std::size_t i = 0; i < table.size(); ++i) {
        block += Row(table, i);
        block += "\r\n";
        if (block.size() >= kBlock) {
            if (!write(ToCp932Replacing(block))) return;
            block.clear();
        }
    }
    write(ToCp932Replacing(block));
}

}  // namespace

std::string StudyCsv(const StudyTable& table) {
    std::string bytes;
    MakeStudyCsv(table, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

FileResult WriteStudyCsv(const std::string& path, const StudyTable& table) {
    FileCommit commit;
    return CommitWhenStaged(commit, WriteStudyCsv(commit, path, table));
}

FileResult WriteStudyCsv(FileCommit& commit, const std::string& path, const StudyTable& table) {
    return commit.Stage(path,
                        [&table](const FileCommit::Pieces& write) { MakeStudyCsv(table, write); });
}
