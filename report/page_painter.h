// The page painter: draws one report page at its true size on any QPainter (preview,
// printer, PDF, image).
#pragma once

#include <QPageLayout>
#include <QPainter>

#include "report/report_page.h"

// A4 in the page's orientation, the whole sheet as the paint area: the painter's origin
// is then the sheet's top-left corner, as the page model expects.
QPageLayout ReportPageLayout(const ReportPage& page);

// Paints the page with its origin at the sheet's top-left corner, scaled by the device's
// resolution so that the page keeps its size in millimetres.
void PaintReportPage(QPainter& painter, const ReportPage& page);
