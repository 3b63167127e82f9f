#pragma once
// View > Steps: the steps the last Gauss Elimination (or exact Inv or
// Solve Ax = b) recorded, shown in the Steps window.

#include <string>

#include "calculator/exact_path.h"
#include "platform/host.h"

class Calculator;

// Blanks at least between the columns of a step's matrix.
inline constexpr int kStepsColumnGap = 2;

// The kept steps as the window lists them.
StepsListing ListingOfSteps(const KeptSteps& kept);

void OnViewSteps(Calculator& calculator);
