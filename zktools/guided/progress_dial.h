// The diagnostics window's progress dial as the window was designed: digits and values
// 0 to 100, "% Completed" under the knob, the value in lime on black, grey bevels.
#ifndef ZKTOOLS_GUIDED_PROGRESS_DIAL_H
#define ZKTOOLS_GUIDED_PROGRESS_DIAL_H

namespace zk::gauges {
class TQxDial;
}

namespace diagnostics {

// Every property the design names; the rest keep the dial's defaults. The dial ends
// at 0. `windowFontPixels`: the window's font height, which the dial takes over.
void SetUpProgressDial(zk::gauges::TQxDial& dial, int windowFontPixels);

} // namespace diagnostics

#endif
