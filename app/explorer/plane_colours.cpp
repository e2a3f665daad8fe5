#include "app/explorer/plane_colours.h"

#include <map>
#include <string>

#include "app/explorer/colour_map.h"

namespace tensorium {

QColor SetColour(int index)
{
    // Okabe and Ito's eight colours, black last.
    static const QColor colours[] = {QColor(230, 159, 0),  QColor(86, 180, 233), QColor(0, 158, 115),
                                     QColor(213, 94, 0),   QColor(0, 114, 178),  QColor(204, 121, 167),
                                     QColor(240, 228, 66), QColor(0, 0, 0)};
    return colours[static_cast<size_t>(index) % 8];
}

const std::vector<QRgb>& PlaneColours(const PlaneSetDocument& planes, FieldKind field, double phiDegrees)
{
    // Only the window's thread paints.
    static struct {
        const PlaneSetDocument* planes = nullptr;
        int version = -1, planesVersion = -1;
        FieldKind field = FieldKind::None;
        double phi = 0;
        std::vector<QRgb> colours;
    } kept;
    if (kept.planes == &planes && kept.version == planes.Version() &&
        kept.planesVersion == planes.PlanesVersion() && kept.field == field && kept.phi == phiDegrees)
        return kept.colours;
    kept.planes = &planes;
    kept.version = planes.Version();
    kept.planesVersion = planes.PlanesVersion();
    kept.field = field;
    kept.phi = phiDegrees;
    const PlaneSet& set = planes.Planes();
    const std::vector<PlaneOutcome>& outcomes = planes.Outcomes();
    std::vector<QRgb>& colours = kept.colours;
    colours.assign(set.size(), 0);
    if (field == FieldKind::None) {
        std::map<std::string, int> sets;
        for (size_t k = 0; k < set.size(); ++k) {
            const auto found = sets.emplace(set[k].set, static_cast<int>(sets.size())).first;
            colours[k] = SetColour(found->second).rgb();
        }
        return colours;
    }
    const ValueRange range = FieldRange(field, phiDegrees);
    const QRgb opened = OpenedColour().rgb(), none = qRgb(150, 150, 150);
    for (size_t k = 0; k < set.size(); ++k) {
        const PlaneStability& s = outcomes[k].stability;
        if (s.sigmaEff < 0) {
            colours[k] = opened;
            continue;
        }
        const std::optional<double>& value = field == FieldKind::SlipTendency       ? s.slipTendency
                                             : field == FieldKind::DilationTendency ? s.dilationTendency
                                                                                    : s.safetyFactor;
        colours[k] = value ? MapRgb(Closeness(field, range, *value)) : none;
    }
    return colours;
}

}  // namespace tensorium
