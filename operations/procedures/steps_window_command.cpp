#include "operations/procedures/steps_window_command.h"

#include "calculator/calculator.h"

namespace {

constexpr char kStepPrefix[] = "step ";
constexpr char kStartHeading[] = "Start";
constexpr char kNoStepsYet[] =
    "No steps yet: Gauss Elimination records them, and so do Inv and Solve Ax = b "
    "when they compute exactly under Format > Fraction.";

// One entry: its heading line, then the rows of its matrix.
std::string Entry(const ShownStep& step) {
    std::string text = StepsText({step}, kStepsColumnGap);
    text.erase(0, sizeof kStepPrefix - 1);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

} // namespace

StepsListing ListingOfSteps(const KeptSteps& kept) {
    StepsListing listing;
    if (kept.command.empty()) {
        listing.note = kNoStepsYet;
        return listing;
    }
    listing.title = kept.command;
    listing.note = kept.note;
    listing.entries.push_back(Entry({kStartHeading, kept.start}));
    for (const ShownStep& step : kept.steps)
        listing.entries.push_back(Entry(step));
    for (const std::string& entry : listing.entries)
        listing.text += entry + "\n\n";
    listing.latex = StepsLatex(kept.start, kept.steps);
    return listing;
}

void OnViewSteps(Calculator& calculator) {
    calculator.Host().ShowStepsWindow(ListingOfSteps(calculator.CommandState<KeptSteps>()));
}
