#include "report/report_html.h"

#include "report/base64.h"

namespace kelvane {
namespace {

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em auto; max-width: 60em; color: #111; line-height: 1.4; }
h1 { border-bottom: 2px solid #333; padding-bottom: .2em; }
h2 { margin-top: 1.8em; border-bottom: 1px solid #999; }
nav a { margin-right: 1em; }
table { border-collapse: collapse; margin: .5em 0; }
td, th { border: 1px solid #bbb; padding: .15em .6em; text-align: left; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
figure { margin: 1em 0; }
figure img { max-width: 100%; border: 1px solid #ccc; }
figcaption { font-style: italic; }
.missing { color: #777; font-style: italic; }
pre { background: #f4f4f4; padding: .5em; white-space: pre-wrap; }
@media print {
  body { margin: 0; max-width: none; font-size: 10pt; }
  nav { display: none; }
  h2 { page-break-after: avoid; }
  figure, table { page-break-inside: avoid; }
  a { color: inherit; text-decoration: none; }
}
</style>
)";

void appendTable(std::string& html, const NameValues& rows) {
    html += "<table>\n";
    for (const auto& [name, value] : rows)
        html += "<tr><th>" + htmlEscaped(name) + "</th><td class=\"number\">" + htmlEscaped(value) +
                "</td></tr>\n";
    html += "</table>\n";
}

void appendPicture(std::string& html, const ReportPicture& picture) {
    html += "<figure><img alt=\"" + htmlEscaped(picture.caption) + "\" src=\"data:image/png;base64,";
    html += base64Encode(picture.png);
    html += "\"><figcaption>" + htmlEscaped(picture.caption) + "</figcaption></figure>\n";
}

void appendMissing(std::string& html, const std::string& text) {
    html += "<p class=\"missing\">" + htmlEscaped(text) + "</p>\n";
}

void appendDrifts(std::string& html, const std::optional<DriftSection>& drifts) {
    html += "<h2 id=\"drifts\">Storey drifts and target displacement</h2>\n";
    if (!drifts) {
        appendMissing(html, "No storey drift profile or target displacement was computed for this run.");
        return;
    }
    if (!drifts->storeys.empty()) {
        html += "<table>\n";
        for (std::size_t row = 0; row < drifts->storeys.size(); ++row) {
            html += "<tr>";
            for (const std::string& cell : drifts->storeys[row])
                html += (row == 0 ? "<th>" : "<td class=\"number\">") + htmlEscaped(cell) +
                        (row == 0 ? "</th>" : "</td>");
            html += "</tr>\n";
        }
        html += "</table>\n";
    }
    if (!drifts->target.empty())
        appendTable(html, drifts->target);
    if (drifts->picture)
        appendPicture(html, *drifts->picture);
}

} // namespace

std::string htmlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string reportHtml(const ReportContent& content) {
    const std::string title = "Kelvane report: " + content.title;
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"iso-8859-1\">\n<title>" +
                       htmlEscaped(title) + "</title>\n" + kStyle + "</head>\n<body>\n";
    html += "<h1>" + htmlEscaped(title) + "</h1>\n";
    if (!content.resultsFolder.empty())
        html += "<p>Results: <code>" + htmlEscaped(content.resultsFolder) + "</code></p>\n";
    html += "<nav><a href=\"#model\">Model</a><a href=\"#settings\">Analysis settings</a><a "
            "href=\"#curves\">Curves</a><a href=\"#damage\">Damage</a><a href=\"#drifts\">Drifts</a></nav>\n";

    html += "<h2 id=\"model\">Model</h2>\n";
    appendTable(html, content.modelSummary);
    if (!content.importReport.empty()) {
        html += "<pre>";
        for (const std::string& line : content.importReport)
            html += htmlEscaped(line) + "\n";
        html += "</pre>\n";
    }

    html += "<h2 id=\"settings\">Analysis settings</h2>\n";
    appendTable(html, content.analysisSettings);

    html += "<h2 id=\"curves\">Curves</h2>\n";
    if (content.curves.empty())
        appendMissing(html, "No curve could be drawn from the results.");
    for (const ReportPicture& curve : content.curves)
        appendPicture(html, curve);

    html += "<h2 id=\"damage\">Damage</h2>\n";
    if (!content.damage) {
        appendMissing(html, "No damage was read: the run recorded no fiber strains.");
    } else {
        if (content.damage->picture)
            appendPicture(html, *content.damage->picture);
        appendTable(html, content.damage->counts);
        html += "<p>Strain limits:</p>\n";
        appendTable(html, content.damage->limits);
    }

    appendDrifts(html, content.drifts);

    if (!content.notes.empty()) {
        html += "<h2 id=\"notes\">Notes</h2>\n<ul>\n";
        for (const std::string& note : content.notes)
            html += "<li>" + htmlEscaped(note) + "</li>\n";
        html += "</ul>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace kelvane
