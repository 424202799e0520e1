// Appending to a chapter list (the lines of one list box).
#pragma once

#include <string>
#include <vector>

using ChapterList = std::vector<std::string>;

inline void AddLine(ChapterList& list, const std::string& line) {
    list.push_back(line);
}
inline void AddEmpty(ChapterList& list) {
    list.emplace_back();
}
inline void AddLineThenEmpty(ChapterList& list, const std::string& line) {
    list.push_back(line);
    list.emplace_back();
}
