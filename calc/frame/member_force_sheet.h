// Chapter III section 3: end shears, end moments and span maxima of the four members.
#pragma once

#include "calc/record.h"
#include "calc/sheet/chapter_list.h"

void WriteMemberForceSheet(const TKakou& record, ChapterList& list);
