// The bar arrangement of the twelve design sections.
#include "calc/section/bar_arrangement.h"

#include <algorithm>
#include <vector>

#include "calc/section/bar_tables.h"
#include "calc/sheet/format_line.h"

namespace {

// barSchedule entry of the bar that serves each design section, rows 1 to 12.
constexpr int kBarOfRow[12] = {2, 4, 3, 3, 5, 3, 3, 4, 2, 2, 6, 2};

// The entries of the fixed-pitch choice; the first, "-", is no pitch.
const std::vector<std::string> kPitchEntries = {"-", "125", "150", "200", "250", "300"};

int CommonPitch(const TTekkin& tables, const DesignConditions& conditions,
                std::span<const Single> demand, Messenger& messenger) {
    if (conditions.pitchMode == 1) return FixedPitch(conditions.pitch);
    int common = 0;
    for (std::size_t row = 0; row < demand.size(); ++row) {
        const int pitch = SelectBarsAuto(tables, demand[row], messenger).pitch;
        common = row == 0 ? pitch : std::min(common, pitch);
    }
    return common;
}

}  // namespace

int FixedPitch(const std::string& entry) {
    // "-", or a text that is no entry, is no choice, which counts as the first pitch.
    const auto found = std::find(kPitchEntries.begin() + 1, kPitchEntries.end(), entry);
    return std::stoi(found == kPitchEntries.end() ? kPitchEntries[1] : *found);
}

void ArrangeSections(const TTekkin& tables, const DesignConditions& conditions,
                     std::span<const int> barOf, std::span<int> schedule, std::span<Single> steel,
                     Messenger& messenger) {
    const int pitch = CommonPitch(tables, conditions, steel, messenger);

    for (const int entry : barOf) schedule[std::size_t(entry)] = 0;
    for (std::size_t row = 0; row < steel.size(); ++row) {
        const auto bar = SelectBarAtPitch(tables, pitch, steel[row]);
        int& diameter = schedule[std::size_t(barOf[row])];
        if (bar) diameter = std::max(diameter, bar->diameter);
    }
    schedule[1] = pitch;

    // A bar that found no diameter leaves its sections with their required steel.
    for (std::size_t row = 0; row < steel.size(); ++row)
        steel[row] =
            SteelForBar(tables, pitch, schedule[std::size_t(barOf[row])]).value_or(steel[row]);
}

void ArrangeBars(const TTekkin& tables, const DesignConditions& conditions,
                 BarSchedule& barSchedule, SectionSteel& sectionSteel, Messenger& messenger) {
    ArrangeSections(tables, conditions, kBarOfRow, barSchedule, sectionSteel, messenger);
}

int DiameterOfSection(const BarSchedule& barSchedule, int k) {
    return barSchedule[kBarOfRow[k]];
}

void WriteBarArrangement(const BarSchedule& barSchedule, const SectionSteel& sectionSteel,
                         Grid& grid) {
    for (int k = 0; k < 12; ++k) {
        grid.Cell(6, k + 1) = FormatLine("0"_pattern, sectionSteel[k]);
        grid.Cell(7, k + 1) = FormatLine("D00"_pattern, DiameterOfSection(barSchedule, k));
        grid.Cell(8, k + 1) = FormatLine("@000"_pattern, barSchedule[1]);
    }
}
