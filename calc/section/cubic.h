// The cubic equations of the section design: the closed-form root the sheets document, and
// the largest real root to extended precision that checks it.
#pragma once

#include "calc/single.h"

// 1 for x > 0, 0 for x = 0, -1 for x < 0.
int SignOf(double x);

// The largest real root of y^3 + a2*y^2 + a1*y + a0 = 0, or 0 when every root is negative,
// by the closed form with single-precision intermediates; not finite when the coefficients
// overflow the reduced equation.
double SolveCubic(Single a2, Single a1, Single a0);

// The largest real root of the same cubic, whatever its sign, to the precision of an
// Extended; the search starts from `near` where that is a fair guess, such as the closed form.
long double LargestRealRoot(Single a2, Single a1, Single a0, double near = 0);
