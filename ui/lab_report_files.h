// «Файл → Сохранить для отчёта…» and ovrelan --report: everything a lab report needs in one
// place. A folder: the report as a page (otchet.html, with the pictures) and as text
// (otchet.txt), every picture as an SVG, the results as a CSV table. Or one A4 PDF, the pictures
// in vectors and its pages numbered, with the CSV table beside it (same name, .csv).
#pragma once

#include "graphs/graph_export.h"
#include "io/lab_report.h"
#include "model/simulation_state.h"

#include <QString>

#include <vector>

namespace ovrelan {

class GraphView;

// A picture of the report and what the report says of it.
struct ReportFigure {
    Picture picture;
    ReportPicture about;
    double aspect = 0.5; // its height for its width on the page
};

// A graph as the report shows it: its picture, its markers' read-out, its other curves.
ReportFigure graph_figure(GraphView& view);
// The resonance curve's or the vector diagram's picture.
ReportFigure picture_figure(const Picture& picture, double aspect);

// Whether the path asks for a PDF (its extension .pdf in any case) rather than a folder.
bool is_pdf_path(const QString& path);

// The report written to a folder or a PDF (and its CSV), in the language of the windows with its
// numbers (platform/locale.h); false with the reason.
bool write_lab_report(const SimulationState& state, const std::vector<ReportFigure>& figures,
                      const QString& path, QString* error);

} // namespace ovrelan
