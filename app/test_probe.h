// Test builds only: writes what the window shows (texts, states, places of
// controls, open dialogs) to a file, so that a test driving the real program
// from outside can see it. The program users get does not contain it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace tensorium {

class TestProbe : public QObject {
    Q_OBJECT
public:
    explicit TestProbe(const QString& path, QObject* parent = nullptr);

private:
    void Snapshot() const;

    QString path_;
    QTimer timer_;
};

}  // namespace tensorium
