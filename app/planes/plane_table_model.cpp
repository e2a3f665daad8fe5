#include "app/planes/plane_table_model.h"

#include <cmath>
#include <exception>

#include "core/number_parse.h"

namespace tensorium {
namespace {

const char* const kHeaders[PlaneTableModel::Count] = {
    "Name", "Dip direction",  "Dip",   "Set", "σn", "τ", "σn'", "Ts", "Td", "SF", "Δp crit", "Critical",
    "Rake", "Predicted rake", "Misfit"};

bool IsComputed(int column)
{
    return (column >= PlaneTableModel::SigmaN && column <= PlaneTableModel::Critical) ||
           column == PlaneTableModel::PredictedRake || column == PlaneTableModel::Misfit;
}

}  // namespace

PlaneTableModel::PlaneTableModel(PlaneSetDocument& document, const AnalysisSession& session, QObject* parent)
    : QAbstractTableModel(parent), document_(document), session_(session)
{
    connect(&document_, &PlaneSetDocument::PlanesChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&document_, &PlaneSetDocument::OutcomesChanged, this, [this] {
        if (rowCount() > 0) emit dataChanged(index(0, SigmaN), index(rowCount() - 1, Misfit));
    });
}

int PlaneTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document_.Planes().size());
}

int PlaneTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count; }

QVariant PlaneTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    // Sorted by a hidden column, the rows keep their measured order.
    if (resultsHidden_ && IsComputed(index.column())) return role == kSortRole ? QVariant(0) : QVariant();
    const MeasuredPlane& plane = document_.Planes()[index.row()];
    const PlaneOutcome& outcome = document_.Outcomes()[index.row()];
    const PlaneStability& s = outcome.stability;
    auto measured = [&](double v) {
        return QString::number(v, 'g', 15)
            .replace('.', QString::fromStdString(session_.Separators().decimal));
    };
    std::optional<double> value;
    switch (index.column()) {
        case Name:
        case Set: {
            const std::string& text = index.column() == Name ? plane.name : plane.set;
            if (role == Qt::DisplayRole || role == Qt::EditRole || role == kSortRole)
                return QString::fromStdString(text);
            return {};
        }
        case DipDirection:
        case Dip: {
            const double v = index.column() == Dip ? plane.dip : plane.dipDirection;
            if (role == Qt::DisplayRole || role == Qt::EditRole) return measured(v);
            if (role == kSortRole) return v;
            if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        }
        case Critical:
            if (role == Qt::DisplayRole) return outcome.critical ? QString("yes") : QString("no");
            if (role == kSortRole) return outcome.critical ? 1 : 0;
            return {};
        case SigmaN: value = outcome.stresses.sigma; break;
        case Tau: value = outcome.stresses.tau; break;
        case SigmaNEff: value = s.sigmaEff; break;
        case Ts: value = s.slipTendency; break;
        case Td: value = s.dilationTendency; break;
        case SF: value = s.safetyFactor; break;
        case DpCrit: value = s.criticalPressureRise; break;
        case Rake:
            if (role == Qt::EditRole) return plane.rake ? measured(*plane.rake) : QString();
            value = plane.rake;
            break;
        case PredictedRake: value = document_.SlipFits()[index.row()].predictedRake; break;
        case Misfit: value = document_.SlipFits()[index.row()].misfit; break;
        default: return {};
    }
    if (role == Qt::DisplayRole) return value ? session_.Format(*value, 3) : QString();
    // Planes without a value sort after every number.
    if (role == kSortRole) return value ? *value : HUGE_VAL;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void PlaneTableModel::SetResultsHidden(bool hidden)
{
    if (hidden == resultsHidden_) return;
    resultsHidden_ = hidden;
    if (rowCount() > 0) emit dataChanged(index(0, SigmaN), index(rowCount() - 1, Misfit));
}

QVariant PlaneTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < Count ? QString::fromUtf8(kHeaders[section]) : QVariant();
}

Qt::ItemFlags PlaneTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() <= Set || index.column() == Rake) f |= Qt::ItemIsEditable;
    return f;
}

bool PlaneTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
    MeasuredPlane plane = document_.Planes()[index.row()];
    const QString text = value.toString();
    if (index.column() == Name) {
        plane.name = text.toStdString();
    } else if (index.column() == Set) {
        plane.set = text.toStdString();
    } else if (index.column() == Rake && text.trimmed().isEmpty()) {
        plane.rake.reset();  // no slip observed
    } else {
        double v = 0;
        try {
            v = ParseNumber(text.toStdString(), session_.Separators().decimal);
        } catch (const std::exception& failure) {
            session_.ReportFailure(reportOver_, MessageOf(failure));
            return false;
        }
        if (index.column() == Dip) {
            if (!(v >= 0 && v <= 90)) {
                session_.ReportFailure(
                    reportOver_,
                    QString("A dip must lie between 0 and 90 degrees: %1 does not").arg(text.trimmed()));
                return false;
            }
            plane.dip = v;
        } else if (index.column() == Rake) {
            if (!(v >= -180 && v <= 180)) {
                session_.ReportFailure(
                    reportOver_,
                    QString("A rake must lie between -180 and 180 degrees: %1 does not").arg(text.trimmed()));
                return false;
            }
            plane.rake = v == -180 ? 180.0 : v;
        } else {
            if (!std::isfinite(v)) return false;
            plane.dipDirection = NormalisedDipDirection(v);
        }
    }
    document_.Edit(index.row(), plane);
    return true;
}

}  // namespace tensorium
