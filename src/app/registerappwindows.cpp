#include "catalogo.h"
#include "forms.h"
#include "frmtip.h"
#include "informa.h"
#include "splash.h"
#include "supportoclienti.h"

void registerAppWindows(Forms& forms)
{
    forms.registerFactory(WindowId::frmSplash,
                          [](Forms& f) { return std::make_unique<FrmSplash>(f); });
    forms.registerFactory(WindowId::frmTip, [](Forms& f) { return std::make_unique<FrmTip>(f); });
    forms.registerFactory(WindowId::informa, [](Forms& f) { return std::make_unique<Informa>(f); });
    forms.registerFactory(WindowId::supportoclienti,
                          [](Forms& f) { return std::make_unique<SupportoClienti>(f); });
    forms.registerFactory(WindowId::catalogo,
                          [](Forms& f) { return std::make_unique<Catalogo>(f); });
}
