// The help and about texts of the pages, one paragraph per line.
#pragma once

#include <QStringList>

#include "app/app_identity.h"

namespace tensorium::help {

inline QStringList GlobalPage()
{
    return {"Enter normal and shear stress components in the ",
            "global coordinate system (x,y,z).",
            "",
            "Press the ``Calculate'' button to ensure result ",
            "validation. However, results are auto updated on user ",
            "input."};
}

inline QStringList PrincipalPage()
{
    return {"Principal stresses values and angles are updated ",
            "automatically on data input. Angles are the azimuth as ",
            "well the elevation angle of each principal stress.",
            "Azimuth definition is altered by the \"Angles\" menu. ",
            "Elevation angles are bellow the horizon. Direction ",
            "vectors are in respect with a right-hand system."};
}

inline QStringList UserPage()
{
    return {"In this tab you may:",
            "-Specify a coordinate system by beta, psi and theta angles. Then stresses on these axis ",
            "are automatically calculated, or by pressing \"Update user from global\" button.",
            "-Specify a coordinate system, then stress on the user defined coordinate system. By ",
            "pressing \"Update global from user\"button, stress on the global coordinate system is ",
            "calculated as well principal stress.",
            "Definition of the coordinate system arise by three independent angles:",
            "-beta (the right rotation of the y' axis about the global Z axis)",
            "-psi (the dip of z' axis about global Z axis)",
            "-theta (rotation of the x'y' plane aboute new z' axis)"};
}

inline QStringList StereographicPage()
{
    return {"This is a stereographic projection of the lower ",  "hemisphere.",
            "Principal stress axes, as well user defined axes ", "are represented by",
            "the sections (cross) of direction lines with the ", "lower ",
            "hemisphere. Planes normal to the above ",           "directions are also represented."};
}

inline QStringList MohrPage()
{
    return {"Mohr circles. ", "Red circle represents s1-s2 principal stress, ",
            "black circle s1-s3 and green circle s2-s3."};
}

inline QStringList JointPage()
{
    return {
        "Calculate shear and normal stress on plane defined by az and psi. az is the azimuth "
        "(right angle from Y axis) of the dip angle.",
        "",
        "You may enter phi and c parameters of the Mohr-Coulomb failure criterion. The limiting "
        "shear stress (tlim) is then calculated with ",
        "the corresponding safety factor (SF = tlim/t).",
        "",
        "Note that sign of stress for strength calculation is of geotechnical mean (compression is "
        "positive)."};
}

inline QStringList AboutPage()
{
    using namespace identity;
    return {"Tensorium - educational software for three-dimensional stress analysis, version 2.0",
            QString("(c) 2026 %1, %2, %3").arg(kLaboratory, kSchool, kInstitution),
            "Supervisor: Prof. A. Kessler (a.kessler@northfield-tech.example)",
            "Design and programming: M. Ortega (m.ortega@northfield-tech.example)",
            "",
            QString("New revisions are published at %1").arg(kRevisionsUrl)};
}

}  // namespace tensorium::help
