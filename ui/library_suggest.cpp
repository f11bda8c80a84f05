// The Suggeriti tab of "Libreria": a run of the adviser on the page's inputs, its progress,
// and what it found or why nothing passed.
#include "adviser_run.h"
#include "faults.h"
#include "library_dialog.h"
#include "parts_library.h"
#include "parts_table.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace velkor::ui {

bool TFormLib::Suggesting() const {
    return run_->Running();
}

void TFormLib::Suggest() {
    showingTab_ = true;
    tabs_->setCurrentIndex(kSuggestedTab);
    showingTab_ = false;
    result_ = {};
    suggested_->SetRows({});
    if (!parts_ || parts_->Shapes().empty() || parts_->Materials().empty()) {
        suggestStatus_->setText(
            QStringLiteral("Senza nuclei e materiali della libreria non c'è nulla da suggerire."));
        return;
    }
    AdviserInputs inputs;
    try {
        inputs = host_.inputs ? host_.inputs() : AdviserInputs{};
    } catch (const Fault& fault) {
        suggestStatus_->setText(QStringLiteral("I dati della pagina non si possono leggere: %1")
                                    .arg(QString::fromStdString(fault.description())));
        return;
    }
    const QString named = host_.materialName ? host_.materialName() : QString();
    const library::Material* material = parts_->FindMaterial(named.toStdString());
    runLabel_ = material ? QStringLiteral("in %1").arg(QString::fromStdString(material->name))
                         : QStringLiteral("in tutti i materiali");
    suggestStatus_->setText(QStringLiteral("Prova dei nuclei %1…").arg(runLabel_));
    run_->Start(inputs, *parts_, material);
    runClock_.start();
    ticker_.start();
    UpdateUse();
}

void TFormLib::Tick() {
    if (!run_->Running()) {
        ticker_.stop();
        return;
    }
    // A short run shows nothing; a longer one its progress and a way to stop it.
    if (runClock_.elapsed() < kQuietRunMs)
        return;
    progress_->setMaximum(std::max(run_->Total(), 1));
    progress_->setValue(run_->Done());
    progress_->show();
    cancel_->show();
}

void TFormLib::ShowResult(const AdviserResult& result) {
    ticker_.stop();
    progress_->hide();
    cancel_->hide();
    result_ = result;
    suggested_->SetRows(SuggestionRows(result_, locale_));
    QString status;
    if (result.cancelled)
        status = QStringLiteral("Ricerca annullata dopo %1 progetti %2; ")
                     .arg(result.tried)
                     .arg(runLabel_);
    else
        status = QStringLiteral("%1 progetti provati %2; ").arg(result.tried).arg(runLabel_);
    if (!result.suggestions.empty()) {
        status += QStringLiteral("qui i primi %1 che superano tutte le verifiche, dal nucleo più "
                                 "piccolo (Ve) e a pari volume dalle perdite minori.")
                      .arg(result.suggestions.size());
    } else if (result.tried > 0) {
        const AdviserCheck most = result.MostFailed();
        status += QStringLiteral("nessuno supera tutte le verifiche. La verifica mancata più "
                                 "spesso: %1 (%2 progetti).")
                      .arg(QString::fromUtf8(CheckName(most)))
                      .arg(result.failures[static_cast<std::size_t>(most)]);
    } else {
        status += QStringLiteral("nessun progetto provato.");
    }
    suggestStatus_->setText(status);
    UpdateUse();
}

} // namespace velkor::ui
