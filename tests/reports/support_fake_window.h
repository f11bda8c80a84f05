// A stand-in for the main window in report tests: the fields the report fills read, under
// their component names, the two page controls (three sub-pages) and the four report forms
// as children.
#pragma once

#include <QString>
#include <QWidget>

class QTabWidget;
class QTableWidget;

namespace velkor::testing {

class FakeMainWindow : public QWidget {
    Q_OBJECT
public:
    explicit FakeMainWindow(QWidget* parent = nullptr);

    void Set(const char* name, const QString& text);
    void SetUnit(const char* name, int index);
    void Check(const char* name, bool on);
    void SetPage(int index);
    void SetSubPage(int index);
    // A cell of a grid with its header at row 0.
    void SetCell(const char* grid, int column, int row, const QString& text);

    // Fills the ferrite page as after "Calcola" with its defaults.
    void FerriteWorkedExample();
    // Fills the mains page as after "Calcola" with one secondary of 12 V, 2 A and defaults.
    void MainsWorkedExample();
    // Fills the gapped-core sub-page as after "Calcola" with its defaults.
    void GappedWorkedExample();
    // Fills the flyback page as after "Calcola" with its defaults.
    void FlybackWorkedExample();

private:
    QWidget* AddPage(QTabWidget* pages, const QString& caption);
};

// A window that also answers the table of entered secondaries through `secondaryText`.
class FakeWindowWithTable : public FakeMainWindow {
    Q_OBJECT
public:
    using FakeMainWindow::FakeMainWindow;
    QString table[2][7];
    Q_INVOKABLE QString secondaryText(int column, int row) const {
        return column >= 0 && column < 2 && row >= 0 && row < 7 ? table[column][row] : QString();
    }
};

// The regional decimal separator applied to a number text written with a point.
QString Regional(const QString& pointText);

} // namespace velkor::testing
