#include "field_table.h"

#include "group_box.h"
#include "indicators.h"
#include "keypad_decimal.h"
#include "looks.h"
#include "panel_memo.h"
#include "picture.h"
#include "regional.h"
#include "superspin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

namespace velkor::ui {

namespace {

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Hints are kept in a property so that the hints switch can take them off and put them back.
void SetHint(QWidget* widget, const char* hint) {
    if (*hint == '\0')
        return;
    widget->setProperty("velkorHint", Utf8(hint));
    widget->setToolTip(Utf8(hint));
}

// A line edit made empty and then given its text: one made with its text lays that text out
// in the application's default font before it takes the window's, loading a font nothing shows.
QLineEdit* MakeEdit(const char* text, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    TypeRegionalDecimalOnKeypad(edit);
    if (*text != '\0')
        edit->setText(Utf8(text));
    return edit;
}

// A field a handler writes: its panel drawn from the window's memo.
QLineEdit* MakeWritten(const char* text, QWidget* parent) {
    auto* edit = MakeEdit(text, parent);
    PanelMemo::Apply(edit);
    return edit;
}

// A result field: read-only, written by the handlers only.
QLineEdit* MakeResult(const char* text, QWidget* parent) {
    auto* edit = MakeWritten(text, parent);
    edit->setReadOnly(true);
    return edit;
}

// The button pictures of a window, each drawn once and shared by all its buttons: kept by an
// object the window owns, so a new window draws its own.
class Icons : public QObject {
public:
    static Icons& Of(QWidget* widget) {
        QWidget* window = widget->window();
        auto* icons =
            dynamic_cast<Icons*>(window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
        return icons ? *icons : *new Icons(window);
    }

    const QIcon& Get(const char* file) {
        auto found = icons_.find(file);
        if (found == icons_.end())
            found =
                icons_.insert(file, DrawnIcon(Utf8(file), {16}, IconBacking::CardOnDarkButtons));
        return found.value();
    }

private:
    static constexpr QLatin1StringView kName{"velkorButtonIcons"};

    explicit Icons(QObject* owner) : QObject(owner) { setObjectName(kName); }

    QHash<QString, QIcon> icons_;
};

QToolButton* MakeToolButton(QWidget* parent, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    return button;
}

QComboBox* MakeList(QWidget* parent, const Item& item, bool editable) {
    auto* list = new QComboBox(parent);
    if (editable) {
        // Editable through its own line edit, as setEditable() makes it, without building the
        // drop-down list now: the list is made when it first opens, as for a pick-only list.
        auto* edit = new QLineEdit(list);
        edit->setPalette(list->palette());
        list->setLineEdit(edit);
    }
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(Utf8(item.text).split('|'));
    list->setCurrentIndex(item.index);
    if (editable) {
        // A typed text leaves the list without a selected position, as a picked item sets one.
        QObject::connect(list->lineEdit(), &QLineEdit::textEdited, list,
                         [list] { list->setProperty("velkorTyped", true); });
        QObject::connect(list, &QComboBox::activated, list,
                         [list] { list->setProperty("velkorTyped", false); });
    }
    return list;
}

QTableWidget* MakeGrid(QWidget* parent, const Item& item) {
    const int columns = item.index / 100;
    const int rows = item.index % 100;
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    const int rowHeight = (item.h - 2) / rows;
    const int columnWidth = (item.w - 2) / columns;
    grid->verticalHeader()->setMinimumSectionSize(8);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* cell = new QTableWidgetItem();
            if (row == 0) // the fixed header row: not editable
                cell->setFlags(Qt::ItemIsEnabled);
            grid->setItem(row, column, cell);
        }
    }
    // The header row in the button colour.
    MarkHeaderRow(grid);
    return grid;
}

QWidget* MakeItem(QWidget* parent, const Item& item, Icons& icons) {
    switch (item.kind) {
    case Kind::Group:
        return new GroupBox(Utf8(item.text), parent);
    case Kind::Label:
        return new QLabel(Utf8(item.text), parent);
    case Kind::Edit:
        return MakeWritten(item.text, parent);
    case Kind::SpinField:
        return MakeEdit(item.text, parent);
    case Kind::Result:
        return MakeResult(item.text, parent);
    case Kind::UnitList:
        return MakeList(parent, item, true);
    case Kind::PickList:
        return MakeList(parent, item, false);
    case Kind::CalcButton:
        return MakeToolButton(parent, icons.Get("btn_calc.svg"));
    case Kind::PassButton:
        return MakeToolButton(parent, icons.Get("btn_transfer.svg"));
    case Kind::ClearButton:
        return MakeToolButton(parent, icons.Get("btn_clear.svg"));
    case Kind::WideButton: {
        auto* button = new QToolButton(parent);
        button->setFocusPolicy(Qt::NoFocus);
        button->setText(Utf8(item.text));
        return button;
    }
    case Kind::Radio: {
        auto* radio = new RadioButton(Utf8(item.text), parent);
        radio->setChecked(item.index == 1);
        return radio;
    }
    case Kind::Check: {
        auto* check = new CheckBox(Utf8(item.text), parent);
        check->setChecked(item.index == 1);
        return check;
    }
    case Kind::Grid:
        return MakeGrid(parent, item);
    case Kind::Picture:
        return new Picture(Utf8(item.text), parent);
    }
    return nullptr;
}

const Spin* FindSpin(std::span<const Spin> spins, const char* name) {
    for (const Spin& spin : spins)
        if (qstrcmp(spin.name, name) == 0)
            return &spin;
    return nullptr;
}

QWidget* MakeSpin(QWidget* parent, const Spin& settings) {
    auto* spin = new SuperSpin(parent);
    // Decimals first, so that the value is formatted with them; the upper limit before the
    // lower one, since a lower limit above the upper one is refused.
    spin->SetDecimals(settings.decimals);
    spin->SetMostDecimals(settings.mostDecimals);
    spin->SetMaxValue(settings.maxValue);
    spin->SetMinValue(settings.minValue);
    spin->SetIncrement(settings.increment);
    spin->SetValue(settings.value);
    return spin;
}

// The unit label of a field; the one of EDRESRAME keeps the name the calculations use.
QString UnitName(const char* field) {
    if (qstrcmp(field, "EDRESRAME") == 0)
        return QStringLiteral("Label66");
    return QStringLiteral("Unit") + Utf8(field);
}

} // namespace

QColor ToQColor(Colour colour) {
    return NamedColour(colour, QApplication::palette());
}

QWidget* FindContainer(QWidget* root, const char* name) {
    if (root->objectName() == QLatin1String(name))
        return root;
    auto* found = root->findChild<QWidget*>(QLatin1String(name));
    return found ? found : root;
}

void BuildItems(QWidget* root, std::span<const Item> items) {
    Icons& icons = Icons::Of(root);
    for (const Item& item : items) {
        QWidget* parent = FindContainer(root, item.parent);
        QWidget* widget = MakeItem(parent, item, icons);
        widget->setObjectName(QLatin1String(item.name));
        widget->setGeometry(item.x, item.y, item.w, item.h);
        SetHint(widget, item.hint);
    }
}

void BuildFields(QWidget* root, std::span<const Field> fields, Colour resultTint,
                 std::span<const Spin> spins) {
    for (const Field& field : fields) {
        QWidget* parent = FindContainer(root, field.parent);
        int x = field.x;
        if (field.labelWidth > 0) {
            auto* label = new QLabel(Utf8(field.label), parent);
            label->setObjectName(QStringLiteral("Label") + QLatin1String(field.name));
            label->setGeometry(x, field.y, field.labelWidth, kRowHeight);
            x += field.labelWidth;
        }
        QWidget* widget = nullptr;
        if (field.kind == Kind::SpinField) {
            const Spin* settings = FindSpin(spins, field.name);
            Q_ASSERT(settings);
            widget = settings ? MakeSpin(parent, *settings) : new QLineEdit(parent);
        } else {
            if (field.kind == Kind::Result) {
                widget = MakeResult(field.text, parent);
                SetFieldBackground(widget, resultTint);
            } else {
                widget = MakeWritten(field.text, parent);
            }
        }
        widget->setObjectName(QLatin1String(field.name));
        widget->setGeometry(x, field.y, field.fieldWidth, kRowHeight);
        SetHint(widget, field.hint);
        x += field.fieldWidth;
        if (*field.unit != '\0') {
            auto* unit = new QLabel(Utf8(field.unit), parent);
            unit->setObjectName(UnitName(field.name));
            // Label66 is rewritten with the wire diameter ("ohm ( 0.14 mm)"): room for it.
            const int width = unit->objectName() == QLatin1String("Label66")
                                  ? 120
                                  : unit->fontMetrics().horizontalAdvance(unit->text()) + 8;
            unit->setGeometry(x + 4, field.y, width, kRowHeight);
        }
    }
}

void ApplyTints(QWidget* root, std::span<const Tint> tints) {
    for (const Tint& tint : tints)
        if (auto* widget = root->findChild<QWidget*>(QLatin1String(tint.name)))
            SetFieldBackground(widget, tint.colour);
}

void ApplyCaptionColours(QWidget* root, std::span<const Tint> captions) {
    for (const Tint& caption : captions)
        if (auto* group = root->findChild<QWidget*>(QLatin1String(caption.name)))
            SetCaptionColour(group, caption.colour);
}

void ChainTabOrder(QWidget* root, std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        auto* widget = root->findChild<QWidget*>(QLatin1String(name));
        if (previous && widget)
            QWidget::setTabOrder(previous, widget);
        if (widget)
            previous = widget;
    }
}

QString RegionalDecimal(QString text) {
    return text.replace(',', QString::fromStdString(RegionalSeparators().decimal));
}

} // namespace velkor::ui
