// Rows of a study, formatted field by field and converted to CP932 a block at a time.
#include "files/study_csv.h"

#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/sheet/format_line.h"
#include "calc/study/numeric_inputs.h"
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

// A stress in N/mm2, to 0.01.
std::string Stress(const std::optional<float>& value) {
    return value ? FormatLine("0.00"_pattern, *value) : std::string();
}

std::string Decimals(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Utilisation(double value) {
    return std::isinf(value) ? "∞" : Decimals(value, 3);
}

void Append(std::string& line, const std::string& field) {
    if (!line.empty()) line += ',';
    line += Field(field);
}

// A varied input by its name and the unit its meaning gives: "h1(m)".
std::string InputTitle(const NumericInput& input) {
    const std::string_view meaning = input.meaning;
    const std::size_t open = meaning.find('('), close = meaning.find(')', open);
    std::string title = input.name;
    if (close != std::string_view::npos) title += meaning.substr(open, close - open + 1);
    return title;
}

std::string Header(const std::vector<SweepRange>& ranges) {
    std::string line;
    for (const SweepRange& range : ranges) Append(line, InputTitle(*range.input));
    for (const char* title : {"荷重ケース", "判定", "最大応力度比", "支配断面", "支配照査",
                              "支配ケース", "Fs", "最大地盤反力度(kN/m2)"})
        Append(line, title);
    for (const auto& section : DesignSectionNames())
        for (const char* value :
             {"σc(N/mm2)", "σs(N/mm2)", "τ(N/mm2)", "τ2d(N/mm2)", "鉄筋径", "ﾋﾟｯﾁ(mm)"})
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
    Append(line, governed ? CaseName(r.governingCase) : "");
    Append(line, completed && !std::isnan(r.Fs) ? Decimals(r.Fs, 3) : "");
    Append(line, completed && !std::isnan(r.largestPressure) ? Decimals(r.largestPressure, 2) : "");
    for (const StudyRow::Section& s : r.sections) {
        for (int c = 0; c < kCriterionCount; ++c)
            Append(line, completed ? Stress(s.Stress(static_cast<Criterion>(c))) : "");
        Append(line, completed && s.diameter > 0 ? BarName(s.diameter) : "");
        Append(line, completed ? std::to_string(s.pitch) : "");
    }
    // As the quantity grid shows them.
    Append(line, completed ? FormatLine("0.000"_pattern, r.concrete) : "");
    Append(line, completed && r.hasSteel ? FormatLine("0.00"_pattern, r.steel) : "");
    Append(line, Messages(table.Messages(i)));
    return line;
}

// The lines naming the design, and an empty line.
std::string Subject(const StudySubject& subject) {
    const DesignConditions& c = subject.conditions;
    std::vector<std::pair<const char*, std::string>> lines = {
        {"設計条件ファイル", subject.designFile.empty() ? "（なし）" : subject.designFile},
        {"外形幅 B(m)", c.B},
        {"外形高 H(m)", c.H},
        {"頂版厚 Tu(m)", c.Tu},
        {"側壁厚 TL(m)", c.TL},
        {"底版厚 Tb(m)", c.Tb},
    };
    // A box of cells says so; one cell names no middle wall.
    if (c.cells > 1) {
        lines.emplace_back("セル数", std::to_string(c.cells));
        lines.emplace_back("中壁厚 Tm(m)", c.Tm);
    }
    lines.emplace_back("σck(N/mm2)", c.sigmaCk);
    lines.emplace_back("鉄筋", c.steelGrade);
    lines.emplace_back("作成日", subject.date);
    std::string text;
    for (const auto& [title, value] : lines) {
        std::string line;
        Append(line, title);
        Append(line, value);
        text += line + "\r\n";
    }
    return text + "\r\n";
}

// The whole table, handed over in blocks of about a megabyte, each converted to CP932 on
// its own; stops when a block is refused.
void MakeStudyCsv(const StudySubject& subject, const StudyTable& table,
                  const FileCommit::Pieces& write) {
    constexpr std::size_t kBlock = 1 << 20;
    std::string block;
    block.reserve(kBlock + 4096);
    block += Subject(subject);
    block += Header(table.Ranges());
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

std::string StudyCsv(const StudySubject& subject, const StudyTable& table) {
    std::string bytes;
    MakeStudyCsv(subject, table, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

FileResult WriteStudyCsv(const std::string& path, const StudySubject& subject,
                         const StudyTable& table) {
    FileCommit commit;
    return CommitWhenStaged(commit, WriteStudyCsv(commit, path, subject, table));
}

FileResult WriteStudyCsv(FileCommit& commit, const std::string& path, const StudySubject& subject,
                         const StudyTable& table) {
    return commit.Stage(path, [&subject, &table](const FileCommit::Pieces& write) {
        MakeStudyCsv(subject, table, write);
    });
}
