// The plane set window while an exercise keeps its results hidden: the
// measured columns stay, the computed ones, the critical counts and the plot
// of the critical share show nothing.
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "app/planes/frm_planes.h"
#include "app/planes/plane_table_model.h"
#include "app/planes/plot_critical.h"

namespace tensorium {

QLabel* FrmPlanes::BuildResultsNotice()
{
    lblResultsHidden = new QLabel(
        "The results are hidden until you have checked your answers in the Exercise window (View > "
        "Exercise).");
    lblResultsHidden->setObjectName("lblResultsHiddenPlanes");
    lblResultsHidden->setWordWrap(true);
    lblResultsHidden->setFrameShape(QFrame::StyledPanel);
    lblResultsHidden->setMargin(4);
    lblResultsHidden->hide();
    return lblResultsHidden;
}

void FrmPlanes::SetResultsHidden(bool hidden)
{
    resultsHidden_ = hidden;
    model_->SetResultsHidden(hidden);
    // Sorted by a computed column, the rows would keep the order of its
    // values; they go back to the measured order, and to the values' after.
    sorted_->invalidate();
    lblResultsHidden->setVisible(hidden);
    plot_->setVisible(!hidden);
    ShowCounts();
    tblPlanes->resizeColumnsToContents();
}

}  // namespace tensorium
