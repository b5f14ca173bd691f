#include "forms.h"
#include "splash.h"

void registerAppWindows(Forms& forms)
{
    forms.registerFactory(WindowId::frmSplash,
                          [](Forms& f) { return std::make_unique<FrmSplash>(f); });
}
