// "Libreria" (TFormLib): the parts library to look through, in four tabs. Nuclei, Materiali
// (with the loss curves of the material selected) and Fili are sortable tables under one
// filter field; Suggeriti lists the cores the adviser finds for the page's inputs. "Usa" (or a
// double click) applies the selection to the page that opened the dialog.
#pragma once

#include "adviser.h"
#include "library_rows.h"
#include "numbers.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace velkor::ui {

class AdviserRun;
class LossPlot;
class PartsFilter;
class PartsTableModel;

// What the dialog needs of the page that opened it.
struct LibraryHost {
    // The library, read on first need; null or empty when there is none.
    std::function<const library::PartsLibrary*()> library;
    // What is missing of the library, in Italian; empty when it was read whole.
    std::function<QString()> missing;
    // Applies a core or a material by name exactly as typing it in the page's field does.
    std::function<void(const QString&)> applyCore;
    std::function<void(const QString&)> applyMaterial;
    // Presses the page's "Calcola".
    std::function<void()> calculate;
    // The text of the page's material field.
    std::function<QString()> materialName;
    // The page's inputs as "Calcola" reads them; throws velkor::Fault for an unreadable one.
    std::function<AdviserInputs()> inputs;
};

class TFormLib : public QDialog {
    Q_OBJECT
public:
    enum Tab { kCoresTab, kMaterialsTab, kWiresTab, kSuggestedTab };

    explicit TFormLib(LibraryHost host, QWidget* parent = nullptr);
    ~TFormLib() override;

    // Shows the Suggeriti tab and ranks the cores for the page's inputs of the moment.
    void Suggest();
    bool Suggesting() const;
    const AdviserResult& Suggestions() const { return result_; }
    // The material the Al column and the plot show; null for none.
    const library::Material* ChosenMaterial() const { return chosen_; }
    // Applies the selection of the current tab (the button "Usa").
    void UseSelection();

    // A run shows its progress bar and its cancel button after this long.
    static constexpr int kQuietRunMs = 200; // ms

private:
    QWidget* BuildCoresTab();
    QWidget* BuildMaterialsTab();
    QWidget* BuildWiresTab();
    QWidget* BuildSuggestedTab();
    QTableView* MakeView(PartsFilter* filter, const char* name);
    void Fill();
    void ChooseMaterial(const library::Material* material);
    void UpdateLossColumn();
    void UpdatePlot();
    void UpdateUse();
    void ShowResult(const AdviserResult& result);
    void Tick();
    int SelectedRow(QTableView* view) const;

    LibraryHost host_;
    const library::PartsLibrary* parts_ = nullptr;
    NumberLocale locale_;
    const library::Material* chosen_ = nullptr;

    QLabel* missing_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* family_ = nullptr;
    QLabel* shapeCount_ = nullptr;
    QDoubleSpinBox* frequency_ = nullptr;
    QDoubleSpinBox* flux_ = nullptr;
    QDoubleSpinBox* temperature_ = nullptr;
    LossPlot* plot_ = nullptr;
    QLabel* suggestStatus_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* use_ = nullptr;

    PartsTableModel* cores_ = nullptr;
    PartsTableModel* materials_ = nullptr;
    PartsTableModel* iec_ = nullptr;
    PartsTableModel* awg_ = nullptr;
    PartsTableModel* suggested_ = nullptr;
    PartsFilter* coreFilter_ = nullptr;
    PartsFilter* materialFilter_ = nullptr;
    PartsFilter* iecFilter_ = nullptr;
    PartsFilter* awgFilter_ = nullptr;
    PartsFilter* suggestedFilter_ = nullptr;
    QTableView* coreView_ = nullptr;
    QTableView* materialView_ = nullptr;
    QTableView* suggestedView_ = nullptr;

    AdviserRun* run_ = nullptr;
    AdviserResult result_;
    QString runLabel_;        // "in N87", "in tutti i materiali"
    bool showingTab_ = false; // Suggest() is bringing its tab forward
    QTimer ticker_;
    QElapsedTimer runClock_;
};

} // namespace velkor::ui
