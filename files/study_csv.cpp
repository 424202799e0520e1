// Rows of a study, formatted field by field and converted to CP932 once.
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

std::string Decimals(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Utilisation(double value) {
    if (std::isinf(value)) return "∞";
    return Decimals(value, 4);
}

void Append(std::string& line, const std::string& field) {
    if (!line.empty()) line += ',';
    line += Field(field);
}

std::string Header(const std::vector<std::string>& names) {
    std::string line;
    for (const auto& name : names) Append(line, name);
    for (const char* title : {"荷重ケース", "判定", "最大応力度比", "支配断面", "支配照査",
                              "支配ケース", "Fs", "最大地盤反力度(kN/m2)"})
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

std::string Row(const StudyRow& row) {
    const DesignResult& r = row.result;
    std::string line;
    for (const auto& value : row.values) Append(line, value);
    const bool completed = r.status == RunResult::Completed;
    Append(line, r.loadCase ? std::to_string(r.loadCase) : "");
    const bool stable = !r.stability || r.stability->Passes();
    Append(line, !completed ? "-" : r.passed && stable ? "OK" : "NO");
    const bool governed = completed && r.governingSection >= 0;
    Append(line, governed ? Utilisation(r.maxUtilisation) : "");
    Append(line, governed ? DesignSectionNames()[r.governingSection] : "");
    Append(line, governed ? CriterionName(r.governingCriterion) : "");
    Append(line, governed ? CaseName(r.sections[r.governingSection].loadCase) : "");
    const bool checked = completed && r.stability;
    Append(line, checked && r.stability->uplift ? Decimals(r.stability->uplift->Fs, 3) : "");
    Append(line, checked ? Decimals(r.stability->bearing.largest, 2) : "");
    for (const SectionResult& s : r.sections) {
        for (const auto& value : {s.sigmaC, s.sigmaS, s.tau, s.tau2d})
            Append(line, completed ? Number(value) : "");
        Append(line, completed && s.diameter > 0 ? BarName(s.diameter) : "");
        Append(line, completed ? std::to_string(s.pitch) : "");
    }
    // As the quantity grid shows them.
    Append(line, completed ? FormatLine("0.000"_pattern, r.concrete) : "");
    Append(line, completed && r.steel ? FormatLine("0.00"_pattern, *r.steel) : "");
    Append(line, Messages(r.messages));
    return line;
}

// CP932 of a text, with '?' for each character that has no CP932 form (a message may quote
// whatever was typed).
std::string Cp932Lenient(const std::string& utf8) {
    try {
        return ToCp932(utf8);
    } catch (const EncodingError&) {
    }
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        while (i + length < utf8.size() && (utf8[i + length] & 0xC0) == 0x80) ++length;
        try {
            bytes += ToCp932(utf8.substr(i, length));
        } catch (const EncodingError&) {
            bytes += '?';
        }
        i += length;
    }
    return bytes;
}

}  // namespace

std::string StudyCsv(const std::vector<std::string>& names, const std::vector<StudyRow>& rows) {
    std::string text = Header(names) + "\r\n";
    for (const StudyRow& row : rows) text += Row(row) + "\r\n";
    return Cp932Lenient(text);
}

FileResult WriteStudyCsv(const std::string& path, const std::vector<std::string>& names,
                         const std::vector<StudyRow>& rows) {
    FileCommit commit;
    return CommitWhenStaged(commit, WriteStudyCsv(commit, path, names, rows));
}

FileResult WriteStudyCsv(FileCommit& commit, const std::string& path,
                         const std::vector<std::string>& names, const std::vector<StudyRow>& rows) {
    return commit.Stage(path, StudyCsv(names, rows));
}
