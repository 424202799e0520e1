// The summary of the checks.
#include "calc/section/check_sheet.h"

#include <cmath>

#include "calc/section/section_checks.h"
#include "calc/section/section_stress.h"
#include "calc/sheet/format_line.h"

const char* const kCheckTitles =
    "部材,h(mm),d(mm),鉄筋,M(kN･m),N(kN),S(kN),σc/σca,σca,σs/σsa,σsa,τ/2τa,2τa,τ2d/τa,τa,"
    "支配せん断,判定";
const char* const kCheckNote =
    "σca、σsa、2τa、τa：照査に用いた許容応力度(N/mm2)。比が1.000以下のとき可。"
    "下側ﾊﾝﾁのない隅角部(A、D)のσcaは3/4に低減。";

namespace {

constexpr int kFirstForceColumn = 4;  // M, N and S, as the section grid's columns 1 to 3
constexpr int kFirstRatioColumn = 7;  // each ratio followed by its allowable value
constexpr int kShearColumn = 15;
constexpr int kVerdictColumn = 16;

// The allowable values as the section grid writes the stresses they bound.
const Pattern kLimitPatterns[kCriterionCount] = {"0.0"_pattern, "0"_pattern, "0.00"_pattern,
                                                 "0.00"_pattern};

std::string RatioText(const std::optional<double>& ratio) {
    if (!ratio) return "-";
    return std::isfinite(*ratio) ? FormatLine("0.000"_pattern, *ratio) : "計算不能";
}

// At a joint both shear checks hold: τ at the joint against 2τa, τ2d at 2d from it against
// τa; the larger ratio governs. Mid-span sections are not checked for shear.
std::string GoverningShear(const DesignedSection& s, const CriterionValues& u) {
    const auto& tau = u[static_cast<int>(Criterion::Tau)];
    const auto& tau2d = u[static_cast<int>(Criterion::Tau2d)];
    if (s.middle) return "なし（支間部）";
    if (!tau || !tau2d) return "-";
    return *tau2d > *tau ? "2d位置 τ2d≦τa" : "接点 τ≦2τa";
}

}  // namespace

void WriteSectionChecks(const TData& record, bool lowerHaunch, const SectionDesign& sections,
                        CalcTable& table) {
    const Grid& design = table.GridOf("StringGrid3");
    Grid& grid = table.GridOf("StringGrid5");
    SectionChecks checks;
    for (int k = 0; k < 12; ++k) {
        const int row = k + 1;
        const DesignedSection& s = sections[k];
        SectionCheck& check = checks[k];
        const SectionDepths depths = DepthsOf(record, s.code);
        check.h = depths.h;
        check.d = depths.d;
        check.allowable = AllowableValues(record, lowerHaunch, s);
        check.utilisation = Utilisations(record, lowerHaunch, s);

        grid.Cell(1, row) = FormatLine("0"_pattern, check.h);
        grid.Cell(2, row) = FormatLine("0"_pattern, check.d);
        grid.Cell(3, row) = design.Cell(7, row) + design.Cell(8, row);
        for (int f = 0; f < 3; ++f) grid.Cell(kFirstForceColumn + f, row) = design.Cell(1 + f, row);
        for (int c = 0; c < kCriterionCount; ++c) {
            const int column = kFirstRatioColumn + 2 * c;
            // As in the section grid, no σs where it shows none.
            const bool shown = c != static_cast<int>(Criterion::SigmaS) || s.ShowsSigmaS();
            grid.Cell(column, row) = shown ? RatioText(check.utilisation[c]) : "-";
            const auto& limit = check.allowable[c];
            grid.Cell(column + 1, row) = limit ? FormatLine(kLimitPatterns[c], *limit) : "-";
        }
        grid.Cell(kShearColumn, row) = GoverningShear(s, check.utilisation);
        grid.Cell(kVerdictColumn, row) = design.Cell(13, row);
    }
    table.checks = checks;
}
