// TQuickRep: a one-page banded report. It owns the page set-up (A4 portrait, 10 mm margins,
// zoom 100 %, one copy, report font Arial 10 pt), one white outlined title band `QRBand1` and
// the elements laid on it, and the printer its choices are kept in. The same paint path
// serves printing, the preview and the PDF export.
#pragma once

#include "report_elements.h"

#include <QObject>
#include <QPageLayout>
#include <QPrinter>
#include <memory>

class QWidget;

namespace velkor::reports {

// The band: white, outlined on all four sides.
class QRBand : public QRElement {
    Q_OBJECT
public:
    QRBand(QObject* report, const QString& name, QRectF rect);
    void Paint(QPainter& painter, QPaintDevice* device, const DeviceScale& scale) const override;
};

class TQuickRep : public QObject {
    Q_OBJECT
public:
    // A report whose band is 190 mm wide and `bandHeight` mm high.
    TQuickRep(QObject* form, double bandHeight);
    ~TQuickRep() override;

    static constexpr double kMargin = 10.0;       // mm, each side
    static constexpr double kBandWidth = 190.0;   // mm
    static constexpr double kReportFontSize = 10; // pt, Arial

    QRBand* Band() const { return band_; }
    // A font of the layout, its family resolved once for this report.
    QFont Font(const QString& family, double points, bool bold = false) {
        return fonts_.Font(family, points, bold);
    }
    QFont ReportFontDefault() { return Font("Arial", kReportFontSize); }

    // The printer this report prints to, with the choices of its set-up. It is made at its
    // first use, since making one loads the system's printing support.
    QPrinter& Printer() { return PrinterMadeOnce(); }
    const QPrinter& Printer() const { return PrinterMadeOnce(); }
    // Keeps the choices of a print dialog's OK: copies, printer, orientation, page range.
    void ApplySetup(const QPrinter& chosen);
    // True once the report has been laid out on a page (printed, previewed or exported).
    bool LaidOut() const { return laidOut_; }

    // The page layout: A4, the kept orientation, 10 mm margins.
    QPageLayout PageLayout() const;
    // Paints the page: the band, then every element in creation order, each value label
    // fitted to its box. The painter's origin is the top-left corner of the printable area
    // (inside the margins).
    void Render(QPainter& painter, QPaintDevice* device) const;
    // Measures the box of every value label for the texts it holds now: from its left edge
    // to the nearest thing on its line to the right (a caption, value, picture, memo or box
    // edge, 1 mm before it) or the right edge of the box it stands in.
    void PlaceValueBoxes(QPaintDevice* device) const;

    // Prints to the report's printer without a dialog, with a progress window. A printer that
    // cannot print (none installed, invalid, or a file output without a file) prints nothing
    // and shows nothing. Returns the number of pages sent.
    int Print(QWidget* parent);
    // The modal print preview.
    void Preview(QWidget* parent);
    // The print dialog, its confirming button captioned "OK": OK keeps its choices, Cancel
    // changes nothing.
    void PrinterSetup(QWidget* parent);

    // Renders the page to a PDF file without any dialog. False when the file cannot be written.
    Q_INVOKABLE bool exportPdf(const QString& fileName);

private:
    bool Usable() const;
    void RenderPages(QPrinter& printer);
    QPrinter& PrinterMadeOnce() const;

    QRBand* band_;
    ReportFonts fonts_;
    mutable std::unique_ptr<QPrinter> printer_; // made at its first use
    bool laidOut_ = false;
};

// True when the printer can take a job: a file output with a file name, or an installed,
// valid printer.
bool PrinterUsable(const QPrinter& printer);

} // namespace velkor::reports
