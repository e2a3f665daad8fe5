// Stands in for the user's browser: collects every address the program asks
// the desktop to open.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace tensorium::testing_support {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace tensorium::testing_support
