// The one way the program saves a file: the bytes, made in memory first,
// go to a temporary file beside the target that replaces it only when every
// byte is on the disk. A full disk or a file size limit leaves the earlier
// file whole and no temporary file behind.
#pragma once

#include <QByteArray>
#include <QString>

namespace tensorium {

// Writes `bytes` to `path` whole, or leaves `path` as it was and returns
// false with `error` (when given) set to "<what> cannot be saved as
// "<path>": <the system's reason>", e.g. what = "The exercise".
bool WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& what, QString* error);

}  // namespace tensorium
