// The regions the regional tests run under, with the separators the
// toolkit's data gives each; the test runs under the one LC_ALL names.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tensorium::testing_support {

struct Region {
    const char* name;
    const char* decimal;
    const char* thousands;
};

inline constexpr Region kRegions[] = {
    {"de_DE.UTF-8", ",", "."},      {"fr_FR.UTF-8", ",", "\u202f"},  // narrow no-break space
    {"ru_RU.UTF-8", ",", "\u00a0"}, {"es_ES.UTF-8", ",", "."},       // no-break space
    {"de_CH.UTF-8", ".", "\u2019"}, {"en_US.UTF-8", ".", ","},
};

// The region LC_ALL names, or null when it names none of them.
inline const Region* RegionOfThisRun()
{
    const QByteArray name = qgetenv("LC_ALL");
    for (const Region& r : kRegions)
        if (name == r.name) return &r;
    return nullptr;
}

}  // namespace tensorium::testing_support
