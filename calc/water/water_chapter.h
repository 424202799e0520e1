// Chapter "Ⅵ．水位・安定計算" of a design with water or a ground check, and what a reviewer
// reads of every design: its load cases, its checks and the warnings on its range.
#pragma once

#include "calc/calc_table.h"
#include "calc/run_work.h"

// The components of the chapter; only those the design calls for exist.
inline constexpr const char* kGroundwaterSheet = "ListBox11";  // 外水 case
inline constexpr const char* kInnerWaterSheet = "ListBox12";   // 内水 case
inline constexpr const char* kStabilitySheet = "ListBox13";    // uplift and ground pressure
inline constexpr const char* kCaseTable = "StringGrid6";       // forces by case, governing case
inline constexpr const char* kGroundwaterFigure = "Chart14";
inline constexpr const char* kInnerWaterFigure = "Chart15";
inline constexpr const char* kEnvelopeFigure = "Chart16";

// Whether the table holds the chapter; whether it has a load case beyond the documented one,
// so that the section table of chapter IV shows each section's governing case.
bool HasWaterChapter(const CalcTable& table);
bool HasExtraCases(const CalcTable& table);

// The note under the section table of chapter IV where there are such cases.
inline constexpr const char* kGoverningNote =
    "水位を考慮した荷重ケースがあるため、各断面の値は支配ケースのもの（Ⅵ章参照）";

// Writes the reviewer's data of every design; the chapter where the design has water or a
// ground check, and removes it where it has not.
void WriteWaterChapter(const RunWork& work, CalcTable& table);
