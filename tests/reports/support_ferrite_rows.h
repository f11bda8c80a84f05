// The ferrite report after the page's default design: each value label and its text, with
// the decimal separator written as '.'.
#pragma once

#include <utility>

inline constexpr std::pair<const char*, const char*> kFerriteWorkedExampleRows[] = {
    {"QRTFVPMIN", "10.0 Vac"},
    {"QRTFVPMAX", "13.9 Vac"},
    {"QRTFIP", "1.600 A"},
    {"QRTFIPPEEK", "2.325 A"},
    {"QRTFFREQ", "20000 Hz"},
    {"QRTFFORMA", "4"},
    {"QRTFVSPP", "600.0 Vac"},
    {"QRTFVSRMS", "212.1 Vac"},
    {"QRTFPOUT", "8 W"},
    {"QRTFIS", "0.0377 A"},
    {"QRTFDENS", "4.9338A/mm²"},
    {"QRTFCORE", "EC52"},
    {"QRTFMAT", "3C8"},
    {"QRTFAL", "2800 nH/N²"},
    {"QRTFBSAT", "4100 Gauss"},
    {"QRTFBMAX", "2784 Gauss"},
    {"QRTFPUN", "48.79 %"},
    {"QRTFRESA", "50 %"},
    {"QRTFAE", "52 mm²"},
    {"QRTFAC", "30 mm²"},
    {"QRTFAEACMIN", "0.0544 cm^4"},
    {"QRTFAEAC", "0.1560 cm^4"},
    {"QRTFNSP", "12 (12.0)"},
    {"QRTFDFP", "0.77 mm"},
    {"QRTFINDP", "403.2 µH"},
    {"QRTFXLP", "51 ohm"},
    {"QRTFNSS", "720"},
    {"QRTFDFS", "0.10 mm"},
    {"QRTFINDS", "1451520.0 µH"},
    {"QRTFXLS", "182403 ohm"},
    {"QRTFDELTA", "0.473 mm"},
    {"QRTFFILOP", "1 × 0.80 (AWG 20)"},
    {"QRTFFILOS", "1 × 0.10 (AWG 38)"},
    {"QRTFRIEMP", "0.37"},
    // "3C8" names no library material: no losses to estimate.
    {"QRTFPNUCLEO", "? W"},
    {"QRTFPRAME", "? W"},
    {"QRTFTNUCLEO", "? °C"},
    {"QRTFREND", "? %"},
    {"QRTFTAMBFER", "40 °C"}};
