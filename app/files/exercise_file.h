// An exercise file (.tensorium): every input of the window, the azimuth
// convention and how the explorer shows the exercise, as a JSON document with
// a format name and version. A teacher saves one and hands it out; opening it
// gives the same inputs and the same cycle, in any region: an input that
// reads as a number is kept as a JSON number, free of the regional decimal
// separator, and shown in the reader's; any other text is kept as typed.
// Files of version 1 held every input as the text typed; version 3 added
// the measured planes, version 4 the questions.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "app/files/exercise_quiz.h"
#include "core/angles.h"
#include "core/plane_set.h"

namespace tensorium {

inline constexpr const char* kExerciseFormatName = "tensorium-exercise";
inline constexpr int kExerciseFormatVersion = 4;
inline constexpr const char* kExerciseSuffix = "tensorium";

// How the explorer shows an exercise: its pore pressure (as typed), the field
// on its net, its layers and its text size in steps of Ctrl++ (negative for
// Ctrl+-).
struct ExplorerLesson {
    QString porePressure = "0";
    int field = 0;  // 0 none, 1 slip tendency, 2 dilation tendency, 3 safety factor
    bool principal = true, user = false, joint = true;
    int textSteps = 0;
    bool poles = false, density = false;  // the measured planes' layers (from version 3)
    bool slip = false, pt = false;        // the faults' slip and P and T axes

    bool operator==(const ExplorerLesson& other) const
    {
        return porePressure == other.porePressure && field == other.field && principal == other.principal &&
               user == other.user && joint == other.joint && poles == other.poles &&
               density == other.density && slip == other.slip && pt == other.pt &&
               textSteps == other.textSteps;
    }
};

struct Exercise {
    std::array<QString, 6> globalStress;  // sx, sy, sz, txy, tyz, tzx
    std::array<QString, 3> userAngles;    // beta, psi, theta
    std::array<QString, 4> joint;         // dip direction, dip, friction angle, cohesion
    std::array<QString, 2> comments;
    AzimuthConvention convention = AzimuthConvention::azClockwiseFromNorth;
    // The explorer as it was saved; none in files written before it was kept.
    std::optional<ExplorerLesson> explorer;
    // The measured planes; none in files written before they were kept.
    PlaneSet planes;
    // The task and questions; none in files without them.
    ExerciseQuiz quiz;

    bool operator==(const Exercise& other) const;
};

// An exercise read, or what is wrong with the file (a sentence naming it).
struct ExerciseReading {
    Exercise exercise;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

// The texts of an Exercise are those of a window whose regional decimal
// separator is `decimal`; the file itself holds none.
ExerciseReading ReadExercise(const QString& path, const std::string& decimal);

// The document a file holds, and the reading of one from its bytes; `path`
// only names the file in the problem.
QByteArray ExerciseDocument(const Exercise& exercise, const std::string& decimal);
ExerciseReading ParseExercise(const QByteArray& bytes, const QString& path, const std::string& decimal);

// Writes through a temporary file renamed into place, so a failed write
// leaves any earlier file whole; returns what went wrong, or nothing.
QString WriteExercise(const QString& path, const Exercise& exercise, const std::string& decimal);

}  // namespace tensorium
