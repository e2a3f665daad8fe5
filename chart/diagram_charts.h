// The set-up of the two diagram charts of the main window, shared by the
// window and by the tests that draw charts as the window draws them.
#pragma once

namespace tensorium {

class TChart;

// The equal-area net: fixed axes of -1.1..1.1 crossing at the centre,
// without labels, a dotted silver minor grid, equal scales (a round
// primitive circle) and the North mark on top of the primitive circle.
void SetUpNetChart(TChart& chart);

// The Mohr circles: axes titled "sigma" and "tau", the sigma axis at
// mid-height, tau symmetric about 0 and equal scales (round circles).
void SetUpMohrChart(TChart& chart);

}  // namespace tensorium
