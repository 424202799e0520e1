// The dense solver of the frame's equilibrium equations: Gaussian elimination with row
// pivoting on 4-byte working copies, then forward and back substitution.
#pragma once

#include <array>

#include "calc/messenger.h"
#include "calc/single.h"

// One equation row, the right-hand side or the solution; index 0 is unused so that the
// indices match the unknowns' numbers.
using SolverVector = std::array<Single, 6>;

// Solves rows 1..n (n at most 5) for the right-hand side. The caller's rows and right-hand
// side are never changed; the solution is written only on success. A zero pivot is told to
// the user through the messenger, and the solution then keeps what the caller put there.
void SolveLinearSystem(int n, const SolverVector& row1, const SolverVector& row2,
                       const SolverVector& row3, const SolverVector& row4, const SolverVector& row5,
                       const SolverVector& rightHandSide, SolverVector& solution,
                       Messenger& messenger);
