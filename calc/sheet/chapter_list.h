// Appending to a chapter list (the lines of one list box).
#pragma once

#include <string>
#include <utility>
#include <vector>

using ChapterList = std::vector<std::string>;

// Empties the list for a new sheet, with room for the lines of the longest sheet at once.
inline void StartList(ChapterList& list) {
    constexpr std::size_t kLongestSheet = 64;
    list.clear();
    list.reserve(kLongestSheet);
}
inline void AddLine(ChapterList& list, std::string line) {
    list.push_back(std::move(line));
}
inline void AddEmpty(ChapterList& list) {
    list.emplace_back();
}
inline void AddLineThenEmpty(ChapterList& list, std::string line) {
    list.push_back(std::move(line));
    list.emplace_back();
}
