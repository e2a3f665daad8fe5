// A layout that places its items in a row and wraps them onto further rows
// when the row is too narrow, so that larger text never widens the window.
#pragma once

#include <QLayout>
#include <QList>

namespace tensorium {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (or only measures them); returns the height used.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int gap_;
};

}  // namespace tensorium
