#include "app/forms.h"
#include "helptexts.h"
#include "helpwindow.h"
#include "sommario.h"

void registerHelpWindows(Forms& forms)
{
    forms.registerFactory(WindowId::sommario,
                          [](Forms& f) { return std::make_unique<Sommario>(f); });
    for (const WindowId id : HelpTexts::printOrder()) {
        forms.registerFactory(id, [id](Forms& f) -> std::unique_ptr<QWidget> {
            const std::optional<HelpPage> page = HelpWindow::pageFor(id);
            if (!page)
                return nullptr;
            return std::make_unique<HelpWindow>(f, id, *page);
        });
    }
}
