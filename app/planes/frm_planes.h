// The plane set window: every plane with the stresses on it and its
// stability, the counts of those critically stressed, and how that share
// grows with the pore pressure. Rows can be added, deleted and edited, each
// change undoable; the table sorts by any column.
#pragma once

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace tensorium {

class AnalysisSession;
class PlaneSetDocument;
class PlaneTableModel;
class InversionPanel;
class PlotCritical;

class FrmPlanes : public QMainWindow {
    Q_OBJECT
public:
    FrmPlanes(PlaneSetDocument& document, AnalysisSession& session, QWidget* parent = nullptr);

    QTableView& Table() { return *tblPlanes; }
    PlotCritical& Plot() { return *plot_; }
    InversionPanel& Inversion() { return *inversion_; }
    // The rows selected in the table, as rows of the plane set.
    std::vector<int> SelectedPlanes() const;
    // While the results are hidden, the computed columns, the critical counts
    // and the plot show nothing, and a notice says why.
    void SetResultsHidden(bool hidden);

public slots:
    void AddPlane();
    void DeleteSelectedPlanes();

private:
    void ShowCounts();
    void ShowSelection();
    QLabel* BuildResultsNotice();

    PlaneSetDocument& document_;
    AnalysisSession& session_;
    PlaneTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* tblPlanes = nullptr;
    QLineEdit* edtPlaneCount = nullptr;
    QLineEdit* edtCriticalCount = nullptr;
    QLineEdit* edtCriticalPercent = nullptr;
    PlotCritical* plot_ = nullptr;
    InversionPanel* inversion_ = nullptr;
    bool syncing_ = false;
    bool resultsHidden_ = false;
    QLabel* lblResultsHidden = nullptr;
};

}  // namespace tensorium
