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
                const SectionSteel& demand, Messenger& messenger) {
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

void ArrangeBars(const TTekkin& tables, const DesignConditions& conditions,
                 BarSchedule& barSchedule, SectionSteel& sectionSteel, Messenger& messenger) {
    const int pitch = CommonPitch(tables, conditions, sectionSteel, messenger);

    for (int entry = 2; entry <= 6; ++entry) barSchedule[entry] = 0;
    for (std::size_t row = 0; row < sectionSteel.size(); ++row) {
        const auto bar = SelectBarAtPitch(tables, pitch, sectionSteel[row]);
        int& diameter = barSchedule[kBarOfRow[row]];
        if (bar) diameter = std::max(diameter, bar->diameter);
    }
    barSchedule[1] = pitch;

    // A bar that found no diameter leaves its sections with their required steel.
    for (std::size_t row = 0; row < sectionSteel.size(); ++row)
        sectionSteel[row] =
            SteelForBar(tables, pitch, barSchedule[kBarOfRow[row]]).value_or(sectionSteel[row]);
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
