#include "app/forms.h"
#include "massime.h"

void registerMaximsWindows(Forms& forms)
{
    forms.registerFactory(WindowId::massime, [](Forms& f) { return std::make_unique<Massime>(f); });
}
