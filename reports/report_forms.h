// The four hidden report forms, one per calculation page. Each owns its report `QuickRep1`,
// which keeps its printer choices and the texts of its last fill for the whole run.
#pragma once

#include "quick_rep.h"

#include <QWidget>

// Pictures the reports draw (resources of the program).
namespace velkor::reports::pictures {
inline const QString kLogo = ":/pictures/logo.svg";
inline const QString kSingleLayer = ":/pictures/image3_single_layer.svg";   // Image3
inline const QString kSquareBobbin = ":/pictures/img1_square_bobbin.svg";   // IMG1
inline const QString kRoundBobbin = ":/pictures/img2_round_bobbin.svg";     // IMG2
inline const QString kSingleBobbin = ":/pictures/taimg1_single_bobbin.svg"; // TAIMG1
inline const QString kDoubleBobbin = ":/pictures/taimg2_double_bobbin.svg"; // TAIMG2
inline const QString kLamination = ":/pictures/image4_lamination.svg";      // Image4
inline const QString kGappedCore = ":/pictures/image7_gapped_core.svg";     // IMG7
inline const QString kFlyback = ":/pictures/image8_flyback.svg";            // ImageFB
} // namespace velkor::reports::pictures

// The inductor report.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner = nullptr);
    velkor::reports::TQuickRep* QuickRep1() const { return report_; }

private:
    velkor::reports::TQuickRep* report_;
};

// The ferrite transformer report.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);
    velkor::reports::TQuickRep* QuickRep1() const { return report_; }

private:
    velkor::reports::TQuickRep* report_;
};

// The mains transformer report.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner = nullptr);
    velkor::reports::TQuickRep* QuickRep1() const { return report_; }

private:
    velkor::reports::TQuickRep* report_;
};

// The flyback transformer report.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* owner = nullptr);
    velkor::reports::TQuickRep* QuickRep1() const { return report_; }

private:
    velkor::reports::TQuickRep* report_;
};

namespace velkor::reports {
// The bodies of the three reports, laid on their bands.
void BuildInductorLayout(TQuickRep* report);
void BuildFerriteLayout(TQuickRep* report);
void BuildMainsLayout(TQuickRep* report);
void BuildFlybackLayout(TQuickRep* report);
} // namespace velkor::reports
