#include "core/plane_csv_writer.h"

#include <charconv>

namespace tensorium {

void AppendCsvField(std::string& out, const std::string& text)
{
    bool quote = text.find_first_of(",\"\r\n") != std::string::npos;
    if (!text.empty()) {
        const char first = text.front(), last = text.back();
        quote = quote || first == ' ' || first == '\t' || first == '#' || last == ' ' || last == '\t';
    }
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

namespace {

void AppendNumber(std::string& out, double value)
{
    char buffer[32];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, result.ptr);
}

void AppendOptional(std::string& out, const std::optional<double>& value)
{
    out += ',';
    if (value) AppendNumber(out, *value);
}

}  // namespace

std::string PlaneCsv(const std::vector<PlaneCsvRow>& rows)
{
    std::string out =
        "name,dip_direction,dip,set,sigma_n,tau,sigma_n_eff,slip_tendency,dilation_tendency,safety_factor,"
        "dp_crit,critical,rake,predicted_rake,misfit\r\n";
    for (const PlaneCsvRow& row : rows) {
        AppendCsvField(out, row.plane.name);
        out += ',';
        AppendNumber(out, row.plane.dipDirection);
        out += ',';
        AppendNumber(out, row.plane.dip);
        out += ',';
        AppendCsvField(out, row.plane.set);
        for (const auto* value : {&row.sigmaN, &row.tau, &row.sigmaNEff, &row.slipTendency,
                                  &row.dilationTendency, &row.safetyFactor, &row.dpCrit})
            AppendOptional(out, *value);
        out += row.critical ? ",yes" : ",no";
        for (const auto* value : {&row.plane.rake, &row.predictedRake, &row.misfit})
            AppendOptional(out, *value);
        out += "\r\n";
    }
    return out;
}

}  // namespace tensorium
