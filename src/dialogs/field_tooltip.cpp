// SPDX-License-Identifier: Apache-2.0
#include "dialogs/field_tooltip.h"

#include "case/number_text.h"
#include "case/typical_ranges.h"

#include <algorithm>
#include <iterator>

namespace korvanex {

namespace {

struct Meaning {
    Field field;
    const char* text;
};

constexpr Meaning Meanings[] = {
    {Field::P, "Axle load P: the whole axle, or for a tandem or tridem gear the whole axle group (all its "
               "axles together). Half of it bears on each side of the axle, shared equally by the tires of "
               "that side."},
    {Field::tp, "Tire pressure p: the contact pressure of every tire. With the load it gives the radius a "
                "of each tire's circular contact area."},
    {Field::S, "Spacing in dual wheels s: between the centres of the two tires of a dual wheel."},
    {Field::t, "Longitudinal wheel spacing t: between the centres of two neighbouring axles of a tandem or "
               "tridem group, along the traffic."},
    {Field::d, "Transverse wheel spacing d: between the centres of the wheels (or dual wheels) at the two "
               "ends of the axle, across the traffic."},
    {Field::h1, "Slab thickness h1: the concrete slab, the pavement's first layer."},
    {Field::h2, "Second layer thickness h2: the layer under the slab of a two-layer pavement."},
    {Field::E1, "Slab modulus E1: the elastic modulus of the slab's concrete."},
    {Field::E2, "Second layer modulus E2: the elastic modulus of the layer under the slab."},
    {Field::mu1, "Poisson ratio μ1 of the slab's concrete."},
    {Field::r1, "Unit weight γ1 of the slab's concrete: its own weight holds a curled slab down."},
    {Field::L, "Slab length L: the joint spacing along the traffic."},
    {Field::W, "Slab width W: across the traffic, from the longitudinal joint to the outer edge."},
    {Field::k, "Modulus of subgrade reaction k: the support under the slab, as a dense liquid (pressure "
               "per deflection)."},
    {Field::AGG, "Tied concrete shoulder AGG: the shear stiffness of the tied joint between slab and "
                 "shoulder, per length of joint; AGG/kl compares it with the subgrade."},
    {Field::d0, "Widened outer lane D0: the width the outer lane is widened by; the outer wheels run D0 "
                "inside the slab's outer edge."},
    {Field::F, "Critical temperature differential ΔT: the temperature of the slab's top minus that of its "
               "bottom, taken as varying linearly through the thickness."},
    {Field::alp, "Thermal coefficient α: the coefficient of thermal expansion of the slab's concrete."},
    {Field::mu2, "Poisson ratio μ2 of the second layer."},
    {Field::r2, "Unit weight γ2 of the second layer."},
};

// The unit in the parentheses that end a caption: "psi" of "Slab (1st Layer) Modulus, E1 (psi)".
QString unitOf(const QString& caption) {
    const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
    return open >= 0 && caption.endsWith(QLatin1Char(')')) ? caption.mid(open + 1, caption.size() - open - 2)
                                                           : QString();
}

QString bound(float value) {
    return QString::fromStdString(boundText(value)).trimmed();
}

} // namespace

// Rich text, so that the tooltip wraps its lines: the meaning, then the unit and the range.
QString fieldToolTip(const AnalysisCase& record, Field field) {
    const auto meaning = std::find_if(std::begin(Meanings), std::end(Meanings),
                                      [field](const Meaning& entry) { return entry.field == field; });
    const QString unit = unitOf(QString::fromStdString(record.caption(field)));
    QString tip =
        QStringLiteral("<p>") + QString::fromUtf8(meaning->text).toHtmlEscaped() + QStringLiteral("</p><p>") +
        (unit.isEmpty() ? QStringLiteral("No unit.") : QStringLiteral("Unit: %1.").arg(unit.toHtmlEscaped()));
    if (const std::optional<TypicalRange> range = typicalRange(field, record.units)) {
        tip += QStringLiteral("<br>Typical range: %1 to %2%3.")
                   .arg(bound(range->minimum), bound(range->maximum),
                        unit.isEmpty() ? QString() : QLatin1Char(' ') + unit.toHtmlEscaped());
    }
    return tip + QStringLiteral("</p>");
}

} // namespace korvanex
