// Appending to a chapter list (the lines of one list box).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using ChapterList = std::vector<std::string>;

// Empties the list for a new sheet, with room for the lines of the longest sheet at once.
inline void StartList(ChapterList& list) {
    constexpr std::size_t kLongestSheet = 64;
    list.clear();
    list.reserve(kLongestSheet);
}

// A fixed line, made where it is added: a sheet has many, and each then costs the code of a
// call rather than that of making a string.
void AddText(ChapterList& list, std::string_view line);

template <std::size_t N>
void AddLine(ChapterList& list, const char (&line)[N]) {
    AddText(list, {line, N - 1});
}
inline void AddLine(ChapterList& list, std::string line) {
    list.push_back(std::move(line));
}
inline void AddEmpty(ChapterList& list) {
    list.emplace_back();
}
template <std::size_t N>
void AddLineThenEmpty(ChapterList& list, const char (&line)[N]) {
    AddText(list, {line, N - 1});
    list.emplace_back();
}
