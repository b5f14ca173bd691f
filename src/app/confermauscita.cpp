#include "confermauscita.h"

#include "forms.h"
#include "prompts.h"
#include "quotaramod.h"
#include "splash.h"

#include <QCoreApplication>

namespace {

constexpr WindowId kUnloadOrder[] = {
    WindowId::successione,
    WindowId::titoloI,
    WindowId::titoloII,
    WindowId::titoloIII,
    WindowId::titoloIV,
    WindowId::titoloV,
    WindowId::testamento,
    WindowId::massime,
    WindowId::dettaglio,
    WindowId::grafico,
    WindowId::sommario,
    WindowId::manuale,
    WindowId::guidafunzionamento,
    WindowId::guidasuccessione,
    WindowId::guidanorme,
    WindowId::guidatestamento,
    WindowId::guidamassime,
    WindowId::guidadettaglio,
    WindowId::frmTip,
    WindowId::catalogo,
    WindowId::supportoclienti,
    WindowId::informa,
};

} // namespace

bool confermauscita(Forms& forms, QWidget* parent)
{
    const bool yes = forms.prompts().ask(
        parent, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
        // The title is the only warning about unsaved data and a window
        // manager may cut it: the text says it again.
        QStringLiteral("Vuoi uscire da ") + Quotaramod::nomeprogramma() +
            QStringLiteral("?\n\nAttenzione: i dati non archiviati andranno persi."),
        false);
    if (!yes)
        return false;
    // The splash is loaded first so that unloading the work windows never
    // leaves the program without a window, which would end it.
    auto* splash = forms.formAs<FrmSplash>(WindowId::frmSplash);
    for (const WindowId id : kUnloadOrder)
        forms.unload(id);
    if (splash)
        splash->showFarewell();
    return true;
}
