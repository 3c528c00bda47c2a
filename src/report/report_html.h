#pragma once

#include "report/report_content.h"

#include <string>
#include <string_view>

// The report as one self-contained HTML page: its pictures embedded as base64 PNG, its style
// inline, with a print style sheet (no navigation, pictures kept whole on a page).
namespace kelvane {

// The text with &, <, >, " and ' written as entities.
std::string htmlEscaped(std::string_view text);

std::string reportHtml(const ReportContent& content);

} // namespace kelvane
