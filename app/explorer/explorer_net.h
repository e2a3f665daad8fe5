// The explorer's equal-area net: principal, user and joint planes with their
// poles, an optional stability field coloured at the poles with its legend,
// the measured planes' poles, density, slip and P and T axes, and the joint's
// pole that can be dragged or moved with the arrow keys. It
// draws the analysis model as it stands; it keeps only the field it has
// computed and the picture of it.
#pragma once

#include <QFont>
#include <QFuture>
#include <QImage>
#include <QPointF>
#include <QThreadPool>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/explorer/dot_layer.h"
#include "app/explorer/explorer_diagram.h"
#include "app/explorer/net_field_picture.h"
#include "app/planes/plane_set_document.h"
#include "core/analysis_model.h"
#include "diagrams/net_geometry.h"
#include "diagrams/net_projection.h"
#include "diagrams/pole_density.h"
#include "diagrams/stability_field.h"

namespace tensorium {

struct NetLayers {
    bool principal = true, user = false, joint = true;
    bool poles = false, density = false;  // of the measured planes
    bool slip = false, pt = false;        // of the measured planes with a rake
};

struct NetLabel {
    QRectF box;  // the text's own box
    QString text;
};

// Where the net puts its words and its legend in a target, measured once for
// the painting and for whoever checks that nothing clips or overlaps.
struct NetLayout {
    QFont northFont, legendFont;
    NetLabel north;                // "N" above the primitive circle
    bool legend = false;           // a field is shown
    bool upright = false;          // the bar stands beside the circle, else it lies under it
    NetLabel name;                 // the field's name
    QRectF bar;                    // the colour bar, the failure end up or right
    std::vector<NetLabel> values;  // numbers along the bar
    QRectF openedSwatch;           // empty when no plane is opened
    std::vector<NetLabel> openedLabels;
    QRectF marker;      // the joint's marker, empty without one
    QPointF markerTip;  // where it points: on the bar or the swatch
    // The principal axes' and the user axes' poles: their crosses and the
    // names beside them ("s1", "x'"), placed apart from each other and from
    // the words above; an axis not drawn has no text.
    QFont poleFont;
    struct Pole {
        QPointF at;
        double half = 0;  // of the cross
        NetLabel label;
    };
    std::array<Pole, 3> principal, user;
    // With three equal principal stresses, a notice in their stead.
    std::vector<NetLabel> notice;
    // The key of the faults' slip and axes, in a corner: each entry's symbol
    // and its words.
    enum class KeySymbol { ObservedSlip, PredictedSlip, PAxis, TAxis, FoundStress };
    struct KeyEntry {
        KeySymbol symbol;
        QRectF mark;  // where the symbol is drawn
        NetLabel label;
    };
    std::vector<KeyEntry> key;

    // The point of the bar's axis at closeness t (0 far from failure, 1 at it).
    QPointF BarAt(double t) const;
    // Every box that must lie in the target, apart from each other and from
    // the primitive circle.
    std::vector<QRectF> Boxes() const;
};

// A fault (a measured plane with a rake) as the slip layer draws it: at its
// pole, the unit directions in the target along which the pole moves when
// turned towards the observed slip and towards the slip the stress drives
// (none where it drives no shear); and its P and T axes.
struct NetFaultAt {
    int row = 0;  // in the plane set
    QPointF pole;
    QPointF observed;
    std::optional<QPointF> predicted;
    QPointF p, t;
};

class ExplorerNet : public ExplorerDiagram {
    Q_OBJECT
public:
    explicit ExplorerNet(const AnalysisModel& model, QWidget* parent = nullptr);

    // The model has changed: recompute what depends on it and repaint.
    void Refresh();
    void SetLayers(const NetLayers& layers);
    void SetField(FieldKind kind);
    // The measured planes whose poles and density the net shows; clicking a
    // pole selects its plane.
    void SetPlaneSet(PlaneSetDocument* planes);
    // The density of the poles, computed when first shown after the planes
    // change; none without planes.
    const PoleDensity* Density() const;
    // The plane whose pole lies nearest `at` within reach, or -1.
    int PoleAt(const QRectF& target, const QPointF& at) const;
    const std::vector<QPointF>& PolesAt(const QRectF& target) const;
    // The planes with a rake, in `target`, in the order of the set.
    std::vector<NetFaultAt> FaultsAt(const QRectF& target) const;
    // The regional decimal separator of the legend's numbers ("." until set).
    void SetDecimalSeparator(const QString& separator)
    {
        decimalSeparator_ = separator;
        update();
    }
    // Called with a new dip direction and dip (degrees, one decimal) when
    // the user drags the joint's pole or presses an arrow key.
    void SetJointMover(std::function<void(double dipDirection, double dip)> mover)
    {
        mover_ = std::move(mover);
    }

    const StabilityField& Field() const { return field_; }
    // The fixed range the field's colours span.
    ValueRange ColourRange() const { return picture_.range; }
    // How often the field was computed (once per stress state and pressure).
    int FieldComputations() const { return fieldComputations_; }

    // Where a point of the net (x East, y North, radius 1) lies in `target`.
    static QPointF ToTarget(const QRectF& target, const NetPoint& p);
    static NetPoint FromTarget(const QRectF& target, const QPointF& at);
    static double NetRadius(const QRectF& target);
    QPointF JointPoleAt(const QRectF& target) const;

    void Paint(QPainter& painter, const QRectF& target) const override;
    NetLayout LayoutFor(const QRectF& target) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const AnalysisState& State() const { return model_.state(); }
    // A marker's size: `base` px of a 400 px net, grown with the target and
    // the text scale like the words beside it.
    double Marker(const QRectF& target, double base) const { return Unit(target, base) * TextScale(); }
    void RefreshField();
    // The plane normal to `line` on the net, kept for the planes last drawn:
    // the principal and user planes stay while the joint or the pressure
    // moves.
    NetPlane PlaneFor(const Vec3& line) const;
    void PaintField(QPainter& painter, const QRectF& target) const;
    void PaintFieldCached(QPainter& painter, const QRectF& target) const;
    void PaintLegend(QPainter& painter, const QRectF& target, const NetLayout& layout) const;
    // The joint's value in the field shown, or none; `opened` when sigma' < 0.
    std::optional<double> JointValue(bool* opened) const;
    bool ShowsOpened() const;
    // The layout with the legend's text at `factor` of its size.
    NetLayout LayoutAt(const QRectF& target, double factor, bool upright) const;
    void PlacePoles(NetLayout& layout, const QRectF& target) const;
    void PaintPrincipal(QPainter& painter, const QRectF& target, const NetLayout& layout) const;
    void PaintUser(QPainter& painter, const QRectF& target, const NetLayout& layout) const;
    void PaintJoint(QPainter& painter, const QRectF& target) const;
    void PaintPoles(QPainter& painter, const QRectF& target) const;
    void PaintDensity(QPainter& painter, const QRectF& target) const;
    void PaintSlip(QPainter& painter, const QRectF& target) const;
    void PaintArrows(QPainter& painter, const QRectF& target) const;
    void PaintFaultAxes(QPainter& painter, const QRectF& target) const;
    void PaintKey(QPainter& painter, const QRectF& target, const NetLayout& layout) const;
    void PaintInversion(QPainter& painter, const QRectF& target) const;
    // Where the key goes: the first corner of the target that leaves it
    // clear of the circle and of every other box.
    void PlaceKey(NetLayout& layout, const QRectF& target) const;
    void MoveTo(double dipDirection, double dip);

    const AnalysisModel& model_;
    NetLayers layers_;
    QString decimalSeparator_ = ".";
    FieldKind kind_ = FieldKind::None;
    StabilityField field_;
    GridStresses gridStresses_;  // kept while the stress stays: a pressure step only divides
    FieldInputs fieldInputs_;    // what the field was computed from
    int fieldComputations_ = 0;
    FieldPicture picture_;  // the field's bands, lines and opened region on the net
    std::function<void(double, double)> mover_;
    // The field as drawn on screen, kept while the field and the size stay:
    // a joint that moves repaints the net but not the field.
    struct FieldImageKey {
        int computation = -1;
        QSizeF size;
        double ratio = 0, textScale = 0;
        bool operator==(const FieldImageKey& o) const
        {
            return computation == o.computation && size == o.size && ratio == o.ratio &&
                   textScale == o.textScale;
        }
    };
    mutable std::vector<std::pair<Vec3, NetPlane>> planes_;
    PlaneSetDocument* planeSet_ = nullptr;
    // The poles on the net and their density, for the planes of one version.
    mutable std::vector<NetPoint> poles_;
    mutable int polesVersion_ = -1;
    // The poles where they were last drawn, kept while the planes and the
    // target stay: a step of the pore pressure recolours them, no more.
    mutable std::vector<QPointF> polesAt_;
    mutable QRectF polesTarget_;
    mutable int polesAtVersion_ = -1;
    // The planes with a rake on the net (directions of unit length, x East,
    // y North), for one version of the planes and, for the predicted slip,
    // one stress: a joint that moves repaints them without working them out.
    struct NetFault {
        int row = 0;
        NetPoint pole, observed;
        std::optional<NetPoint> predicted;
        NetPoint p, t;
    };
    const std::vector<NetFault>& Faults() const;
    // Where the pole of a plane lies on the net.
    static NetPoint PoleOnNet(const MeasuredPlane& plane);
    mutable std::vector<NetFault> faults_;
    mutable int faultsVersion_ = -1;
    mutable std::optional<StressState> faultsStress_;
    mutable int faultsComputations_ = 0;  // counts every change of faults_
    // The arrows as drawn on screen, kept while the faults, the selection,
    // the size and the ground stay: a joint that moves or a step of the pore
    // pressure repaints the net without drawing thousands of arrows again.
    struct SlipImageKey {
        int faults = -1;
        std::vector<int> selection;
        QSizeF size;
        double ratio = 0, textScale = 0;
        bool overField = false;
        bool operator==(const SlipImageKey& o) const
        {
            return faults == o.faults && selection == o.selection && size == o.size && ratio == o.ratio &&
                   textScale == o.textScale && overField == o.overField;
        }
    };
    mutable QImage slipImage_;
    mutable QPointF slipImageOffset_;  // of the image in the target
    mutable SlipImageKey slipImageKey_;
    mutable std::optional<PoleDensity> density_;
    mutable int densityVersion_ = -1;
    mutable QImage fieldImage_;
    mutable QPointF fieldImageOffset_;  // of the image in the target
    mutable FieldImageKey fieldImageKey_, fieldPaintedKey_;
    bool dragging_ = false;

    // The poles as dots, and what their picture depends on.
    struct PoleDots {
        std::vector<DotMark> marks;
        double radius = 0, ring = 0;
    };
    struct PolesKey {
        QRectF target;
        double ratio = 0, phi = 0, textScale = 0;
        int version = -1, planesVersion = -1;
        FieldKind kind = FieldKind::None;
        bool operator==(const PolesKey& o) const
        {
            return target == o.target && ratio == o.ratio && phi == o.phi && textScale == o.textScale &&
                   version == o.version && planesVersion == o.planesVersion && kind == o.kind;
        }
    };
    double PoleRadius(const QRectF& target) const;
    PoleDots PoleDotsIn(const QRectF& target) const;
    PolesKey PolesKeyFor(const QRectF& target, double ratio) const;
    // Starts the poles' picture for the net as it now stands on a worker,
    // while the window's thread updates the rest of the window.
    void PreparePoles();
    // The poles' picture for one key, made or in the making.
    mutable std::optional<PolesKey> preparedPolesKey_;
    mutable QFuture<DotLayer> preparedPoles_;
    // One worker of the net's own, so that no long task elsewhere keeps a
    // step waiting.
    QThreadPool worker_;
};

}  // namespace tensorium
