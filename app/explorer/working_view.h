// The read-only view of the worked solution. Copying gives the selected
// text character for character: the toolkit's own plain text would turn the
// no-break spaces that some regions group thousands with into blanks.
#pragma once

#include <QPlainTextEdit>

namespace tensorium {

class WorkingView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit WorkingView(QWidget* parent = nullptr);

    // The whole text as set, lines parted by '\n'.
    QString Text() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace tensorium
