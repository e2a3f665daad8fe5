// A joint plane and the stresses on it (compression positive).
#pragma once

namespace tensorium {

struct JointPlane {
    double azimuth = 0;  // dip direction, radians, clockwise from North
    double dip = 0;      // radians below the horizontal
    double phi = 0;      // friction angle, degrees as typed
    double c = 0;        // cohesion, stress unit
};

struct JointResult {
    double sigma = 0;  // normal stress
    double tau = 0;    // shear stress magnitude
    double tlim = 0;   // limiting shear stress
};

}  // namespace tensorium
