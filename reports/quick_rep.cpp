#include "quick_rep.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>

namespace velkor::reports {

namespace {

// Copies the choices a print dialog can change from one printer to another.
void CopyChoices(const QPrinter& from, QPrinter& to) {
    to.setOutputFormat(from.outputFormat());
    if (from.outputFormat() == QPrinter::NativeFormat)
        to.setPrinterName(from.printerName());
    to.setOutputFileName(from.outputFileName());
    to.setCopyCount(from.copyCount());
    to.setPageOrientation(from.pageLayout().orientation());
    to.setPrintRange(from.printRange());
    to.setFromTo(from.fromPage(), from.toPage());
}

} // namespace

QRBand::QRBand(QObject* report, const QString& name, QRectF rect) : QRElement(report, name, rect) {}

void QRBand::Paint(QPainter& painter, QPaintDevice*, const DeviceScale& scale) const {
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, scale.X(0.26))); // mm
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(scale.X(rect_.left()), scale.X(rect_.top()), scale.X(rect_.width()),
                            scale.X(rect_.height())));
    painter.restore();
}

bool PrinterUsable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !QPrinterInfo::availablePrinters().isEmpty() && printer.isValid();
}

TQuickRep::TQuickRep(QObject* form, double bandHeight)
    : QObject(form), band_(new QRBand(this, "QRBand1", QRectF(0, 0, kBandWidth, bandHeight))) {
    setObjectName("QuickRep1");
}

TQuickRep::~TQuickRep() = default;

QPrinter& TQuickRep::PrinterMadeOnce() const {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The page set-up: A4 portrait, 10 mm margins, one copy, all pages.
        printer_->setPageLayout(PageLayout());
        printer_->setCopyCount(1);
        printer_->setDuplex(QPrinter::DuplexNone);
        printer_->setPaperSource(QPrinter::Auto);
        printer_->setPrintRange(QPrinter::AllPages);
        printer_->setFromTo(0, 0);
    }
    return *printer_;
}

QPageLayout TQuickRep::PageLayout() const {
    const auto orientation =
        printer_ ? printer_->pageLayout().orientation() : QPageLayout::Portrait;
    return QPageLayout(QPageSize(QPageSize::A4), orientation,
                       QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter);
}

namespace {

constexpr double kValueGap = 1.0;   // mm, kept free before the next thing on a value's line
constexpr double kFrameInset = 0.8; // mm, kept free inside the outline a value stands in

// Where an element stands on the page for the boxes of its neighbours, mm; empty for an
// element that paints nothing.
QRectF Extent(const QRElement* element, QPaintDevice* device) {
    if (const auto* label = qobject_cast<const QRLabel*>(element)) {
        if (label->Text().isEmpty())
            return {};
        if (label->Alignment() == QRLabel::Align::Centre)
            return label->PrintedRect(device);
        // A left-aligned label from its left edge, on its line's height.
        const QRectF rect = label->Rect();
        return {rect.left(), rect.top(), std::max(rect.width(), 0.01), rect.height()};
    }
    if (const auto* image = qobject_cast<const QRImage*>(element))
        return image->PrintedRect();
    return element->Rect();
}

} // namespace

void TQuickRep::PlaceValueBoxes(QPaintDevice* device) const {
    QList<std::pair<const QRElement*, QRectF>> extents; // mm
    for (QObject* child : children()) {
        const auto* element = qobject_cast<const QRElement*>(child);
        if (element && element != band_)
            extents.append({element, Extent(element, device)});
    }
    for (QObject* child : children()) {
        auto* label = qobject_cast<QRLabel*>(child);
        if (!label || !label->IsValue())
            continue;
        const QRectF own = label->Rect();
        const double height = std::max(own.height(), QFontMetricsF(label->Font(), device).height() /
                                                         (device->logicalDpiY() / 25.4)); // mm
        const double top = own.top();
        double right = band_->Rect().right() - kFrameInset; // mm
        for (const auto& [element, extent] : extents) {
            if (element == label || extent.isNull())
                continue;
            const bool sameLine = extent.top() < top + height && extent.bottom() > top;
            if (qobject_cast<const QRShape*>(element) && extent.contains(own.topLeft()))
                right = std::min(right, extent.right() - kFrameInset); // the box it stands in
            else if (sameLine && extent.left() > own.left())
                right = std::min(right, extent.left() - kValueGap);
        }
        label->SetBox(QRectF(own.left(), top, std::max(0.0, right - own.left()), height));
    }
}

void TQuickRep::Render(QPainter& painter, QPaintDevice* device) const {
    PlaceValueBoxes(device);
    const DeviceScale scale{device->logicalDpiX() / 25.4};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (QObject* child : children()) {
        if (auto* element = qobject_cast<QRElement*>(child))
            element->Paint(painter, device, scale);
    }
    painter.restore();
}

void TQuickRep::ApplySetup(const QPrinter& chosen) {
    CopyChoices(chosen, Printer());
}

bool TQuickRep::Usable() const {
    return PrinterUsable(Printer());
}

void TQuickRep::RenderPages(QPrinter& printer) {
    laidOut_ = true;
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    Render(painter, &printer);
}

int TQuickRep::Print(QWidget* parent) {
    if (!Usable())
        return 0;
    QPrinter& printer = Printer();
    // A one-page report: a range that starts after page 1 leaves nothing to print.
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 1)
        return 0;
    printer.setPageLayout(PageLayout());
    // A file output makes its copies itself; a system printer receives the count.
    const bool ownCopies = printer.outputFormat() == QPrinter::PdfFormat;
    const int pages = ownCopies ? std::max(1, printer.copyCount()) : 1;

    // A printer that refuses the job (a file that cannot be written) shows nothing either.
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    laidOut_ = true;
    QProgressDialog progress(QObject::tr("Stampa in corso..."), QString(), 0, pages, parent);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        Render(painter, &printer);
        progress.setValue(page + 1);
    }
    painter.end();
    return pages;
}

void TQuickRep::Preview(QWidget* parent) {
    QPrinter& printer = Printer();
    printer.setPageLayout(PageLayout());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    // Room for the whole width of the page at 100 %, within the screen.
    QSize size(900, 1000); // pixels
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    dialog.resize(size);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { RenderPages(*printer); });
    // Zoom 100 %.
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    dialog.exec();
}

void TQuickRep::PrinterSetup(QWidget* parent) {
    QPrinter chosen(QPrinter::HighResolution);
    CopyChoices(Printer(), chosen);
    QPrintDialog dialog(&chosen, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (laidOut_) {
        // Laid out: the range runs over the laid-out page and is preselected.
        dialog.setMinMax(1, 1);
        chosen.setPrintRange(QPrinter::PageRange);
        chosen.setFromTo(1, 1);
    } else {
        dialog.setMinMax(0, 9999);
    }
    // The dialog keeps the choices and prints nothing: its confirming button says "OK", not
    // "Stampa".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    if (dialog.exec() == QDialog::Accepted)
        ApplySetup(chosen);
}

bool TQuickRep::exportPdf(const QString& fileName) {
    QPdfWriter writer(fileName);
    writer.setPageLayout(PageLayout());
    writer.setResolution(1200);
    writer.setCreator("Velkor");
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    laidOut_ = true;
    Render(painter, &writer);
    return painter.end();
}

} // namespace velkor::reports
