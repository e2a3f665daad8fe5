// The plane set as a table: the measured columns, which can be edited, and
// the computed ones, which cannot. Numbers show with the regional separator;
// sorting goes by their values (the sort role), not their texts.
#pragma once

#include <QAbstractTableModel>

#include "app/planes/plane_set_document.h"
#include "app/session/analysis_session.h"

namespace tensorium {

class PlaneTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        DipDirection,
        Dip,
        Set,
        SigmaN,
        Tau,
        SigmaNEff,
        Ts,
        Td,
        SF,
        DpCrit,
        Critical,
        Rake,
        PredictedRake,
        Misfit,
        Count
    };
    static constexpr int kSortRole = Qt::UserRole;

    PlaneTableModel(PlaneSetDocument& document, const AnalysisSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed dip direction or dip that does not read, or a dip outside 0 to
    // 90, is reported over `reportOver` and changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void SetReportOver(QWidget* widget) { reportOver_ = widget; }
    // While hidden, the computed columns show no text and sort as equal.
    void SetResultsHidden(bool hidden);

private:
    PlaneSetDocument& document_;
    const AnalysisSession& session_;
    QWidget* reportOver_ = nullptr;
    bool resultsHidden_ = false;
};

}  // namespace tensorium
