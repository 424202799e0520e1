// Test records for the load stages: a record filled from given inputs, with the geometry,
// self weights, outline polygons and coefficients derived as the input reading derives them.
#pragma once

#include "calc/record.h"

// The input page's defaults; alpha and beta are given, not looked up.
struct BoxInputs {
    float h1 = 4.20f, ha = 0, Tu = 0.40f, TL = 0.50f, Tb = 0.50f;
    float Hab = 0.20f, Hah = 0.20f, H = 3.90f, B = 4.00f;
    bool lowerHaunch = false;
    double gammaS = 18, gammaC = 24.5, gammaA = 23, Ko = 0.5, alpha = 1.0, beta = 0.9, q = 0;
    double P1 = 100, axleDistance = 6.0, impactDepth = 4.0;  // the T-25 load
    double sigmaCk = 24, sigmaCa = 8.0, tauA = 0.39, sigmaSa = 160, sigmaSaJoint = 200;
    double tauOa = 1.6;
    float dTop = 0.10f, dWall = 0.10f, dBottomUpper = 0.11f, dBottomLower = 0.11f;
};

TKakou MakeRecord(const BoxInputs& inputs);
