#include "app/files/whole_file_writer.h"

#include <QSaveFile>

#include "app/files/file_wording.h"

namespace tensorium {

// Unbuffered, so that a write the disk takes only in part (full, or over a
// size limit) shows as short: a buffered one reports the whole length, and
// its commit then puts the part in place. The rest is written again, which
// the system refuses with its reason (no space left, file too large).
bool WriteWholeFile(const QString& path, const QByteArray& bytes, const QString& what, QString* error)
{
    QSaveFile file(path);
    auto fail = [&](const QString& reason) {
        file.cancelWriting();
        if (error) *error = QString("%1 cannot be saved as %2: %3").arg(what, QuotedPath(path), reason);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(SystemReason(file));
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 taken = file.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0) {
            const QString reason = SystemReason(file);
            return fail(reason.isEmpty() ? "the disk took only part of it (it may be full)" : reason);
        }
        written += taken;
    }
    if (!file.commit()) return fail(SystemReason(file));
    return true;
}

}  // namespace tensorium
