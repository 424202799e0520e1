// Bar tables (nominal diameters with their areas, the pitches) and the searches over them.
#pragma once

#include <optional>

#include "calc/messenger.h"
#include "calc/record.h"

// Sets the constant pitch, diameter and area tables.
void FillBarTables(TTekkin& tables);

// Steel area per metre (mm2/m) of one diameter at one pitch; none when the diameter is not
// in the table.
std::optional<Single> SteelForBar(const TTekkin& tables, int pitch, int diameter);

struct BarChoice {
    Single As = 0;  // mm2 per metre
    int diameter = 0;
    int pitch = 0;
};

// The smallest arrangement over every pitch and diameter whose area exceeds the demand. When
// none does, tells the user and gives As 99999, diameter and pitch 9999.
BarChoice SelectBarsAuto(const TTekkin& tables, Single demand, Messenger& messenger);

// At one pitch, the smallest of D13 to D51 whose area exceeds the demand; none when no bar
// does.
std::optional<BarChoice> SelectBarAtPitch(const TTekkin& tables, int pitch, Single demand);
