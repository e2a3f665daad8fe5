#include "app/files/file_wording.h"

#include <QDir>
#include <QFileDevice>

namespace tensorium {

QString QuotedPath(const QString& path) { return '"' + QDir::toNativeSeparators(path) + '"'; }

QString SystemReason(const QFileDevice& file)
{
    QString reason = file.errorString();
    if (!reason.isEmpty()) reason[0] = reason[0].toLower();
    return reason;
}

}  // namespace tensorium
