// The calculation record: one object carries a run from the design conditions to the last
// result. Each class of the chain adds the fields its stage of the report computes.
// Single fields hold 4 bytes (calc/single.h), Double fields 8; a zero-initialised TKakou starts
// every run.
#pragma once

#include <cstdint>

#include "calc/single.h"

// A closed outline: points 1..n+1 are used, point n+1 repeating point 1. Index 0 is unused
// so that indices match the corner numbers of the report.
struct BoxPolygon {
    std::int32_t n = 0;
    double X[10] = {};
    double Y[10] = {};
};

// Section forces of one member, positions measured from its start joint.
struct MemberForces {
    Single MStart = 0, MMax = 0, MEnd = 0, XMax = 0;
    Single NStart = 0, NMid = 0, NEnd = 0;
    Single SStart = 0, SEnd = 0, S2dStart = 0, S2dEnd = 0;
};

// Design conditions, derived geometry, self weights, outline polygons and the first group of
// load values.
class TData {
  public:
    Single i = 0;  // impact coefficient
    Single W1 = 0;
    double gammaS = 0, gammaC = 0, gammaA = 0;
    double alpha = 0, beta = 0, Ko = 0;
    Single D1 = 0, D2 = 0, D3 = 0;
    double sigmaCk = 0, sigmaCa = 0, tauA = 0, tauOa = 0, sigmaSa = 0, sigmaSaJoint = 0;
    Single h1 = 0, ha = 0, h1d = 0, h2d = 0;
    Single Tu = 0, TL = 0, Tb = 0, Hab = 0, Hah = 0, H = 0, B = 0;
    Single Hu = 0, Bu = 0, Ho = 0, Bo = 0;
    Single dTop = 0, dWall = 0, dBottomUpper = 0, dBottomLower = 0;
    double P1 = 0, axleDistance = 0, impactDepth = 0;
    BoxPolygon roadOutline, roadAxes, roadOpening, boxOutline, boxAxes, boxOpening;
    Single PL1 = 0, Pvd = 0, Phd1 = 0, Phd2 = 0, Pv2 = 0;
    Single PvL1 = 0, PvL2 = 0, PhL1 = 0, PhL2 = 0;
    Single L2 = 0, L1 = 0;
    double q = 0, qApplied = 0;
    Single Phd1q = 0, Phd2q = 0, Pv1 = 0;
    // Beyond the one-cell box: the number of cells and, with two or three, the middle walls'
    // thickness (0 with one cell, whose entry is not read).
    std::int32_t cells = 1;
    Single Tm = 0;
};

// Resultants, wall pressures, frame loads, bottom-slab reactions and load terms.
class TKazyu : public TData {
  public:
    Single Sp1 = 0, e1 = 0, Sp2 = 0, e2 = 0, Sp3 = 0, e3 = 0, Sp4 = 0, e4 = 0, Sp5 = 0;
    Single Ph1 = 0, Ph2 = 0, Ph3 = 0, Ph4 = 0;
    Single Pv1Frame = 0, PvL1Frame = 0, PvL2Frame = 0;
    Single Pv2L = 0, Pv2R = 0;
    Single Cab = 0, Cba = 0, Cbc = 0, Ccb = 0, Ccd = 0, Cdc = 0, Cda = 0, Cad = 0;
    Single Astory = 0;
};

// Joint moments of the slope-deflection analysis; the first letter names the joint.
class TLamen : public TKazyu {
  public:
    Single Mab = 0, Mba = 0, Mbc = 0, Mcb = 0, Mcd = 0, Mdc = 0, Mda = 0, Mad = 0;
};

// Section forces of the four members.
class TBuzai : public TLamen {
  public:
    MemberForces forcesAB, forcesCD, forcesBC, forcesDA;
};

// Bar tables of the section design.
class TTekkin : public TBuzai {
  public:
    std::int32_t pitchTable[5] = {};         // mm
    std::int32_t barDiameterTable[13] = {};  // mm
    Single barAreaTable[13] = {};            // cm2, one bar
};

// Main-bar processing (bending) dimensions, mm.
class TKakou : public TTekkin {
  public:
    Single R1 = 0, R2 = 0;
    Single L1Upper = 0, L2Top = 0, L3Top = 0, L4Upper = 0;
    Single L1Lower = 0, L2Bottom = 0, L3Bottom = 0, L4Lower = 0;
    Single xShift = 0;
};
