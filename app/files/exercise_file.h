// An exercise file (.tensorium): the texts of every input of the window,
// exactly as typed, and the azimuth convention, as a JSON document with a
// format name and version. A teacher saves one and hands it out; opening it
// gives the same inputs and the same cycle.
#pragma once

#include <QString>
#include <array>

#include "core/angles.h"

namespace tensorium {

inline constexpr const char* kExerciseFormatName = "tensorium-exercise";
inline constexpr int kExerciseFormatVersion = 1;
inline constexpr const char* kExerciseSuffix = "tensorium";

struct Exercise {
    std::array<QString, 6> globalStress;  // sx, sy, sz, txy, tyz, tzx
    std::array<QString, 3> userAngles;    // beta, psi, theta
    std::array<QString, 4> joint;         // dip direction, dip, friction angle, cohesion
    std::array<QString, 2> comments;
    AzimuthConvention convention = AzimuthConvention::azClockwiseFromNorth;

    bool operator==(const Exercise& other) const;
};

// An exercise read, or what is wrong with the file (a sentence naming it).
struct ExerciseReading {
    Exercise exercise;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

ExerciseReading ReadExercise(const QString& path);

// The document a file holds, and the reading of one from its bytes; `path`
// only names the file in the problem.
QByteArray ExerciseDocument(const Exercise& exercise);
ExerciseReading ParseExercise(const QByteArray& bytes, const QString& path);

// Writes through a temporary file renamed into place, so a failed write
// leaves any earlier file whole; returns what went wrong, or nothing.
QString WriteExercise(const QString& path, const Exercise& exercise);

}  // namespace tensorium
