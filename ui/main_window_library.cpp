// The window's side of "Libreria": the buttons SBLIB and SBSUGG beside the ferrite page's core
// data, and the dialog's view of the page: applying a part as typing its name does, "Calcola",
// and the page's inputs for the adviser.
#include "adviser.h"
#include "library_dialog.h"
#include "library_source.h"
#include "main_window.h"
#include "manual_loader.h"
#include "name_picker.h"
#include "part_apply.h"
#include "parts_library.h"
#include "widget_page.h"

#include <QAbstractButton>
#include <QLineEdit>

void TForm1::AttachLibraryButtons(QWidget* scope) {
    for (const auto& [name, suggest] : {std::pair{"SBLIB", false}, {"SBSUGG", true}}) {
        auto* button = scope->findChild<QAbstractButton*>(QLatin1String(name));
        if (button)
            connect(button, &QAbstractButton::clicked, this,
                    [this, suggest = suggest] { ShowLibrary(suggest); });
    }
}

QString TForm1::LibraryMissing() const {
    const velkor::library::PartsLibrary* parts = page_ ? page_->Library() : nullptr;
    if (!library_ || library_->Folder().isEmpty())
        return QStringLiteral("Cartella della libreria non trovata: nessun nucleo, materiale o "
                              "filo da mostrare. Cercata in: %1.")
            .arg(velkor::ui::LibraryCandidates(velkor::DataDirs()).join(QStringLiteral("; ")));
    QStringList problems;
    if (parts)
        for (const std::string& problem : parts->Problems())
            problems << QString::fromStdString(problem);
    if (problems.isEmpty())
        return {};
    return QStringLiteral("Libreria in %1, incompleta: %2.")
        .arg(library_->Folder(), problems.join(QStringLiteral("; ")));
}

void TForm1::ShowLibrary(bool suggest) {
    if (!formLib_) {
        // Applying a part goes through the field's own picker, as picking its name there does.
        const auto apply = [this](const char* field, bool core) {
            return [this, field, core](const QString& name) {
                auto* edit = findChild<QLineEdit*>(QLatin1String(field));
                if (auto* picker = velkor::ui::NamePicker::Of(edit)) {
                    picker->Pick(name);
                    return;
                }
                Run([&](velkor::Page& page) {
                    page.SetText(field, name.toStdString());
                    if (core)
                        velkor::ApplyCore(page, velkor::kFerriteParts);
                    else
                        velkor::ApplyMaterial(page, velkor::kFerriteParts);
                });
            };
        };
        velkor::ui::LibraryHost host;
        host.library = [this] { return page_ ? page_->Library() : nullptr; };
        host.missing = [this] { return LibraryMissing(); };
        host.applyCore = apply(velkor::kFerriteParts.core.data(), true);
        host.applyMaterial = apply(velkor::kFerriteParts.material.data(), false);
        host.calculate = [this] {
            if (auto* button = findChild<QAbstractButton*>(QStringLiteral("SBCALC")))
                button->click();
        };
        host.materialName = [this] {
            return QString::fromStdString(Fields().Text(velkor::kFerriteParts.material));
        };
        host.inputs = [this] { return velkor::ReadAdviserInputs(Fields()); };
        formLib_ = new velkor::ui::TFormLib(std::move(host), this);
        formLib_->setWindowFlag(Qt::Window);
    }
    formLib_->show();
    formLib_->raise();
    formLib_->activateWindow();
    if (suggest)
        formLib_->Suggest();
}
