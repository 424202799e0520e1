// Chapter III section 1: the load terms of the four members and the storey term.
#pragma once

#include "calc/record.h"
#include "calc/sheet/chapter_list.h"

void WriteLoadTermSheet(const TKakou& record, ChapterList& list);
