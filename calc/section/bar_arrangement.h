// The bar arrangement: one pitch common to the box, one diameter for each main bar, and the
// provided steel of every design section.
#pragma once

#include <span>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

// The pitch of the fixed setting: the chosen pitch entry, 125 for "-" or no choice.
int FixedPitch(const std::string& entry);

// The arrangement of any list of sections: takes the required steel of each in `steel` and
// leaves the provided steel there. Section k is served by the bar of schedule entry barOf[k];
// every such entry receives that bar's diameter, and entry 1 the common pitch.
void ArrangeSections(const TTekkin& tables, const DesignConditions& conditions,
                     std::span<const int> barOf, std::span<int> schedule, std::span<Single> steel,
                     Messenger& messenger);

// Takes the required steel of the twelve sections in sectionSteel and leaves the provided
// steel there; fills barSchedule entries 1 to 6.
void ArrangeBars(const TTekkin& tables, const DesignConditions& conditions,
                 BarSchedule& barSchedule, SectionSteel& sectionSteel, Messenger& messenger);

// The diameter of the bar that serves design section k (0 to 11).
int DiameterOfSection(const BarSchedule& barSchedule, int k);

// Columns 6 to 8 of the section grid: provided steel, bar and pitch of every section.
void WriteBarArrangement(const BarSchedule& barSchedule, const SectionSteel& sectionSteel,
                         Grid& grid);
