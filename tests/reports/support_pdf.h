// Reading exported or printed PDF files back with the poppler tools.
#pragma once

#include <QString>

namespace velkor::testing {

// The text of a PDF file as pdftotext lays it out; empty when the tool is missing.
QString PdfText(const QString& fileName, bool layout = true);
// The page count of a PDF file as pdfinfo reports it; -1 when it cannot be read.
int PdfPages(const QString& fileName);
// True when pdftotext and pdfinfo can be run.
bool PopplerAvailable();

} // namespace velkor::testing
