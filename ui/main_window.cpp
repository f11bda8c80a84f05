#include "main_window.h"

#include "cell_edit_delegate.h"
#include "closed_core.h"
#include "faults.h"
#include "ferrite.h"
#include "field_table.h"
#include "flyback.h"
#include "gapped_inductor.h"
#include "indicators.h"
#include "library_dialog.h"
#include "library_source.h"
#include "looks.h"
#include "mains_secondaries.h"
#include "manual_loader.h"
#include "name_picker.h"
#include "part_apply.h"
#include "part_pickers.h"
#include "picture.h"
#include "report_commands.h"
#include "report_forms.h"
#include "resonance.h"
#include "single_layer.h"
#include "transfers.h"
#include "widget_page.h"
#include "wire_current.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

#include <vector>

namespace {

constexpr int kClientWidth = 692;                // px
constexpr int kClientHeight = 606;               // px; the ferrite page's losses took 80 px more
constexpr int kPagesHeight = kClientHeight - 35; // px, PageControl1 above the bottom bar
constexpr velkor::Colour kNavy = velkor::Colour::Rgb(0, 0, 128);
constexpr const char* kPrintHint = "Stampa un report relativo alla pagina visualizzata.";
constexpr const char* kPdfHint = "Salva il rapporto della pagina in un file PDF";

struct PageSpec {
    const char* name;
    const char* caption;
    void (*build)(QWidget*);
};

// PageControl1, in index order (the index picks the report to print).
constexpr PageSpec kPages[] = {
    {"TabSheet2", " Induttanze ", velkor::ui::BuildInductorPage},
    {"TabSheet1", " Trasformatori ferrite ", velkor::ui::BuildFerritePage},
    {"TabSheet6", " Trasformatori di alimentazione ", velkor::ui::BuildMainsPage},
    {"TabSheet4", "Documentazione", velkor::ui::BuildManualPage},
    {"TabSheet8", " Flyback ", velkor::ui::BuildFlybackPage},
};

struct BottomButton {
    const char* name;
    const char* caption;
    int x; // px
    const char* icon;
    const char* hint;
    const char* keys;    // the shortcut that clicks it (QKeySequence text), "" for none
    const char* keyName; // the shortcut as its hint names it
};

constexpr BottomButton kBottomButtons[] = {
    {"SBPRINT", "Stampa", 15, "btn_print.svg", kPrintHint, "Ctrl+P", "Ctrl+P"},
    {"SBPREVIEW", "Preview", 125, "btn_preview.svg", kPrintHint, "Ctrl+Shift+P", "Ctrl+Maiusc+P"},
    {"SBPRINTSETUP", "Setup", 235, "btn_setup.svg", kPrintHint, "", ""},
    {"SBPDF", "PDF", 345, "btn_pdf.svg", kPdfHint, "Ctrl+E", "Ctrl+E"},
    {"SBEXIT", "USCITA", 575, "btn_exit.svg", kPrintHint, "", ""},
};
constexpr int kBottomRow = kPagesHeight + 4; // px from the top of the client area
constexpr int kHintsX = 457;                 // px, the hints switch between "PDF" and "USCITA"

// The "Calcola" button of each page: F9 and Ctrl+Return click the one of the page shown.
// `page` is PageControl1's index, `subPage` PageControl2's (on the inductor page), -1 for any.
struct PageCalculation {
    int page;
    int subPage;
    const char* button;
};
constexpr PageCalculation kPageCalculations[] = {
    {0, 2, "SBCALCGAP"},
    {1, -1, "SBCALC"},
    {2, -1, "SBTACALC"},
    {4, -1, "SBCALCFB"},
};
constexpr const char* kCalculationKeys[] = {"F9", "Ctrl+Return", "Ctrl+Enter"};
constexpr const char* kCalculationKeyNames = "F9 o Ctrl+Invio";

struct Binding {
    const char* control;
    void (*handler)(velkor::Page&);
};

// Buttons whose click runs a calculation on the fields.
constexpr Binding kClicks[] = {
    {"SBCFR", velkor::SBCFRClick},
    {"SBCCR", velkor::SBCCRClick},
    {"SBCIR", velkor::SBCIRClick},
    {"SBCXC", velkor::SBCXCClick},
    {"SBCXL", velkor::SBCXLClick},
    {"SBCFXC", velkor::SBCFXCClick},
    {"SBCFXL", velkor::SBCFXLClick},
    {"SBCCXC", velkor::SBCCXCClick},
    {"SBCIXL", velkor::SBCIXLClick},
    {"SBPASSAIR", velkor::SBPASSAIRClick},
    {"SBPASSAISS", velkor::SBPASSAISSClick},
    {"SBPASSAINUC", velkor::SBPASSAINUCClick},
    {"SBCN", velkor::SBCNClick},
    {"SBDC", velkor::SBDCClick},
    {"SBDF", velkor::SBDFClick},
    {"SBCISS", velkor::SBCISSClick},
    {"SBCMESS", velkor::SBCMESSClick},
    {"SBCDSS", velkor::SBCDSSClick},
    {"SBCLSS", velkor::SBCLSSClick},
    {"SBCNSSS", velkor::SBCNSSSClick},
    {"SBCINUC", velkor::SBCINUCClick},
    {"SBCALNUC", velkor::SBCALNUCClick},
    {"SBCNSNUC", velkor::SBCNSNUCClick},
    {"SBALTRONUC", velkor::SBALTRONUCClick},
    {"SBCALCGAP", velkor::SBCALCGAPClick},
    {"SBCALC", velkor::SBCALCClick},
    {"SBCALCFB", velkor::SBCALCFBClick},
    {"SBTACPTOT", velkor::SBTACPTOTClick},
    {"SBCLEARCART", velkor::SBCLEARCARTClick},
};

// Check boxes and radio buttons whose click runs a handler (also a click on the radio button
// already selected; the handlers read the buttons' states).
constexpr Binding kChoices[] = {
    {"RBC1NUC", velkor::RBC2NUCClick},       {"RBC2NUC", velkor::RBC2NUCClick},
    {"RBTASING", velkor::RBTASINGClick},     {"RBTADOPPIO", velkor::RBTASINGClick},
    {"CBAUTOCART", velkor::CBAUTOCARTClick},
};

// Core and material name fields that pick parts from the library: one line per page, naming
// the fields applying a part writes (part_apply.h).
constexpr velkor::PartFields kPartPickers[] = {
    velkor::kFerriteParts,
    velkor::kGappedParts,
    velkor::kFlybackParts,
};

const char* const kInputHeader[] = {"Vs volt", "Is amp", "Ps VA"};
const char* const kOutputHeader[] = {"Vs (V)",  "Is (A)", "Spire",  "Ø filo",
                                     "passate", "metri",  "grammi", "ohm"};

// The stored layout hides the second picture of each bobbin pair.
void HideSecondPictures(QWidget* scope) {
    for (const char* name : {"IMG2", "TAIMG2"})
        if (auto* picture = scope->findChild<QWidget*>(name))
            picture->hide();
}

void WriteHeader(QTableWidget* grid, std::span<const char* const> captions) {
    if (!grid)
        return;
    for (int column = 0; column < static_cast<int>(captions.size()); ++column)
        if (QTableWidgetItem* cell = grid->item(0, column))
            cell->setText(QString::fromUtf8(captions[column]));
}

} // namespace

TForm1::TForm1(QWidget* parent, Start start)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("Form1");
    setWindowTitle("Velkor - Orvane 2004 - v 1.0");
    setFixedSize(kClientWidth, kClientHeight);

    // "MS Sans Serif" 8 pt where it exists, else a font of the same metrics; navy text.
    QFont font;
    // Asking only for a family that exists spares a failed match for every font of the window.
    const QString windows = QStringLiteral("MS Sans Serif");
    font.setFamilies(QFontDatabase::hasFamily(windows)
                         ? QStringList{windows, QStringLiteral("Liberation Sans")}
                         : QStringList{QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    // Shaped as Qt shapes it: kerned pairs ("Vo", "AW", the tab captions) sit as the font
    // draws them.
    setFont(font);
    velkor::ui::SetForeground(this, QPalette::WindowText, kNavy);
    velkor::ui::SetForeground(this, QPalette::ButtonText, kNavy);
    velkor::ui::SetReadableSelection(this);

    BuildFrame();
    BuildBottomBar();
    BindShortcuts();
    library_ = std::make_unique<velkor::ui::LibrarySource>();
    page_ = std::make_unique<velkor::ui::WidgetPage>(this);
    page_->SetLibrarySource([source = library_.get()] { return source->Get(); });

    // The stored layout: the ferrite page and the closed-core sub-page active, the second
    // picture of each bobbin pair hidden. FormCreate then sets the start-up state. The pages
    // built later get the same steps when they are built.
    pageControl1_->setCurrentIndex(1);
    pageControl2_->setCurrentIndex(1);
    HideSecondPictures(this);

    FormCreate();
    BindHandlers(this);
    NameCalculationKeys(this);
    connect(hints_, &QCheckBox::toggled, this, &TForm1::CBHINTSClick);
    // A page chosen before it is built is built on the spot.
    connect(pageControl1_, &QTabWidget::currentChanged, this, &TForm1::CompleteBuild);
    if (pageControl2_)
        connect(pageControl2_, &QTabWidget::currentChanged, this, &TForm1::CompleteBuild);

    pending_ = true;
    if (start == Start::Whole)
        BuildPages();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() {
    // Hiding takes the focus from an open cell editor, which then commits its text while the
    // fields and the secondaries table are still here. After that no control may reach a
    // handler: the signals into this window are cut, the calculations' view goes, and the
    // pages are deleted now, while the members the handlers use still exist.
    hide();
    delete formLib_; // its adviser's thread reads the library, deleted with the members
    formLib_ = nullptr;
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    page_.reset();
    delete pageControl1_;
    pageControl1_ = nullptr;
    pageControl2_ = nullptr;
}

bool TForm1::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // A new application palette (the desktop switched theme): once the controls have taken it,
    // every look is shown again in it.
    if (event->type() == QEvent::ApplicationPaletteChange)
        velkor::ui::RefreshLooks(this);
    return handled;
}

velkor::Page& TForm1::Fields() {
    return *page_;
}

bool TForm1::LibraryRead() const {
    return library_ && library_->Read();
}

QString TForm1::secondaryText(int column, int row) const {
    if (column < 0 || column > 1 || row < 0 || row > 6)
        return {};
    return QString::fromStdString(secondaries_.At(column, row));
}

void TForm1::BuildFrame() {
    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName("PageControl1");
    pageControl1_->setGeometry(0, 0, kClientWidth, kPagesHeight);
    QFont bold = font();
    bold.setBold(true);
    pageControl1_->tabBar()->setFont(bold);

    // Every tab is there from the start; only the first page's controls are built now.
    for (const PageSpec& entry : kPages) {
        auto* page = new QWidget;
        page->setObjectName(entry.name);
        // Labels and fields inside the pages use the normal window-text colour.
        velkor::ui::SetForeground(page, QPalette::WindowText, velkor::kSystemWindowText);
        pageControl1_->addTab(page, entry.caption);
    }
    kPages[0].build(pageControl1_->widget(0));
    pageControl2_ = findChild<QTabWidget*>("PageControl2");
}

void TForm1::BuildPages() {
    pending_ = false;
    // The parts not seen at the first paint: the closed-core and gapped-core sub-pages, then
    // pages 1 to 3.
    std::vector<std::pair<QWidget*, void (*)(QWidget*)>> parts;
    if (pageControl2_) {
        parts.emplace_back(pageControl2_->widget(1), velkor::ui::BuildClosedCoreSubPage);
        parts.emplace_back(pageControl2_->widget(2), velkor::ui::BuildGappedSubPage);
    }
    for (int index = 1; index < static_cast<int>(std::size(kPages)); ++index)
        parts.emplace_back(pageControl1_->widget(index), kPages[index].build);
    for (const auto& [part, build] : parts) {
        // Controls made inside a page already shown would stay hidden: the page is hidden
        // while it is built.
        const bool shown = part->isVisible();
        if (shown)
            part->hide();
        build(part);
        HideSecondPictures(part);
        PreparePages(part);
        BindHandlers(part);
        NameCalculationKeys(part);
        page_->AddControls(part);
        if (shown)
            part->show();
    }
    // The icon goes to the window system, not into the first paint: drawn after it, once, at
    // the sizes the window system asks for. Windows of their own (boxes, dialogs) take it too.
    setWindowIcon(velkor::ui::DrawnIcon(QStringLiteral("velkor.svg"), {16, 32, 64, 128}));
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(windowIcon());
    // The hints switch stays last in the Tab order, as when every page is built before it.
    QWidget::setTabOrder(previousInFocusChain(), hints_);
    if (!hints_->isChecked())
        CBHINTSClick();
}

void TForm1::CompleteBuild() {
    if (!pending_)
        return;
    BuildPages();
    CreateReportForms(this);
}

void TForm1::BuildBottomBar() {
    QFont bold = font();
    bold.setBold(true);
    for (const BottomButton& entry : kBottomButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(entry.name);
        button->setText(entry.caption);
        button->setIcon(velkor::ui::DrawnIcon(QString::fromLatin1(entry.icon), {16},
                                              velkor::ui::IconBacking::CardOnDarkButtons));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(bold);
        button->setToolTip(*entry.keyName == '\0'
                               ? QString::fromUtf8(entry.hint)
                               : QStringLiteral("%1 (%2)").arg(QString::fromUtf8(entry.hint),
                                                               QString::fromUtf8(entry.keyName)));
        button->setGeometry(entry.x, kBottomRow, 96, 26);
    }
    hints_ = new velkor::ui::CheckBox("Hints ON OFF", this);
    hints_->setObjectName("CBHINTS");
    hints_->setChecked(true);
    hints_->setGeometry(kHintsX, kBottomRow + 4, 112, 18);
}

void TForm1::BindShortcuts() {
    // Window shortcuts: they act while this window is the active one, not under its boxes and
    // dialogs. A button is clicked as the mouse would, so that a key does what its button does.
    for (const BottomButton& entry : kBottomButtons) {
        if (*entry.keys == '\0')
            continue;
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(entry.keys)), this);
        connect(shortcut, &QShortcut::activated, this, [this, name = entry.name] {
            if (auto* button = findChild<QAbstractButton*>(QLatin1String(name)))
                button->click();
        });
    }
    for (const char* keys : kCalculationKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this);
        connect(shortcut, &QShortcut::activated, this, &TForm1::CalculateVisiblePage);
    }
}

void TForm1::CalculateVisiblePage() {
    const int page = pageControl1_->currentIndex();
    const int subPage = pageControl2_ ? pageControl2_->currentIndex() : -1;
    for (const PageCalculation& entry : kPageCalculations) {
        if (entry.page != page || (entry.subPage >= 0 && entry.subPage != subPage))
            continue;
        auto* button = pageControl1_->findChild<QAbstractButton*>(QLatin1String(entry.button));
        if (button && button->isVisible() && button->isEnabled())
            button->click();
        return;
    }
}

void TForm1::NameCalculationKeys(QWidget* scope) {
    // Each page's "Calcola" names its keys in its hint, switched with the other hints.
    for (const PageCalculation& entry : kPageCalculations) {
        auto* button = scope->findChild<QAbstractButton*>(QLatin1String(entry.button));
        if (!button)
            continue;
        const QString keys = QStringLiteral(" (%1)").arg(QString::fromUtf8(kCalculationKeyNames));
        const QString own = button->property("velkorHint").toString();
        if (own.endsWith(keys))
            continue; // named already
        const QString hint = (own.isEmpty() ? button->text() : own) + keys;
        button->setProperty("velkorHint", hint);
        button->setToolTip(hints_->isChecked() ? hint : QString());
    }
}

void TForm1::BindHandlers(QWidget* scope) {
    // The buttons by name, gathered in one pass rather than a search per binding.
    QHash<QString, QAbstractButton*> buttons;
    for (QAbstractButton* button : scope->findChildren<QAbstractButton*>())
        buttons.insert(button->objectName(), button);
    const auto button = [&buttons](const char* name) { return buttons.value(QLatin1String(name)); };
    for (std::span<const Binding> bindings :
         {std::span<const Binding>(kClicks), std::span<const Binding>(kChoices)}) {
        for (const Binding& binding : bindings)
            if (QAbstractButton* control = button(binding.control))
                connect(control, &QAbstractButton::clicked, this,
                        [this, handler = binding.handler] { Run(handler); });
    }
    if (QAbstractButton* control = button("SBTACALC"))
        connect(control, &QAbstractButton::clicked, this,
                [this] { Run([this](velkor::Page& page) { SBTACALCClick(page, secondaries_); }); });
    if (auto* grid = scope->findChild<QTableWidget*>("SGTAINSEC"))
        grid->setItemDelegate(new velkor::ui::CellEditDelegate(
            [this](int column, int row, const QString& text) {
                Run([&](velkor::Page& page) {
                    velkor::SGTAINSECSetEditText(page, secondaries_, column, row,
                                                 text.toStdString());
                });
            },
            grid));
    if (auto* grid = scope->findChild<QTableWidget*>("SGTAOUTSEC"))
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);

    using Command = void (*)(QWidget*);
    const std::pair<const char*, Command> commands[] = {
        {"SBPRINT", velkor::reports::SBPRINTClick},
        {"SBPREVIEW", velkor::reports::SBPREVIEWClick},
        {"SBPRINTSETUP", velkor::reports::SBPRINTSETUPClick},
        {"SBPDF", velkor::reports::SBPDFClick},
    };
    for (const auto& [name, command] : commands)
        if (QAbstractButton* control = button(name))
            connect(control, &QAbstractButton::clicked, this,
                    [this, command] { Run([this, command](velkor::Page&) { command(this); }); });
    if (QAbstractButton* control = button("SBEXIT"))
        connect(control, &QAbstractButton::clicked, this, &TForm1::SBEXITClick);
    AttachPickers(scope);
    AttachLibraryButtons(scope);
}

void TForm1::AttachPickers(QWidget* scope) {
    const velkor::ui::PickerHost host{
        [this] { return page_ ? page_->Library() : nullptr; },
        [this](const std::function<void(velkor::Page&)>& handler) { Run(handler); }};
    const auto edit = [scope](std::string_view name) {
        return scope->findChild<QLineEdit*>(QLatin1String(name.data(), name.size()));
    };
    for (const velkor::PartFields& fields : kPartPickers) {
        QLineEdit* core = edit(fields.core);
        QLineEdit* material = edit(fields.material);
        // Each field gets one picker, in the scope that built it.
        if (velkor::ui::NamePicker::Of(core))
            core = nullptr;
        if (velkor::ui::NamePicker::Of(material))
            material = nullptr;
        velkor::ui::AttachPartPickers(core, material, fields, host);
    }
}

void TForm1::FormCreate() {
    // 1-2. Always open on the inductor page and its single-layer sub-page.
    pageControl1_->setCurrentIndex(0);
    if (pageControl2_)
        pageControl2_->setCurrentIndex(0);
    PreparePages(this);
}

void TForm1::PreparePages(QWidget* scope) {
    // 3. Each pair of bobbin pictures shares one place.
    for (const auto& [second, first] : {std::pair{"IMG2", "IMG1"}, {"TAIMG2", "TAIMG1"}}) {
        auto* moved = scope->findChild<QWidget*>(second);
        auto* anchor = scope->findChild<QWidget*>(first);
        if (moved && anchor)
            moved->move(anchor->pos());
    }
    // 4-5. The header rows of the two secondaries grids.
    WriteHeader(scope->findChild<QTableWidget*>("SGTAINSEC"), kInputHeader);
    WriteHeader(scope->findChild<QTableWidget*>("SGTAOUTSEC"), kOutputHeader);
    // 6. The manual. REDIT1 keeps "File VELKOR_DOC.RTF non trovato." when it cannot be read.
    if (auto* manual = scope->findChild<QTextEdit*>("REDIT1"))
        velkor::LoadManual(manual);
}

void TForm1::Run(const std::function<void(velkor::Page&)>& handler) {
    if (!page_) // the window is being deleted
        return;
    CompleteBuild(); // a print command needs its report form, and a page all its fields
    // The cells the handler writes reach the grids once, when it ends, however it ends.
    struct Batch {
        velkor::ui::WidgetPage& page;
        explicit Batch(velkor::ui::WidgetPage& fields) : page(fields) { page.BeginBatch(); }
        ~Batch() { page.EndBatch(); }
    };
    try {
        const Batch batch(*page_);
        handler(*page_);
    } catch (const velkor::Fault& fault) {
        ShowGeneralError(QString::fromStdString(fault.description()) + '.');
    } catch (const std::exception& error) {
        ShowGeneralError(QString::fromUtf8(error.what()) + '.');
    } catch (...) {
        ShowGeneralError(QStringLiteral("Unknown error."));
    }
}

void TForm1::ShowGeneralError(const QString& text) {
    velkor::ui::ShowGeneralErrorBox(this, text);
}

void TForm1::CBHINTSClick() {
    // Every hint inside the pages goes off or on together; the bottom buttons keep theirs.
    if (!pageControl1_)
        return;
    const bool on = hints_->isChecked();
    for (QWidget* widget : pageControl1_->findChildren<QWidget*>()) {
        const QVariant hint = widget->property("velkorHint");
        if (hint.isValid())
            widget->setToolTip(on ? hint.toString() : QString());
    }
}

void TForm1::SBEXITClick() {
    // The standard buttons: "&Yes" and "&No", "&Sì" and "&No" under Qt's Italian texts.
    QMessageBox box(QMessageBox::Question, "Confirm", "Esco ?", QMessageBox::Yes | QMessageBox::No,
                    this);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes))
        close();
}

void CreateReportForms(TForm1* main) {
    // Hidden windows that live as long as the main window.
    new TForm2(main);
    new TForm3(main);
    new TForm4(main);
    new TForm5(main);
}

TForm1* CreateForms() {
    auto* main = new TForm1();
    main->setAttribute(Qt::WA_DeleteOnClose);
    CreateReportForms(main);
    return main;
}
