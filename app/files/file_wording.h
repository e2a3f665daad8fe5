// How a message names a file and gives the system's reason, so that every
// message about a file reads alike: The exercise cannot be saved as
// "/home/ann/a.tensorium": no space left on device
#pragma once

#include <QString>

class QFileDevice;

namespace tensorium {

// The path in double quotes, with the separators of the system.
QString QuotedPath(const QString& path);

// What the system said went wrong with `file`, to follow a colon in a sentence.
QString SystemReason(const QFileDevice& file);

}  // namespace tensorium
