// Test builds only: writes what the window shows (texts, states, places of
// controls, open dialogs) to a file, so that a test driving the real program
// from outside can see it. The program users get does not contain it.
// It says "ready" on standard output once the window is up, and takes
// commands on standard input ("exit", "alt+f4"), so that a program without
// a real screen can be closed as a user closes it.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

namespace tensorium {

class TestProbe : public QObject {
    Q_OBJECT
public:
    explicit TestProbe(const QString& path, QObject* parent = nullptr);

private:
    void Snapshot();
    void ReadCommand();

    QString path_;
    QTimer timer_;
    QSocketNotifier commands_;
    bool saidReady_ = false;
};

}  // namespace tensorium
