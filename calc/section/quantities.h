// Quantities per metre of culvert length for the cost estimate: concrete, formwork and the
// main reinforcement, from the run's geometry and its bar processing.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "calc/record.h"
#include "calc/section/rebar_lengths.h"
#include "calc/work_arrays.h"

inline constexpr int kMainBarCount = 5;  // bars 1 to 5

// One bar mark: its bars of length L, `count` of them in a cross-section, at the pitch.
struct BarQuantity {
    int diameter = 0;     // mm
    Single length = 0;    // mm, L of the processing table
    int count = 0;        // bars of this mark in one cross-section
    double unitMass = 0;  // kg per metre of bar
    double mass = 0;      // kg per metre of culvert
    bool operator==(const BarQuantity&) const = default;
};

struct DiameterMass {
    int diameter = 0;  // mm
    double mass = 0;   // kg per metre of culvert
    bool operator==(const DiameterMass&) const = default;
};

struct SteelQuantities {
    std::array<BarQuantity, kMainBarCount> bars;  // bars 1 to 5
    std::vector<BarQuantity> cellBars;            // bars 6 to 8 of a box of cells
    std::vector<DiameterMass> byDiameter;         // ascending diameters
    double total = 0;                             // kg per metre of culvert
    bool operator==(const SteelQuantities&) const = default;
};

struct Quantities {
    double concrete = 0;  // m3 per metre of culvert
    double formwork = 0;  // m2 per metre of culvert
    int pitch = 0;        // mm, common to the main bars
    // None when the bar search found no pitch, a bar no diameter, or a bar length is not
    // positive: no steel figure is built on those.
    std::optional<SteelQuantities> steel;
    bool operator==(const Quantities&) const = default;
};

// The steel of the bars 1 to 5; none unless BarsFound.
std::optional<SteelQuantities> MainBarSteel(const BarSchedule& barSchedule,
                                            const RebarLengths& lengths);

// Adds one bar mark (its diameter, length, count and unit mass set) at the pitch: sets its
// mass and adds it to its diameter's and to the total.
void AddBarMass(SteelQuantities& steel, BarQuantity& bar, int pitch);

// Nominal mass of one deformed bar per metre of its length; none for a size not made.
std::optional<double> UnitMass(int diameter);

// The bar search gave a pitch of the table and every main bar a diameter of the table, and
// every bar length of the processing table is positive.
bool BarsFound(const BarSchedule& barSchedule, const RebarLengths& lengths);

// The outline less the opening, haunches included. The lower haunches count where the
// opening has them (eight corners).
double ConcreteVolume(const TData& record);
// Whether the box has haunches at its lower corners too, as its outline shows.
bool HasLowerHaunches(const TData& record);
// Both outer wall faces, the inner wall faces, the underside of the top slab and the haunch
// slopes; the top of the top slab, the floor of the opening and the underside of the bottom
// slab are not formed.
double FormworkArea(const TData& record);

Quantities ComputeQuantities(const TData& record, const BarSchedule& barSchedule,
                             const RebarLengths& lengths);
