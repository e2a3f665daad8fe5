#include "app/planes/frm_planes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "app/planes/inversion_panel.h"
#include "app/planes/plane_set_document.h"
#include "app/planes/plane_table_model.h"
#include "app/planes/plot_critical.h"
#include "app/session/analysis_session.h"

namespace tensorium {
namespace {

QLineEdit* Output(const QString& name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setMaximumWidth(110);
    return box;
}

}  // namespace

FrmPlanes::FrmPlanes(PlaneSetDocument& document, AnalysisSession& session, QWidget* parent)
    : QMainWindow(parent), document_(document), session_(session)
{
    setObjectName("FrmPlanes");
    setWindowTitle("Tensorium - Planes");
    resize(980, 620);

    model_ = new PlaneTableModel(document_, session_, this);
    model_->SetReportOver(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(PlaneTableModel::kSortRole);
    tblPlanes = new QTableView;
    tblPlanes->setObjectName("tblPlanes");
    tblPlanes->setAccessibleName("Planes");
    tblPlanes->setModel(sorted_);
    tblPlanes->setSortingEnabled(true);
    tblPlanes->sortByColumn(-1, Qt::AscendingOrder);  // as measured until a header is clicked
    tblPlanes->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPlanes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Sized to the planes when they change; to the values at each new state
    // only for sets of up to a thousand planes, since the header measures a
    // thousand rows each time.
    tblPlanes->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblPlanes->verticalHeader()->setDefaultSectionSize(tblPlanes->fontMetrics().height() + 6);

    auto* add = new QPushButton("&Add plane");
    add->setObjectName("btnAddPlane");
    connect(add, &QPushButton::clicked, this, &FrmPlanes::AddPlane);
    auto* remove = new QPushButton("&Delete planes");
    remove->setObjectName("btnDeletePlanes");
    connect(remove, &QPushButton::clicked, this, &FrmPlanes::DeleteSelectedPlanes);

    edtPlaneCount = Output("edtPlaneCount");
    edtCriticalCount = Output("edtCriticalCount");
    edtCriticalPercent = Output("edtCriticalPercent");
    auto* counts = new QHBoxLayout;
    counts->addWidget(add);
    counts->addWidget(remove);
    counts->addSpacing(20);
    for (auto [caption, box] : {std::pair<const char*, QLineEdit*>{"Planes:", edtPlaneCount},
                                {"Critically stressed:", edtCriticalCount},
                                {"Percent:", edtCriticalPercent}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(box);
        counts->addWidget(label);
        counts->addWidget(box);
    }
    counts->addStretch(1);

    plot_ = new PlotCritical(document_);
    plot_->SetDecimalSeparator(QString::fromStdString(session_.Separators().decimal));
    inversion_ = new InversionPanel(document_, session_);
    auto* below = new QSplitter(Qt::Horizontal);
    below->addWidget(plot_);
    below->addWidget(inversion_);
    below->setStretchFactor(0, 1);
    below->setStretchFactor(1, 1);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(tblPlanes);
    split->addWidget(below);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(counts);
    layout->addWidget(BuildResultsNotice());
    layout->addWidget(split, 1);
    setCentralWidget(central);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuPlanesEdit");
    QAction* undo = document_.UndoStack().createUndoAction(this, "&Undo");
    undo->setObjectName("mnuUndoPlanes");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = document_.UndoStack().createRedoAction(this, "&Redo");
    redo->setObjectName("mnuRedoPlanes");
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    QAction* addAction = edit->addAction("&Add plane", this, &FrmPlanes::AddPlane);
    addAction->setObjectName("mnuAddPlane");
    addAction->setShortcut(QKeySequence("Ctrl+N"));
    QAction* deleteAction = edit->addAction("&Delete planes", this, &FrmPlanes::DeleteSelectedPlanes);
    deleteAction->setObjectName("mnuDeletePlanes");
    deleteAction->setShortcut(QKeySequence::Delete);
    deleteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tblPlanes->addAction(deleteAction);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuPlanesHelp");
    QAction* conventions = help->addAction("&Slip and rake", this, [this] {
        QMessageBox box(QMessageBox::Information, "Slip and rake", SlipConventions(), QMessageBox::Ok, this);
        box.setObjectName("SlipConventionsBox");
        box.exec();
    });
    conventions->setObjectName("mnuSlipConventions");

    // One selection for every view: the table's rows and the net's poles.
    connect(tblPlanes->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!syncing_) document_.Select(SelectedPlanes());
    });
    connect(&document_, &PlaneSetDocument::SelectionChanged, this, &FrmPlanes::ShowSelection);
    connect(&document_, &PlaneSetDocument::PlanesChanged, this, &FrmPlanes::ShowCounts);
    connect(&document_, &PlaneSetDocument::PlanesChanged, tblPlanes, &QTableView::resizeColumnsToContents);
    connect(&document_, &PlaneSetDocument::OutcomesChanged, this, &FrmPlanes::ShowCounts);
    connect(&document_, &PlaneSetDocument::OutcomesChanged, this, [this] {
        if (document_.Planes().size() <= 1000) tblPlanes->resizeColumnsToContents();
    });
    ShowCounts();
    tblPlanes->resizeColumnsToContents();
}

std::vector<int> FrmPlanes::SelectedPlanes() const
{
    std::set<int> rows;
    for (const QModelIndex& index : tblPlanes->selectionModel()->selectedIndexes())
        rows.insert(sorted_->mapToSource(index).row());
    return {rows.begin(), rows.end()};
}

void FrmPlanes::ShowSelection()
{
    if (SelectedPlanes() == document_.Selection()) return;
    syncing_ = true;
    QItemSelection selection;
    for (int row : document_.Selection()) {
        const QModelIndex at = sorted_->mapFromSource(model_->index(row, 0));
        selection.select(at, at.siblingAtColumn(PlaneTableModel::Count - 1));
    }
    tblPlanes->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!document_.Selection().empty())
        tblPlanes->scrollTo(sorted_->mapFromSource(model_->index(document_.Selection().front(), 0)));
    syncing_ = false;
}

void FrmPlanes::AddPlane()
{
    MeasuredPlane plane;
    plane.name = QString("P%1").arg(document_.Planes().size() + 1).toStdString();
    document_.Append({plane}, "Add plane");
    const QModelIndex added =
        sorted_->mapFromSource(model_->index(model_->rowCount() - 1, PlaneTableModel::DipDirection));
    tblPlanes->setCurrentIndex(added);
    tblPlanes->edit(added);
}

void FrmPlanes::DeleteSelectedPlanes() { document_.Remove(SelectedPlanes()); }

void FrmPlanes::ShowCounts()
{
    edtPlaneCount->setText(QString::number(document_.Planes().size()));
    edtCriticalCount->setText(QString::number(document_.CriticalCount()));
    edtCriticalPercent->setText(session_.Format(document_.CriticalPercent(), 1));
    if (resultsHidden_) {
        edtCriticalCount->clear();
        edtCriticalPercent->clear();
    }
}

}  // namespace tensorium
