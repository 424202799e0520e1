// Section design: required steel, bars, actual and shear stresses and the verdict of the
// twelve design sections.
#include "calc/section/section_design.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/frame/force_summary.h"
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
    Single M = 0, N = 0, S = 0, S2d = 0;
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
    Pattern sigmaC;
    Pattern sigmaS;
    Pattern tau;
};

constexpr RowPatterns kRows7To9{"#0.0"_pattern, "0"_pattern, "#0.00"_pattern};
constexpr RowPatterns kOtherRows{"0.0"_pattern, "#,##0"_pattern, "0.00"_pattern};

const RowPatterns& PatternsOf(int row) {
    return row >= 7 && row <= 9 ? kRows7To9 : kOtherRows;
}

// Shear stress S*1000/(b*d) in N/mm2; none without an effective depth.
std::optional<Single> ShearStress(Single S, Single d) {
    if (!(d > 0)) return std::nullopt;
    return Single(std::fabs(S) / d);
}

// The largest utilisation of a section; empty when none is judged.
std::optional<double> LargestUtilisation(const CriterionValues& utilisations) {
    std::optional<double> largest;
    for (const std::optional<double>& u : utilisations)
        if (u && (!largest || *u > *largest)) largest = u;
    return largest;
}

// Whether a case's section governs over the one found so far: a worse verdict, or the same
// verdict with a larger utilisation.
bool Governs(const DesignedSection& candidate, const DesignedSection& sofar) {
    const auto rank = [](const std::string& verdict) {
        return verdict == "NO" ? 2 : verdict == "OK" ? 1 : 0;
    };
    if (rank(candidate.verdict) != rank(sofar.verdict))
        return rank(candidate.verdict) > rank(sofar.verdict);
    const std::optional<double> a = LargestUtilisation(candidate.utilisation);
    const std::optional<double> b = LargestUtilisation(sofar.utilisation);
    return a && (!b || *a > *b);
}

std::string Cell(const Pattern& pattern, std::optional<Single> value) {
    return value ? FormatLine(pattern, *value) : "-";
}

// Columns 1 to 4 as the force summary writes them.
void WriteForceCells(const DesignedSection& s, int row, Grid& grid) {
    grid.Cell(1, row) = ForceText(s.M);
    grid.Cell(2, row) = ForceText(s.N);
    grid.Cell(3, row) = ForceText(s.S);
    grid.Cell(4, row) = s.middle ? "---" : ForceText(s.S2d);
}

void WriteStresses(const DesignedSection& s, int row, Grid& grid) {
    const RowPatterns& patterns = PatternsOf(row);
    std::optional<Single> sigmaC, sigmaS;
    if (s.stress) sigmaC = s.stress->sigmaC;
    if (s.ShowsSigmaS()) sigmaS = s.stress->sigmaS;
    grid.Cell(9, row) = Cell(patterns.sigmaC, sigmaC);
    grid.Cell(10, row) = Cell(patterns.sigmaS, sigmaS);
    grid.Cell(11, row) = Cell(patterns.tau, s.tau);
    grid.Cell(12, row) = Cell(patterns.tau, s.tau2d);
    grid.Cell(13, row) = s.verdict;
}

// The cells the window shows in red: each stress over its limit and the verdict of a failing
// row (also where a stress cannot be formed).
std::vector<GridCell> OverLimitCells(const SectionDesign& sections) {
    constexpr int kFirstStressColumn = 9;
    constexpr int kVerdictColumn = 13;
    std::vector<GridCell> cells;
    for (int k = 0; k < 12; ++k) {
        const DesignedSection& s = sections[k];
        for (int c = 0; c < static_cast<int>(s.exceeded.size()); ++c)
            if (s.exceeded[c]) cells.push_back({kFirstStressColumn + c, k + 1});
        if (s.verdict == "NO") cells.push_back({kVerdictColumn, k + 1});
    }
    return cells;
}

}  // namespace

int StressTypeOf(Single wallMoment, Single topMoment, Single bottomMoment) {
    const bool slabsPositive = topMoment > 0 && bottomMoment > 0;
    const bool slabsNotPositive = topMoment <= 0 && bottomMoment <= 0;
    if (wallMoment > 0 && slabsPositive) return 1;
    if (wallMoment <= 0 && slabsPositive) return 2;
    if (wallMoment > 0 && slabsNotPositive) return 3;
    return 0;
}

void CheckSection(const TData& record, bool lowerHaunch, Single As, DesignedSection& s) {
    s.stress = ActualStresses(record, s.code, As, s.N, s.M);
    const bool formed = s.stress && s.required;
    if (s.middle) {
        // Only a positive span moment is checked; shear is not checked at mid-span.
        if (!formed) {
            s.verdict = "NO";
        } else if (s.M > 0) {
            s.exceeded =
                ExceededLimits(record, lowerHaunch, 1, s.stress->sigmaC, s.stress->sigmaS, 0, 0);
            s.verdict = VerdictOf(s.exceeded);
        }
        return;
    }
    const Single d = DepthsOf(record, s.code).d;
    s.tau = ShearStress(s.S, d);
    s.tau2d = ShearStress(s.S2d, d);
    if (!formed || !s.tau || !s.tau2d) {
        s.verdict = "NO";
        return;
    }
    s.exceeded = ExceededLimits(record, lowerHaunch, s.judgementType, s.stress->sigmaC,
                                s.stress->sigmaS, *s.tau, *s.tau2d);
    s.verdict = VerdictOf(s.exceeded);
}

bool DesignedSection::ShowsSigmaS() const {
    return stress && (!middle || (M > 0 && stress->sigmaS > 0));
}

SectionDesign DesignSections(TKakou& record, const DesignConditions& conditions,
                             BarSchedule& barSchedule, SectionSteel& sectionSteel,
                             Messenger& messenger) {
    const TBuzai* const documented[] = {&record};
    SectionDesign sections;
    DesignSections(record, documented, conditions, barSchedule, sectionSteel, messenger,
                   {&sections, 1});
    return sections;
}

SectionDesign DesignSections(TKakou& record, CaseForces cases, const DesignConditions& conditions,
                             BarSchedule& barSchedule, SectionSteel& sectionSteel,
                             Messenger& messenger, std::span<SectionDesign> eachCase) {
    FillBarTables(record);
    const TBuzai& documented = *cases.front();
    barSchedule[0] =
        StressTypeOf(documented.forcesAB.MMax, documented.forcesBC.MMax, documented.forcesDA.MMax);
    if (barSchedule[0] == 0) messenger.Inform("応力分布タイプが普通ではありません。");

    // Required steel of every case; a section that cannot be computed keeps no demand of its
    // own. The steel of a section is the largest demand over the cases.
    std::array<std::optional<Single>, 12> largest;
    for (std::size_t c = 0; c < cases.size(); ++c)
        for (int k = 0; k < 12; ++k) {
            DesignedSection& s = eachCase[c][k];
            const SectionForces f = ForcesOf(*cases[c], kSections[k]);
            s.code = kSections[k].code;
            s.M = f.M, s.N = f.N, s.S = f.S, s.S2d = f.S2d;
            s.middle = kSections[k].where == Where::Span;
            s.judgementType = kSections[k].judgementType;
            s.loadCase = static_cast<int>(c);
            s.required = s.middle && !(f.M > 0)
                             ? std::optional<Single>(0)
                             : RequiredSteel(record, kSections[k].code, f.M, f.N);
            if (s.required && (!largest[k] || *s.required > *largest[k])) largest[k] = s.required;
        }
    for (int k = 0; k < 12; ++k) sectionSteel[k] = largest[k].value_or(0);

    ArrangeBars(record, conditions, barSchedule, sectionSteel, messenger);

    SectionDesign shown;
    for (std::size_t c = 0; c < cases.size(); ++c)
        for (int k = 0; k < 12; ++k) {
            DesignedSection& s = eachCase[c][k];
            CheckSection(record, conditions.lowerHaunch, sectionSteel[k], s);
            s.utilisation = Utilisations(record, conditions.lowerHaunch, s);
            if (c == 0 || Governs(s, shown[k])) shown[k] = s;
        }
    for (int k = 0; k < 12; ++k) shown[k].required = largest[k];
    return shown;
}

int FailingSectionCount(const CalcTable& table) {
    const Grid& grid = table.GridOf("StringGrid3");
    int failing = 0;
    for (int row = 1; row < grid.rows; ++row) failing += grid.Cell(13, row) == "NO";
    return failing;
}

bool AllSectionsPass(std::span<const DesignedSection> sections) {
    for (const DesignedSection& s : sections)
        if (s.verdict == "NO") return false;
    return true;
}

void WriteSectionDesign(const SectionDesign& sections, const BarSchedule& barSchedule,
                        const SectionSteel& sectionSteel, CalcTable& table) {
    Grid& grid = table.GridOf("StringGrid3");
    table.List("ListBox9") = RequiredSteelFormulas();
    table.List("ListBox10") = ActualStressFormulas();
    for (int k = 0; k < 12; ++k) grid.Cell(5, k + 1) = Cell("0"_pattern, sections[k].required);
    // A section governed by another load case than the documented one shows that case's
    // forces; the others show those of the force summary already.
    for (int k = 0; k < 12; ++k)
        if (sections[k].loadCase != 0) WriteForceCells(sections[k], k + 1, grid);
    WriteBarArrangement(barSchedule, sectionSteel, grid);
    for (int k = 0; k < 12; ++k) WriteStresses(sections[k], k + 1, grid);
    table.overLimitCells = OverLimitCells(sections);
    table.labels.at("Label97") = AllSectionsPass(sections)
                                     ? Label{"許容応力度内", colours::blue}
                                     : Label{"許容応力度を超えました。", colours::red};
}
