#include "calc/sheet/chapter_list.h"

void AddText(ChapterList& list, std::string_view line) {
    list.emplace_back(line);
}
