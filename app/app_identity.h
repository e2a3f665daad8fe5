// Names, titles and addresses the program shows about itself.
#pragma once

namespace tensorium::identity {

inline constexpr const char* kApplicationTitle = "Tensorium version 2.0";
inline constexpr const char* kWindowCaption = "Tensorium (version 2.0)";

inline constexpr const char* kInstitution = "Northfield Institute of Technology";
inline constexpr const char* kSchool = "School of Civil Engineering";
inline constexpr const char* kLaboratory = "Laboratory of Engineering Geology and Rock Mechanics";

inline constexpr const char* kInstitutionUrl = "https://www.northfield-tech.example/";
inline constexpr const char* kSchoolUrl = "https://civil.northfield-tech.example/";
inline constexpr const char* kLaboratoryUrl = "https://rocklab.northfield-tech.example/";
inline constexpr const char* kRevisionsUrl = "https://rocklab.northfield-tech.example/tensorium/";

}  // namespace tensorium::identity
