// Qt's own texts in the interface's language: the standard buttons ("Sì", "No", "Annulla"),
// the line edits' context menus and the print, preview, set-up and file dialogs speak Italian
// like the rest of the window. The program's own texts are not translated.
#pragma once

class QCoreApplication;

namespace velkor::ui {

// Installs Qt's Italian catalogue (qtbase_it.qm, found in Qt's translations folder) in `app`,
// which owns it. Returns false, changing nothing, when the catalogue cannot be read: Qt then
// keeps its English texts.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace velkor::ui
