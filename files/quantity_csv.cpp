// The quantity grid as CSV.
#include "files/quantity_csv.h"

#include "calc/section/quantity_sheet.h"
#include "files/cp932.h"

namespace {

// A field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string QuantityCsv(const CalcTable& table) {
    std::string text;
    for (const auto& row : table.GridOf("StringGrid4").cells) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) text += ',';
            text += Field(row[column]);
        }
        text += "\r\n";
    }
    for (const std::string& line : QuantityNoteLines(table)) text += Field(line) + "\r\n";
    return ToCp932(text);
}

FileResult WriteQuantityCsv(FileCommit& commit, const std::string& path, const CalcTable& table) {
    return StageCp932(commit, path, [&] { return QuantityCsv(table); });
}
