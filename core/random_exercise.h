// An exercise of its own for every student, drawn from a seed (the
// student's name): the same seed gives the same exercise on every machine,
// with every standard library and in every region.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis_model.h"
#include "core/exercise_question.h"

namespace tensorium {

struct RandomExercise {
    // sx, sy, sz, txy, tyz, tzx with at most two decimals and a decimal
    // point ("12.3", "-4.56", "7"), for the window to show in its region.
    std::array<std::string, 6> stress;
    // Dip direction and dip (degrees), friction angle (degrees), cohesion.
    std::array<int, 4> joint{};
    AzimuthConvention convention = AzimuthConvention::azClockwiseFromNorth;
    // s1, s2, s3, s1 azimuth, s1 dip, regime, sigma, tau, SF, with the
    // default tolerances.
    std::vector<Question> questions;

    // How the tensor was built: whole principal stresses s1 > s2 > s3 in
    // [5, 100], the s1 axis's downward end at `trend` (clockwise from North)
    // and `plunge`, and the s2 axis turned about it by `spin` from the
    // horizontal; all three angles in degrees and multiples of 5.
    std::array<int, 3> principal{};
    int trend = 0, plunge = 0, spin = 0;
};

// What every random exercise asks, in its order.
const std::vector<Quantity>& RandomExerciseQuantities();

RandomExercise RandomExerciseFor(std::string_view seed);

// The exercise's inputs read as the main window reads them (user angles 0,
// no pore pressure) and analysed by the window's cycle.
AnalysisState AnalyseExercise(const RandomExercise& exercise);

}  // namespace tensorium
