// The text of a page of a PDF document as poppler's pdftotext reads it: a reader of the
// report that nobody here wrote.
#pragma once

#include <cstdio>
#include <string>

#include "tests/files/temp_folder.h"

// The text of page 1, 2, … of the document; empty when it cannot be read.
inline std::string PdfPageText(const std::string& pdf, int page) {
    TempFolder folder;
    const std::string path = folder / "page.pdf";
    WriteBytes(path, pdf);
    const std::string number = std::to_string(page);
    const std::string command = "pdftotext -q -f " + number + " -l " + number + " '" + path + "' -";
    std::FILE* reader = popen(command.c_str(), "r");
    if (!reader) return {};
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, reader))
        text.append(buffer, n);
    pclose(reader);
    return text;
}
