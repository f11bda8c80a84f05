// TForm1: the main window of Velkor. Four pages of fields (inductors, ferrite transformer,
// mains transformer, manual) and a bottom bar with the print and PDF commands, the hints
// switch and the exit button. All of the program's state lives in the window's controls and in
// `secondaries_`.
#pragma once

#include "mains_design.h"
#include "page.h"

#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QTabWidget;

namespace velkor::ui {
class LibrarySource;
class TFormLib;
class WidgetPage;
} // namespace velkor::ui

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Whole: every page is built before the constructor returns. VisibleFirst: only the
    // inductor page and the bottom bar; CompleteBuild() adds the other pages and the report
    // forms later, with the same builders.
    enum class Start { Whole, VisibleFirst };
    explicit TForm1(QWidget* parent = nullptr, Start start = Start::Whole);
    ~TForm1() override;

    // Builds whatever a VisibleFirst window still lacks: the other three pages, then the
    // report forms. Does nothing once done, or on a Whole window.
    void CompleteBuild();
    bool Complete() const { return !pending_; }

    // The calculations' view of this window's fields.
    velkor::Page& Fields();
    const velkor::SecondaryTable& Secondaries() const { return secondaries_; }
    // The text last entered for a secondary, as the reports read it: column 0 the voltage,
    // 1 the current; rows 0 (the header row, always empty) to 6. Empty outside that range.
    Q_INVOKABLE QString secondaryText(int column, int row) const;

    // Whether the parts library has been read: on the first keystroke in a part picker, or
    // when a calculation first asks for it; never while the window starts.
    bool LibraryRead() const;

    // Opens the modeless dialog "Libreria" (SBLIB), or opens it on its Suggeriti tab and ranks
    // the cores for the ferrite page's inputs (SBSUGG).
    void ShowLibrary(bool suggest);

    // Runs a handler on the fields; an arithmetic fault or an unreadable spin value shows the
    // general error box and leaves the window usable.
    void Run(const std::function<void(velkor::Page&)>& handler);

    void FormCreate();
    void CBHINTSClick();
    void SBEXITClick();

protected:
    bool event(QEvent* event) override;

private:
    void BuildFrame();
    void BuildPages();
    void BuildBottomBar();
    // The keys: F9 and Ctrl+Return calculate the page shown, Ctrl+P prints, Ctrl+Shift+P
    // previews, Ctrl+E exports the PDF.
    void BindShortcuts();
    void CalculateVisiblePage();
    void NameCalculationKeys(QWidget* scope);
    void BindHandlers(QWidget* scope);
    void PreparePages(QWidget* scope);
    void ShowGeneralError(const QString& text);

    void AttachPickers(QWidget* scope);
    void AttachLibraryButtons(QWidget* scope);
    // What is missing of the parts library, in Italian; empty when it was read whole.
    QString LibraryMissing() const;

    // The parts library, read on first need; the calculations see it through page_.
    std::unique_ptr<velkor::ui::LibrarySource> library_;
    std::unique_ptr<velkor::ui::WidgetPage> page_;
    velkor::ui::TFormLib* formLib_ = nullptr; // made on first use, a child of the window
    velkor::SecondaryTable secondaries_;
    QTabWidget* pageControl1_ = nullptr;
    QTabWidget* pageControl2_ = nullptr;
    QCheckBox* hints_ = nullptr;
    bool pending_ = false; // a VisibleFirst window not yet completed
};

// Creates the main window, then the four hidden report forms; returns the main window.
TForm1* CreateForms();
// The four hidden report forms of `main`.
void CreateReportForms(TForm1* main);
