// The colours of the diagrams' objects, the same in every window and export.
#pragma once

namespace tensorium {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    constexpr bool operator==(const Rgb& o) const
    {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

namespace palette {

// The principal axes and their planes.
inline constexpr Rgb kSigma[3] = {{0, 128, 0}, {255, 0, 0}, {0, 0, 255}};
// The user axes x', y', z'.
inline constexpr Rgb kUserAxis[3] = {{0, 0, 128}, {255, 0, 255}, {128, 0, 128}};
// The Mohr circles through s1 and s2, s1 and s3, s2 and s3.
inline constexpr Rgb kCircleS1S2{255, 0, 0};
inline constexpr Rgb kCircleS1S3{0, 0, 0};
inline constexpr Rgb kCircleS2S3{0, 255, 0};
// Lime on white fades on a projector: the explorer draws that circle in a
// darker lime of the same hue.
inline constexpr Rgb kCircleS2S3Projected{0, 160, 0};
// The joint of the main window's net, and the explorer's joint, which can
// be dragged and is the one orange thing.
inline constexpr Rgb kJoint{0, 0, 0};
inline constexpr Rgb kJointHandle{230, 97, 0};
// The Mohr-Coulomb envelope and the region where every plane's point lies.
inline constexpr Rgb kEnvelope{93, 58, 155};
inline constexpr Rgb kPlaneRegion{200, 215, 235};
inline constexpr Rgb kBlack{0, 0, 0};
// The slip seen on a fault and the slip the stress drives on it, drawn at
// its pole on the explorer's net: black, and a crimson that no other line of
// the net has and that stays apart from black for every kind of colour vision
// by its lightness.
inline constexpr Rgb kObservedSlip{0, 0, 0};
inline constexpr Rgb kPredictedSlip{204, 0, 85};
// A safety factor above 1 (the plane holds) and at or below 1 (it slips).
inline constexpr Rgb kSafe{0, 128, 0};
inline constexpr Rgb kUnsafe{255, 0, 0};
// A safety factor's colour: it holds above 1, it slips at 1 and below.
inline constexpr Rgb SafetyColour(double safetyFactor) { return safetyFactor > 1 ? kSafe : kUnsafe; }

}  // namespace palette
}  // namespace tensorium
