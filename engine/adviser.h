// The core adviser: the ferrite design tried on every library core, in one material or in
// each, and the designs that pass every check ranked smallest core first.
#pragma once

#include "ferrite_losses.h"
#include "page.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velkor {

namespace library {
struct CoreShape;
struct Material;
class PartsLibrary;
} // namespace library

// What the adviser asks of a design, in the order they are tried. A design is counted under
// every check it fails among those it reaches: the first three are checked on every design
// that completes, the losses only on designs that pass those three, smallest core first, until
// the list is full and the next core is larger than its last.
enum class AdviserCheck : std::uint8_t {
    Incomplete,  // the nineteen steps stop before the end (a fault of the arithmetic)
    AreaProduct, // AeAc below AeAc minima
    Saturation,  // Bmax effettiva above Bsat
    WindowFill,  // copper fill above 0.40 of the window, or no wire to buy
    Temperature, // the core runs above 100 °C, or the losses have no answer (a runaway)
    Efficiency,  // the efficiency calculated is below ETA
};
inline constexpr int kAdviserChecks = 6;

// The Italian name of a check, as the dialog says it.
const char* CheckName(AdviserCheck check);

// The page's inputs as one design reads them, and the ambient temperature of the losses.
struct AdviserInputs {
    FerriteInputs design;
    double ambient = kDefaultAmbient; // °C, TAMBFER
};

// Reads the thirteen spin fields of the ferrite page and TAMBFER as "Calcola" reads them.
// Throws ConversionError for a text that does not convert.
AdviserInputs ReadAdviserInputs(const Page& page);

// A design that passes every check.
struct Suggestion {
    const library::CoreShape* core = nullptr;
    const library::Material* material = nullptr;
    bool inStock = false;  // cores_stock.ndjson lists the shape in the material
    FerriteInputs applied; // the inputs with AE, AC, AL and BSAT as applying writes them
    FerriteEvaluation result;
    double TotalLoss() const { return result.losses.core + result.losses.copper; } // W
};

struct AdviserResult {
    std::vector<Suggestion> suggestions; // the best kAdviserShown, smallest Ve first
    int tried = 0;                       // designs tried (core and material pairs)
    int passed = 0; // those found to pass every check (the losses of a core larger than the
                    // last one listed are not computed: more may pass)
    std::array<int, kAdviserChecks> failures{}; // by AdviserCheck
    bool cancelled = false;                     // stopped before the end: the rest untried
    AdviserCheck MostFailed() const;
};

inline constexpr std::size_t kAdviserShown = 30; // designs listed

// Progress of a run and its cancellation, shared with the thread that watches it.
struct AdviserProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
};

// The inputs with a core and a material applied as the page's pickers write them: Ae and the
// window area rounded to 0.1 mm², Al to a whole nH, Bsat at 100 °C to a whole gauss.
FerriteInputs AppliedInputs(FerriteInputs inputs, const library::CoreShape& core,
                            const library::Material& material);

// The texts the ferrite page shows for a suggestion after applying its parts and "Calcola", by
// field: NSP, NSS, BMAXEFF, RIEMPFER, PNUCLEO, PRAME, TNUCLEO and RENDCALC, in that order.
struct FieldText {
    std::string_view field;
    std::string text;
};
std::vector<FieldText> PageTexts(const Suggestion& suggestion, const NumberLocale& locale);

// Tries every library core that its canonical name finds (a shape whose name an earlier
// record takes is the one typing that name never reaches) in `material`, or in every
// material that its name finds when `material` is null, with the design of "Calcola" on
// AppliedInputs, and ranks those that pass every check by Ve, then by total loss. Reads
// nothing but its arguments: a worker thread may run it on a copy of the inputs. When
// `progress` is given, it counts there (two steps a design: its steps, then its losses) and
// stops soon after `cancel` is set, with what passed so far.
AdviserResult Advise(const AdviserInputs& inputs, const library::PartsLibrary& library,
                     const library::Material* material, AdviserProgress* progress = nullptr);

} // namespace velkor
