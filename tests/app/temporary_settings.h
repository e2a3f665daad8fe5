// Tests keep the program's settings in a folder of their own, removed when
// the test program ends, never in the user's settings folder.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace tensorium::test {

inline void UseTemporarySettings()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

}  // namespace tensorium::test
