// Reading back the page sizes of a PDF file the report wrote.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

// Each page's size in points as "WIDTHxHEIGHT", in the order the pages come in the file.
QStringList PdfPageSizes(const QString& path);
QStringList PdfPageSizesOf(const std::string& pdf);

// The sizes of the ten report pages: pages 4 and 9 landscape, the rest portrait.
QStringList ReportPageSizes();
