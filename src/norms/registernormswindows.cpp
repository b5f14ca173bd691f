#include "app/forms.h"
#include "normswindow.h"

void registerNormsWindows(Forms& forms)
{
    for (const Norms::TitleDescription& title : Norms::titles()) {
        forms.registerFactory(
            title.id, [&title](Forms& f) { return std::make_unique<NormsWindow>(f, title); });
    }
}
