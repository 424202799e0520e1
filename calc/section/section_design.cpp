// Section design: required steel, bars, actual and shear stresses and the verdict of the
// twelve design sections.
#include "calc/section/section_design.h"

#include <cmath>
#include <optional>
#include <string>

#include "calc/section/bar_arrangement.h"
#include "calc/section/bar_tables.h"
#include "calc/section/section_formulas.h"
#include "calc/section/section_stress.h"
#include "calc/sheet/format_line.h"

namespace {

enum class Where { Start, Span, End };

struct DesignSection {
    MemberCode code;
    int judgementType;  // 2 at the bottom corners A and D
    MemberForces TBuzai::*member;
    Where where;
};

// In the row order of the section grid.
constexpr DesignSection kSections[12] = {
    {MemberCode::L, 2, &TBuzai::forcesAB, Where::Start},
    {MemberCode::L, 1, &TBuzai::forcesAB, Where::Span},
    {MemberCode::L, 1, &TBuzai::forcesAB, Where::End},
    {MemberCode::U, 1, &TBuzai::forcesBC, Where::Start},
    {MemberCode::U, 1, &TBuzai::forcesBC, Where::Span},
    {MemberCode::U, 1, &TBuzai::forcesBC, Where::End},
    {MemberCode::R, 1, &TBuzai::forcesCD, Where::Start},
    {MemberCode::R, 1, &TBuzai::forcesCD, Where::Span},
    {MemberCode::R, 2, &TBuzai::forcesCD, Where::End},
    {MemberCode::B2, 2, &TBuzai::forcesDA, Where::Start},
    {MemberCode::B1, 1, &TBuzai::forcesDA, Where::Span},
    {MemberCode::B2, 2, &TBuzai::forcesDA, Where::End},
};

struct SectionForces {
    float M = 0, N = 0, S = 0, S2d = 0;
};

SectionForces ForcesOf(const TBuzai& record, const DesignSection& section) {
    const MemberForces& f = record.*section.member;
    switch (section.where) {
        case Where::Start:
            return {f.MStart, f.NStart, f.SStart, f.S2dStart};
        case Where::Span:
            return {f.MMax, f.NMid, 0, 0};
        case Where::End:
            return {f.MEnd, f.NEnd, f.SEnd, f.S2dEnd};
    }
    return {};
}

// The number patterns of one row; the right-wall rows 7 to 9 have their own.
struct RowPatterns {
    const char* sigmaC;
    const char* sigmaS;
    const char* tau;
};

RowPatterns PatternsOf(int row) {
    if (row >= 7 && row <= 9) return {"#0.0", "0", "#0.00"};
    return {"0.0", "#,##0", "0.00"};
}

std::string Cell(const char* pattern, std::optional<float> value) {
    return value ? FormatLine(pattern, *value) : "-";
}

// Shear stress S*1000/(b*d) in N/mm2; none without an effective depth.
std::optional<float> ShearStress(float S, float d) {
    if (!(d > 0)) return std::nullopt;
    return static_cast<float>(std::fabs(S) / d);
}

// Actual and shear stresses and the verdict of one row. A row whose stresses cannot be
// formed shows "-" for them and fails.
void WriteStresses(const TKakou& record, bool lowerHaunch, int k, bool requiredFormed, float As,
                   Grid& grid) {
    const int row = k + 1;
    const DesignSection& section = kSections[k];
    const SectionForces f = ForcesOf(record, section);
    const RowPatterns patterns = PatternsOf(row);
    const auto stress = ActualStresses(record, section.code, As, f.N, f.M);
    std::optional<float> sigmaC, sigmaS;
    if (stress) sigmaC = stress->sigmaC, sigmaS = stress->sigmaS;
    const bool formed = stress && requiredFormed;
    grid.Cell(9, row) = Cell(patterns.sigmaC, sigmaC);

    if (section.where == Where::Span) {
        // Only a positive span moment is checked; the section is shown all the same.
        const bool judged = f.M > 0;
        grid.Cell(10, row) = judged && sigmaS > 0.0f ? Cell(patterns.sigmaS, sigmaS) : "-";
        // Shear is not checked at mid-span. (Assigned from a std::string: GCC 12 at -O3
        // mistakes assigning the literal for an overlapping copy.)
        static const std::string notChecked = "-";
        grid.Cell(11, row) = notChecked;
        grid.Cell(12, row) = notChecked;
        if (!formed)
            grid.Cell(13, row) = "NO";
        else
            grid.Cell(13, row) =
                judged ? JudgeSection(record, lowerHaunch, 1, *sigmaC, *sigmaS, 0, 0) : "-";
        return;
    }

    const float d = DepthsOf(record, section.code).d;
    const auto tau = ShearStress(f.S, d);
    const auto tau2d = ShearStress(f.S2d, d);
    grid.Cell(10, row) = Cell(patterns.sigmaS, sigmaS);
    grid.Cell(11, row) = Cell(patterns.tau, tau);
    grid.Cell(12, row) = Cell(patterns.tau, tau2d);
    grid.Cell(13, row) = formed && tau && tau2d
                             ? JudgeSection(record, lowerHaunch, section.judgementType, *sigmaC,
                                            *sigmaS, *tau, *tau2d)
                             : "NO";
}

void WriteFormulas(CalcTable& table) {
    table.List("ListBox9") = RequiredSteelFormulas();
    table.List("ListBox10") = ActualStressFormulas();
}

void WriteVerdict(CalcTable& table) {
    Label& label = table.labels.at("Label97");
    label = {"許容応力度内", colours::blue};
    const Grid& grid = table.GridOf("StringGrid3");
    for (int row = 1; row < grid.rows; ++row)
        if (grid.Cell(13, row) == "NO") {
            label = {"許容応力度を超えました。", colours::red};
            return;
        }
}

}  // namespace

int StressTypeOf(float wallMoment, float topMoment, float bottomMoment) {
    const bool slabsPositive = topMoment > 0 && bottomMoment > 0;
    const bool slabsNotPositive = topMoment <= 0 && bottomMoment <= 0;
    if (wallMoment > 0 && slabsPositive) return 1;
    if (wallMoment <= 0 && slabsPositive) return 2;
    if (wallMoment > 0 && slabsNotPositive) return 3;
    return 0;
}

void DesignSections(TKakou& record, const DesignConditions& conditions, BarSchedule& barSchedule,
                    SectionSteel& sectionSteel, CalcTable& table, Messenger& messenger) {
    FillBarTables(record);
    Grid& grid = table.GridOf("StringGrid3");

    barSchedule[0] = StressTypeOf(record.forcesAB.MMax, record.forcesBC.MMax, record.forcesDA.MMax);
    if (barSchedule[0] == 0) messenger.Inform("応力分布タイプが普通ではありません。");
    WriteFormulas(table);

    // Required steel; a section that cannot be computed keeps no demand of its own.
    std::optional<float> required[12];
    for (int k = 0; k < 12; ++k) {
        const SectionForces f = ForcesOf(record, kSections[k]);
        const bool middle = kSections[k].where == Where::Span;
        required[k] = middle && !(f.M > 0) ? std::optional<float>(0.0f)
                                           : RequiredSteel(record, kSections[k].code, f.M, f.N);
        sectionSteel[k] = required[k].value_or(0.0f);
        grid.Cell(5, k + 1) = Cell("0", required[k]);
    }

    ArrangeBars(record, conditions, barSchedule, sectionSteel, grid, messenger);

    for (int k = 0; k < 12; ++k)
        WriteStresses(record, conditions.lowerHaunch, k, required[k].has_value(), sectionSteel[k],
                      grid);

    WriteVerdict(table);
}
