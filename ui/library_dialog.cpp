#include "library_dialog.h"

#include "adviser_run.h"
#include "faults.h"
#include "loss_plot.h"
#include "parts_library.h"
#include "parts_table.h"
#include "regional.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace velkor::ui {

namespace {

constexpr int kTickMs = 40;       // ms between two looks at a run's progress
constexpr int kMeasuredRows = 40; // rows measured for a column's width

QDoubleSpinBox* Spin(QWidget* parent, const char* name, double low, double high, double value,
                     int decimals) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(low, high);
    spin->setDecimals(decimals);
    spin->setValue(value);
    spin->setKeyboardTracking(false);
    return spin;
}

} // namespace

TFormLib::TFormLib(LibraryHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)), locale_(RegionalSeparators()) {
    setObjectName(QStringLiteral("TFormLib"));
    setWindowTitle(QStringLiteral("Libreria"));
    setModal(false);
    resize(1040, 620);

    auto* layout = new QVBoxLayout(this);
    missing_ = new QLabel(this);
    missing_->setObjectName(QStringLiteral("LBMANCANTE"));
    missing_->setWordWrap(true);
    missing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(missing_);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Filtro"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("EDFILTRO"));
    filter_->setPlaceholderText(QStringLiteral("parte del nome o di un alias (es. etd29, n87)"));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    layout->addLayout(filterRow);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PCLIB"));
    tabs_->addTab(BuildCoresTab(), QStringLiteral("Nuclei"));
    tabs_->addTab(BuildMaterialsTab(), QStringLiteral("Materiali"));
    tabs_->addTab(BuildWiresTab(), QStringLiteral("Fili"));
    tabs_->addTab(BuildSuggestedTab(), QStringLiteral("Suggeriti"));
    layout->addWidget(tabs_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    use_ = new QPushButton(QStringLiteral("Usa"), this);
    use_->setObjectName(QStringLiteral("SBUSA"));
    use_->setToolTip(QStringLiteral("Porta nucleo e materiale scelti nella pagina, come se ne "
                                    "fossero scritti i nomi"));
    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("SBCHIUDI"));
    buttons->addWidget(use_);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    run_ = new AdviserRun(this);
    ticker_.setInterval(kTickMs);

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (PartsFilter* filter :
             {coreFilter_, materialFilter_, iecFilter_, awgFilter_, suggestedFilter_})
            filter->SetText(text);
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        UpdateUse();
        if (tab == kSuggestedTab && !showingTab_ && !Suggesting() && result_.tried == 0)
            Suggest();
    });
    connect(use_, &QPushButton::clicked, this, &TFormLib::UseSelection);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(cancel_, &QPushButton::clicked, run_, &AdviserRun::Cancel);
    connect(run_, &AdviserRun::Finished, this, &TFormLib::ShowResult);
    connect(&ticker_, &QTimer::timeout, this, &TFormLib::Tick);

    Fill();
}

TFormLib::~TFormLib() = default;

QTableView* TFormLib::MakeView(PartsFilter* filter, const char* name) {
    auto* view = new QTableView(this);
    view->setObjectName(QLatin1String(name));
    view->setModel(filter);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder); // the library's order until a header is clicked
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    // Columns as wide as the header and the first rows need: measuring every row of a table of
    // several hundred costs more than the rest of the dialog's opening.
    view->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    connect(view, &QTableView::doubleClicked, this, &TFormLib::UseSelection);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFormLib::UpdateUse);
    return view;
}

QWidget* TFormLib::BuildCoresTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TSNUCLEI"));
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    family_ = new QComboBox(tab);
    family_->setObjectName(QStringLiteral("CBFAMIGLIA"));
    auto* familyLabel = new QLabel(QStringLiteral("Famiglia"), tab);
    familyLabel->setBuddy(family_);
    row->addWidget(familyLabel);
    row->addWidget(family_);
    row->addStretch(1);
    layout->addLayout(row);
    cores_ = new PartsTableModel(CoreHeaders(), this);
    coreFilter_ = new PartsFilter(cores_, this);
    coreView_ = MakeView(coreFilter_, "GRIDNUCLEI");
    layout->addWidget(coreView_, 1);
    shapeCount_ = new QLabel(tab);
    shapeCount_->setObjectName(QStringLiteral("LBFORME"));
    shapeCount_->setWordWrap(true);
    layout->addWidget(shapeCount_);
    connect(family_, &QComboBox::currentIndexChanged, this, [this](int index) {
        coreFilter_->SetGroup(index <= 0 ? QString() : family_->itemText(index));
    });
    return tab;
}

QWidget* TFormLib::BuildMaterialsTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TSMATERIALI"));
    auto* layout = new QVBoxLayout(tab);
    auto* row = new QHBoxLayout;
    const WorkingPoint start;
    frequency_ = Spin(tab, "SPFREQ", 1, 10000, start.kilohertz, 0);
    flux_ = Spin(tab, "SPFLUSSO", 1, 1000, start.millitesla, 0);
    temperature_ = Spin(tab, "SPTEMP", -40, 200, start.celsius, 0);
    for (const auto& [text, spin] : {std::pair{"Frequenza (kHz)", frequency_},
                                     {"B picco (mT)", flux_},
                                     {"Temperatura (°C)", temperature_}}) {
        auto* label = new QLabel(QString::fromUtf8(text), tab);
        label->setBuddy(spin);
        row->addWidget(label);
        row->addWidget(spin);
        row->addSpacing(12);
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this] {
            UpdateLossColumn();
            UpdatePlot();
        });
    }
    row->addStretch(1);
    layout->addLayout(row);
    materials_ = new PartsTableModel(MaterialHeaders(), this);
    materialFilter_ = new PartsFilter(materials_, this);
    materialView_ = MakeView(materialFilter_, "GRIDMATERIALI");
    plot_ = new LossPlot(tab);
    plot_->setObjectName(QStringLiteral("PLOTPV"));
    auto* split = new QSplitter(tab);
    split->addWidget(materialView_);
    split->addWidget(plot_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({680, 320}); // px: the table to its Pv column, the plot beside it
    layout->addWidget(split, 1);
    connect(materialView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const int row = materialFilter_->SourceRow(current);
                if (row < 0 || !parts_)
                    return;
                const int index = materials_->RowAt(row).index;
                ChooseMaterial(&parts_->Materials()[static_cast<std::size_t>(index)]);
            });
    return tab;
}

QWidget* TFormLib::BuildWiresTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TSFILI"));
    auto* layout = new QHBoxLayout(tab);
    iec_ = new PartsTableModel(IecHeaders(), this);
    awg_ = new PartsTableModel(AwgHeaders(), this);
    iecFilter_ = new PartsFilter(iec_, this);
    awgFilter_ = new PartsFilter(awg_, this);
    for (const auto& [caption, filter, name] :
         {std::tuple{"Fili tondi di rame smaltato IEC 60317", iecFilter_, "GRIDIEC"},
          {"Calibri AWG (NEMA MW 1000)", awgFilter_, "GRIDAWG"}}) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(QString::fromUtf8(caption), tab));
        column->addWidget(MakeView(filter, name), 1);
        layout->addLayout(column, 1);
    }
    return tab;
}

QWidget* TFormLib::BuildSuggestedTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TSSUGGERITI"));
    auto* layout = new QVBoxLayout(tab);
    suggestStatus_ = new QLabel(tab);
    suggestStatus_->setObjectName(QStringLiteral("LBSUGG"));
    suggestStatus_->setWordWrap(true);
    layout->addWidget(suggestStatus_);
    auto* row = new QHBoxLayout;
    progress_ = new QProgressBar(tab);
    progress_->setObjectName(QStringLiteral("PBSUGG"));
    cancel_ = new QPushButton(QStringLiteral("Annulla"), tab);
    cancel_->setObjectName(QStringLiteral("SBANNULLA"));
    auto* again = new QPushButton(QStringLiteral("Ricalcola"), tab);
    again->setObjectName(QStringLiteral("SBRICALCOLA"));
    again->setToolTip(QStringLiteral("Cerca di nuovo con i dati attuali della pagina"));
    row->addWidget(progress_, 1);
    row->addWidget(cancel_);
    row->addStretch(0);
    row->addWidget(again);
    layout->addLayout(row);
    progress_->hide();
    cancel_->hide();
    suggested_ = new PartsTableModel(SuggestionHeaders(), this);
    suggestedFilter_ = new PartsFilter(suggested_, this);
    suggestedView_ = MakeView(suggestedFilter_, "GRIDSUGG");
    suggestedView_->verticalHeader()->hide(); // the rank column numbers the rows
    layout->addWidget(suggestedView_, 1);
    connect(again, &QPushButton::clicked, this, &TFormLib::Suggest);
    return tab;
}

void TFormLib::Fill() {
    parts_ = host_.library ? host_.library() : nullptr;
    const QString missing = host_.missing ? host_.missing() : QString();
    missing_->setText(missing);
    missing_->setVisible(!missing.isEmpty());
    if (!parts_) {
        UpdateUse();
        return;
    }
    cores_->SetRows(CoreRows(*parts_, locale_));
    materials_->SetRows(MaterialRows(*parts_, locale_));
    iec_->SetRows(IecRows(*parts_, locale_));
    awg_->SetRows(AwgRows(*parts_, locale_));
    shapeCount_->setText(ShapeCountLine(*parts_));

    family_->addItem(QStringLiteral("Tutte"));
    QStringList families;
    for (int r = 0; r < cores_->rowCount(); ++r)
        if (!families.contains(cores_->RowAt(r).group))
            families << cores_->RowAt(r).group;
    family_->addItems(families);

    UpdateLossColumn();
    const QString named = host_.materialName ? host_.materialName() : QString();
    ChooseMaterial(parts_->FindMaterial(named.toStdString()));
    // The page's material stands selected on its tab.
    for (int row = 0; chosen_ && row < materials_->rowCount(); ++row)
        if (&parts_->Materials()[static_cast<std::size_t>(materials_->RowAt(row).index)] == chosen_)
            materialView_->setCurrentIndex(
                materialFilter_->mapFromSource(materials_->index(row, 0)));
    UpdateUse();
}

void TFormLib::ChooseMaterial(const library::Material* material) {
    chosen_ = material;
    if (parts_)
        SetCoreMaterial(*cores_, *parts_, chosen_, locale_);
    UpdatePlot();
}

void TFormLib::UpdateLossColumn() {
    if (!parts_)
        return;
    SetLossColumn(*materials_, *parts_,
                  {frequency_->value(), flux_->value(), temperature_->value()}, locale_);
}

void TFormLib::UpdatePlot() {
    if (!chosen_) {
        plot_->SetCurves({}, QStringLiteral("Scegliere un materiale nella tabella"));
        return;
    }
    const double celsius = temperature_->value();
    std::vector<LossCurve> curves = LossCurves(*chosen_, celsius);
    QString title = QStringLiteral("%1 a %2 °C, sinusoide")
                        .arg(QString::fromStdString(chosen_->name),
                             QString::fromStdString(Format("%1.0f", celsius, locale_)));
    if (curves.empty())
        title = QStringLiteral("%1: nessuna banda tra 25 e 500 kHz")
                    .arg(QString::fromStdString(chosen_->name));
    plot_->SetCurves(std::move(curves), title);
}

int TFormLib::SelectedRow(QTableView* view) const {
    const QModelIndex current = view->selectionModel()->currentIndex();
    const auto* filter = static_cast<const PartsFilter*>(view->model());
    return filter->SourceRow(current);
}

void TFormLib::UpdateUse() {
    const int tab = tabs_->currentIndex();
    bool usable = false;
    if (tab == kCoresTab)
        usable = SelectedRow(coreView_) >= 0;
    else if (tab == kMaterialsTab)
        usable = SelectedRow(materialView_) >= 0;
    else if (tab == kSuggestedTab)
        usable = SelectedRow(suggestedView_) >= 0;
    use_->setEnabled(usable && parts_);
}

void TFormLib::UseSelection() {
    if (!parts_)
        return;
    const auto name = [](const std::string& text) { return QString::fromStdString(text); };
    switch (tabs_->currentIndex()) {
    case kCoresTab:
        if (const int row = SelectedRow(coreView_); row >= 0) {
            const int index = cores_->RowAt(row).index;
            if (host_.applyCore)
                host_.applyCore(name(parts_->Shapes()[static_cast<std::size_t>(index)].name));
            if (chosen_ && host_.applyMaterial)
                host_.applyMaterial(name(chosen_->name));
        }
        break;
    case kMaterialsTab:
        if (const int row = SelectedRow(materialView_); row >= 0 && host_.applyMaterial) {
            const int index = materials_->RowAt(row).index;
            host_.applyMaterial(name(parts_->Materials()[static_cast<std::size_t>(index)].name));
        }
        break;
    case kSuggestedTab:
        if (const int row = SelectedRow(suggestedView_); row >= 0) {
            const int index = suggested_->RowAt(row).index;
            if (index < 0 || index >= static_cast<int>(result_.suggestions.size()))
                break;
            const Suggestion& s = result_.suggestions[static_cast<std::size_t>(index)];
            if (host_.applyCore)
                host_.applyCore(name(s.core->name));
            if (host_.applyMaterial)
                host_.applyMaterial(name(s.material->name));
            if (host_.calculate)
                host_.calculate();
        }
        break;
    default:
        break;
    }
}

} // namespace velkor::ui
