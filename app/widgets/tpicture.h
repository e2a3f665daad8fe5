// A fixed drawing from a vector resource, scaled to the widget.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace tensorium {

class TPicture : public QWidget {
    Q_OBJECT
public:
    TPicture(const QString& resource, QWidget* parent);
    bool isLoaded() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

}  // namespace tensorium
