#include "app/files/exercise_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "app/files/file_wording.h"
#include "app/files/stored_input.h"
#include "app/files/whole_file_writer.h"

namespace tensorium {
namespace {

// The names in the file; the window's fields in the order of Exercise.
constexpr const char* kGlobalKeys[] = {"sx", "sy", "sz", "txy", "tyz", "tzx"};
constexpr const char* kUserKeys[] = {"beta", "psi", "theta"};
constexpr const char* kJointKeys[] = {"dip_direction", "dip", "friction_angle", "cohesion"};
constexpr const char* kClockwiseFromNorth = "clockwise from north";
constexpr const char* kCounterclockwiseFromEast = "counterclockwise from east";

// Far more than any exercise needs; a larger file is not one.
constexpr qint64 kLargestExercise = 1 << 20;

// Raised inside the parsing with the part of the sentence after the file's name.
struct Damage {
    QString what;
};

constexpr const char* kFieldNames[] = {"none", "slip tendency", "dilation tendency", "safety factor"};
constexpr const char* kLayerKeys[] = {"principal", "user", "joint"};

// How a file of one version holds the inputs, for the window's region.
struct InputReading {
    int version = kExerciseFormatVersion;
    std::string decimal;

    // An input: a text as typed, or from version 2 a number.
    QString Input(const QJsonValue& value, const QString& where) const
    {
        if (value.isString()) return value.toString();
        if (version >= 2 && value.isDouble()) return TypedNumber(value.toDouble(), decimal);
        throw Damage{QString("\"%1\" is missing or not %2")
                         .arg(where, version >= 2 ? "a number or a text" : "a text")};
    }
};

template <size_t N>
void ReadGroup(const QJsonObject& document, const QString& group, const char* const (&keys)[N],
               std::array<QString, N>& texts, const InputReading& reading)
{
    const QJsonValue value = document.value(group);
    if (!value.isObject()) throw Damage{QString("\"%1\" is missing or not a group of inputs").arg(group)};
    for (size_t i = 0; i < N; ++i)
        texts[i] = reading.Input(value.toObject().value(keys[i]), group + "." + keys[i]);
}

template <size_t N>
QJsonObject Group(const char* const (&keys)[N], const std::array<QString, N>& texts,
                  const std::string& decimal)
{
    QJsonObject group;
    for (size_t i = 0; i < N; ++i) group.insert(keys[i], StoredInput(texts[i], decimal));
    return group;
}

QJsonObject LessonObject(const ExplorerLesson& lesson, const std::string& decimal)
{
    QJsonObject layers;
    const bool shown[] = {lesson.principal, lesson.user, lesson.joint};
    for (int i = 0; i < 3; ++i) layers.insert(kLayerKeys[i], shown[i]);
    layers.insert("poles", lesson.poles);
    layers.insert("density", lesson.density);
    layers.insert("slip", lesson.slip);
    layers.insert("pt", lesson.pt);
    QJsonObject explorer;
    explorer.insert("pore_pressure", StoredInput(lesson.porePressure, decimal));
    explorer.insert("field", kFieldNames[std::clamp(lesson.field, 0, 3)]);
    explorer.insert("layers", layers);
    explorer.insert("text_steps", lesson.textSteps);
    return explorer;
}

ExplorerLesson ReadLesson(const QJsonValue& value, const InputReading& reading)
{
    if (!value.isObject()) throw Damage{"\"explorer\" is not a group"};
    const QJsonObject explorer = value.toObject();
    ExplorerLesson lesson;
    lesson.porePressure = reading.Input(explorer.value("pore_pressure"), "explorer.pore_pressure");
    const QString field = explorer.value("field").toString();
    const auto* name = std::find(std::begin(kFieldNames), std::end(kFieldNames), field);
    if (name == std::end(kFieldNames))
        throw Damage{
            "\"explorer.field\" is missing or not \"none\", \"slip tendency\", \"dilation "
            "tendency\" or \"safety factor\""};
    lesson.field = static_cast<int>(name - std::begin(kFieldNames));
    const QJsonObject layers = explorer.value("layers").toObject();
    bool* shown[] = {&lesson.principal, &lesson.user, &lesson.joint};
    for (int i = 0; i < 3; ++i) {
        const QJsonValue layer = layers.value(kLayerKeys[i]);
        if (!layer.isBool())
            throw Damage{
                QString("\"explorer.layers.%1\" is missing or not true or false").arg(kLayerKeys[i])};
        *shown[i] = layer.toBool();
    }
    // The planes' layers came with version 3 and the faults' later; files
    // without them show none of them.
    for (auto [key, shown] : {std::pair<const char*, bool*>{"poles", &lesson.poles},
                              {"density", &lesson.density},
                              {"slip", &lesson.slip},
                              {"pt", &lesson.pt}}) {
        const QJsonValue layer = layers.value(key);
        if (layer.isUndefined()) continue;
        if (!layer.isBool()) throw Damage{QString("\"explorer.layers.%1\" is not true or false").arg(key)};
        *shown = layer.toBool();
    }
    const QJsonValue steps = explorer.value("text_steps");
    const double number = steps.toDouble(0.5);
    if (!steps.isDouble() || number != std::trunc(number) || std::fabs(number) > 100)
        throw Damage{"\"explorer.text_steps\" is missing or not a whole number"};
    lesson.textSteps = static_cast<int>(number);
    return lesson;
}

QJsonArray PlanesArray(const PlaneSet& planes)
{
    QJsonArray array;
    for (const MeasuredPlane& plane : planes) {
        QJsonObject object;
        object.insert("name", QString::fromStdString(plane.name));
        object.insert("dip_direction", plane.dipDirection);
        object.insert("dip", plane.dip);
        object.insert("set", QString::fromStdString(plane.set));
        if (plane.rake) object.insert("rake", *plane.rake);
        array.append(object);
    }
    return array;
}

PlaneSet ReadPlanes(const QJsonValue& value)
{
    if (!value.isArray()) throw Damage{"\"planes\" is not a list of planes"};
    PlaneSet planes;
    const QJsonArray array = value.toArray();
    planes.reserve(static_cast<size_t>(array.size()));
    for (qsizetype k = 0; k < array.size(); ++k) {
        const QString where = QString("planes[%1]").arg(k + 1);
        const QJsonObject object = array.at(k).toObject();
        const QJsonValue name = object.value("name"), set = object.value("set");
        const QJsonValue direction = object.value("dip_direction"), dip = object.value("dip");
        if (!array.at(k).isObject() || !name.isString() || !set.isString())
            throw Damage{where + " is not a plane with a name and a set"};
        if (!direction.isDouble() || !(direction.toDouble() >= 0 && direction.toDouble() < 360))
            throw Damage{
                QString("\"%1.dip_direction\" is missing or not a number from 0 up to 360").arg(where)};
        if (!dip.isDouble() || !(dip.toDouble() >= 0 && dip.toDouble() <= 90))
            throw Damage{QString("\"%1.dip\" is missing or not a number from 0 to 90").arg(where)};
        // The observed slip, where there is one.
        std::optional<double> rake;
        if (object.contains("rake")) {
            const QJsonValue value = object.value("rake");
            if (!value.isDouble() || !(value.toDouble() > -180 && value.toDouble() <= 180))
                throw Damage{QString("\"%1.rake\" is not a number above -180 up to 180").arg(where)};
            rake = value.toDouble();
        }
        planes.push_back({name.toString().toStdString(), direction.toDouble(), dip.toDouble(),
                          set.toString().toStdString(), rake});
    }
    return planes;
}

void ReadContent(const QJsonObject& document, Exercise& exercise, const InputReading& reading)
{
    ReadGroup(document, "global_stress", kGlobalKeys, exercise.globalStress, reading);
    ReadGroup(document, "user_angles", kUserKeys, exercise.userAngles, reading);
    ReadGroup(document, "joint", kJointKeys, exercise.joint, reading);
    const QJsonValue comments = document.value("comments");
    if (!comments.isArray() || comments.toArray().size() != 2)
        throw Damage{"\"comments\" is missing or not a list of two texts"};
    for (int i = 0; i < 2; ++i) {
        if (!comments.toArray().at(i).isString())
            throw Damage{"\"comments\" is missing or not a list of two texts"};
        exercise.comments[i] = comments.toArray().at(i).toString();
    }
    const QString convention = document.value("azimuth_convention").toString();
    if (convention == kClockwiseFromNorth)
        exercise.convention = AzimuthConvention::azClockwiseFromNorth;
    else if (convention == kCounterclockwiseFromEast)
        exercise.convention = AzimuthConvention::azCounterclockwiseFromEast;
    else
        throw Damage{QString("\"azimuth_convention\" is missing or neither \"%1\" nor \"%2\"")
                         .arg(kClockwiseFromNorth, kCounterclockwiseFromEast)};
    if (reading.version >= 2 && document.contains("explorer"))
        exercise.explorer = ReadLesson(document.value("explorer"), reading);
    if (reading.version >= 3 && document.contains("planes"))
        exercise.planes = ReadPlanes(document.value("planes"));
    if (reading.version >= 4 && document.contains("exercise")) {
        const QString problem = ReadQuiz(document.value("exercise"), exercise.quiz);
        if (!problem.isEmpty()) throw Damage{problem};
    }
}

}  // namespace

bool Exercise::operator==(const Exercise& other) const
{
    return globalStress == other.globalStress && userAngles == other.userAngles && joint == other.joint &&
           comments == other.comments && convention == other.convention && explorer == other.explorer &&
           planes == other.planes && quiz == other.quiz;
}

QByteArray ExerciseDocument(const Exercise& exercise, const std::string& decimal)
{
    QJsonObject document;
    document.insert("format", kExerciseFormatName);
    document.insert("version", kExerciseFormatVersion);
    document.insert("azimuth_convention", exercise.convention == AzimuthConvention::azCounterclockwiseFromEast
                                              ? kCounterclockwiseFromEast
                                              : kClockwiseFromNorth);
    document.insert("global_stress", Group(kGlobalKeys, exercise.globalStress, decimal));
    document.insert("user_angles", Group(kUserKeys, exercise.userAngles, decimal));
    document.insert("joint", Group(kJointKeys, exercise.joint, decimal));
    document.insert("comments", QJsonArray{exercise.comments[0], exercise.comments[1]});
    if (exercise.explorer) document.insert("explorer", LessonObject(*exercise.explorer, decimal));
    if (!exercise.planes.empty()) document.insert("planes", PlanesArray(exercise.planes));
    if (!exercise.quiz.empty()) document.insert("exercise", QuizObject(exercise.quiz));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

ExerciseReading ParseExercise(const QByteArray& bytes, const QString& path, const std::string& decimal)
{
    const QString file = "The exercise file " + QuotedPath(path);
    ExerciseReading reading;
    if (bytes.trimmed().isEmpty()) {
        reading.problem = file + " is empty";
        return reading;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        reading.problem = QString("%1 is cut short or not JSON: %2 at character %3")
                              .arg(file, error.errorString())
                              .arg(error.offset);
        return reading;
    }
    const QJsonObject object = document.object();
    const QJsonValue format = object.value("format");
    if (!document.isObject() || !format.isString()) {
        reading.problem = file + " is not a Tensorium exercise: it names no format";
        return reading;
    }
    if (format.toString() != kExerciseFormatName) {
        reading.problem =
            QString("%1 is not a Tensorium exercise: its format is \"%2\", not \"%3\" as in an exercise")
                .arg(file, format.toString(), kExerciseFormatName);
        return reading;
    }
    const QJsonValue version = object.value("version");
    const double number = version.toDouble(0);
    if (!version.isDouble() || number < 1 || number != static_cast<double>(static_cast<qint64>(number))) {
        reading.problem = file + " is damaged: \"version\" is missing or not a whole number from 1 up";
        return reading;
    }
    if (number > kExerciseFormatVersion) {
        reading.problem = QString(
                              "%1 was saved by a newer Tensorium (exercise version %2); this version "
                              "opens exercises up to version %3")
                              .arg(file)
                              .arg(static_cast<qint64>(number))
                              .arg(kExerciseFormatVersion);
        return reading;
    }
    try {
        ReadContent(object, reading.exercise, {static_cast<int>(number), decimal});
    } catch (const Damage& damage) {
        reading.exercise = Exercise{};
        reading.problem = file + " is damaged: " + damage.what;
    }
    return reading;
}

ExerciseReading ReadExercise(const QString& path, const std::string& decimal)
{
    const QString file = "The exercise file " + QuotedPath(path);
    ExerciseReading reading;
    const QFileInfo info(path);
    if (!info.exists()) {
        reading.problem = file + " does not exist";
        return reading;
    }
    if (info.isDir()) {
        reading.problem = file + " cannot be read: it is a folder";
        return reading;
    }
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        reading.problem = QString("%1 cannot be read: %2").arg(file, SystemReason(input));
        return reading;
    }
    const QByteArray bytes = input.read(kLargestExercise + 1);
    if (input.error() != QFileDevice::NoError) {
        reading.problem = QString("%1 cannot be read: %2").arg(file, SystemReason(input));
        return reading;
    }
    if (bytes.size() > kLargestExercise) {
        reading.problem = file + " is not a Tensorium exercise: it is far larger than an exercise";
        return reading;
    }
    return ParseExercise(bytes, path, decimal);
}

QString WriteExercise(const QString& path, const Exercise& exercise, const std::string& decimal)
{
    QString problem;
    return WriteWholeFile(path, ExerciseDocument(exercise, decimal), "The exercise", &problem) ? QString()
                                                                                               : problem;
}

}  // namespace tensorium
