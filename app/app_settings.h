// Where the program keeps what it remembers between runs (window places,
// text sizes, recent files): one INI file in the user's settings folder.
#pragma once

#include <QSettings>
#include <memory>

namespace tensorium {

inline std::unique_ptr<QSettings> OpenSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Tensorium", "Tensorium");
}

}  // namespace tensorium
