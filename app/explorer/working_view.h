// The read-only view of the worked solution, its names written with
// subscript characters (I₁, σₘ). Copying gives the plain reading of the
// selection: subscripts as ordinary characters (I1, σm), every other
// character as it is (the toolkit's own plain text would turn the no-break
// spaces that some regions group thousands with into blanks).
#pragma once

#include <QPlainTextEdit>

namespace tensorium {

class WorkingView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit WorkingView(QWidget* parent = nullptr);

    // The whole text as set, lines parted by '\n'.
    QString Text() const;
    // Shows `text`, rewriting only the lines that differ from those shown
    // when there are as many (a slider that moves changes a few lines, and
    // the view lays out only those); the reader keeps their place.
    void SetText(const QString& text);

    // `text` with every subscript character written as its ordinary one.
    static QString PlainReading(QString text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace tensorium
