// The sheet a student hands in: name, date, task, every question with the
// answer given, its verdict and the right value, then the worked solution;
// A4 pages of a PDF file.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "app/exercise/frm_exercise.h"

namespace tensorium {

struct ResultSheet {
    QString student;
    QString date;  // as the sheet shows it
    QString task;
    std::vector<MarkedQuestion> questions;
    QString working;  // the worked solution's text
};

// The PDF document of the sheet.
QByteArray ResultSheetPdf(const ResultSheet& sheet);

}  // namespace tensorium
