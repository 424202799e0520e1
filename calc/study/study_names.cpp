// Section names from the section-design table's own first column.
#include "calc/study/study_names.h"

#include "calc/calc_table.h"

const std::vector<std::string>& DesignSectionNames() {
    static const std::vector<std::string> names = [] {
        const CalcTable table;
        const Grid& grid = table.GridOf("StringGrid3");
        std::vector<std::string> column;
        for (int row = 1; row <= kDesignSectionCount; ++row) column.push_back(grid.Cell(0, row));
        return column;
    }();
    return names;
}

const char* CriterionName(Criterion criterion) {
    switch (criterion) {
        case Criterion::SigmaC:
            return "σc";
        case Criterion::SigmaS:
            return "σs";
        case Criterion::Tau:
            return "τ";
        case Criterion::Tau2d:
            return "τ2d";
    }
    return "";
}
