// Field tables: the pages of the main window are described as data (one line per control)
// and built by the functions below. Every control gets its component name as objectName.
#pragma once

#include "page.h"

#include <QColor>
#include <initializer_list>
#include <span>

class QWidget;

namespace velkor::ui {

enum class Kind {
    Group,       // QGroupBox; text = caption
    Label,       // QLabel; text = caption
    Edit,        // QLineEdit; text = default
    Result,      // read-only QLineEdit with the page's result tint
    SpinField,   // SuperSpin, its numbers in a `Spin` table
    UnitList,    // editable QComboBox; text = items joined by '|', index = selection
    PickList,    // pick-only QComboBox; as UnitList
    CalcButton,  // 21 x 21 tool button with the calculation picture
    PassButton,  // 21 x 21 tool button with the transfer picture
    ClearButton, // 21 x 21 tool button with the clear picture
    WideButton,  // tool button with a caption
    Radio,       // QRadioButton; index 1 = selected
    Check,       // QCheckBox; index 1 = checked
    Grid,        // QTableWidget; w/h are the size, index = columns * 100 + rows
    Picture,     // SVG picture; text = file name under :/pictures/
};

// One control: kind, component name, container, place and size, text, hint.
struct Item {
    Kind kind;
    const char* name;
    const char* parent; // objectName of the page or group holding it
    int x, y, w, h;     // px, inside the parent
    const char* text = "";
    const char* hint = "";
    int index = -1;
};

// One field row: [caption label][field][unit label], all on one line at (x, y).
// The caption label is named "Label" + name, the unit label "Unit" + name.
struct Field {
    Kind kind; // Edit, Result or SpinField
    const char* name;
    const char* parent;
    int x, y;       // px, left of the caption label and top of the row
    int labelWidth; // px; 0 = no caption label
    int fieldWidth; // px
    const char* label;
    const char* unit; // "" = no unit label
    const char* text; // default text
    const char* hint;
};

// The numeric settings of a spin field. Limits both 0 = unbounded; decimals -1 = free, then
// at most `mostDecimals` of them when it is set (0 = up to 14).
struct Spin {
    const char* name;
    long double value, minValue, maxValue, increment;
    int decimals;
    int mostDecimals = 0;
};

// A field whose background differs from its page's result tint.
struct Tint {
    const char* name;
    Colour colour;
};

inline constexpr int kRowHeight = 20; // px, edit fields and lists

// The colour a page colour stands for in this window's palette.
QColor ToQColor(Colour colour);

// Builds the controls of a table inside `root`, parents found by objectName (in table order,
// so a group must come before the controls it holds).
void BuildItems(QWidget* root, std::span<const Item> items);
// Builds field rows; result fields take `resultTint`; spin fields take their numbers from
// `spins`.
void BuildFields(QWidget* root, std::span<const Field> fields, Colour resultTint,
                 std::span<const Spin> spins = {});
void ApplyTints(QWidget* root, std::span<const Tint> tints);
// Group boxes named in `captions` show their caption in bold in the colour given.
void ApplyCaptionColours(QWidget* root, std::span<const Tint> captions);

// The container named `name` inside `root` (or `root` itself when it has that name).
QWidget* FindContainer(QWidget* root, const char* name);

// The pages of PageControl1, each built into its (empty) tab page widget. The inductor page
// leaves its closed-core sub-page TabSheet5 empty, for BuildClosedCoreSubPage.
void BuildInductorPage(QWidget* page);
void BuildClosedCoreSubPage(QWidget* subPage);
// The gapped-core sub-page TabSheet7, also left empty by BuildInductorPage.
void BuildGappedSubPage(QWidget* subPage);
void BuildFerritePage(QWidget* page);
void BuildMainsPage(QWidget* page);
void BuildManualPage(QWidget* page);
void BuildFlybackPage(QWidget* page);

// Sets the Tab order of the named controls to the order given.
void ChainTabOrder(QWidget* root, std::initializer_list<const char*> names);

// Text with the comma of a stored decimal number replaced by the regional separator.
QString RegionalDecimal(QString text);

} // namespace velkor::ui
