// What a plane file or a pasted selection holds, before it is taken: the
// first rows as they stand, what the two columns of a file without a header
// mean (dip direction and dip, or strike and dip), how many planes read and
// which rows are bad. A file with bad rows is taken only as an explicit
// choice to import its valid rows.
#pragma once

#include <QDialog>

#include "core/plane_csv_reader.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tensorium {

class ImportPlanesDialog : public QDialog {
    Q_OBJECT
public:
    ImportPlanesDialog(const QByteArray& bytes, const QString& source, QWidget* parent = nullptr);

    // The planes to take once accepted: all of them, or the valid rows'.
    const PlaneSet& Planes() const { return chosen_; }
    const PlaneReading& Reading() const { return reading_; }
    void SetStrikeAndDip(bool strike);

private:
    void Read();

    QByteArray bytes_;
    PlaneReading reading_;
    PlaneSet chosen_;
    QPlainTextEdit* preview_ = nullptr;
    QRadioButton *dipDirection_ = nullptr, *strike_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton *import_ = nullptr, *importValid_ = nullptr;
};

}  // namespace tensorium
