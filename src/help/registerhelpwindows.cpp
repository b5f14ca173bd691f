#include "app/forms.h"
#include "helptexts.h"
#include "helpwindow.h"

void registerHelpWindows(Forms& forms)
{
    for (const WindowId id : HelpTexts::printOrder()) {
        forms.registerFactory(id, [id](Forms& f) -> std::unique_ptr<QWidget> {
            const std::optional<HelpPage> page = HelpWindow::pageFor(id);
            if (!page)
                return nullptr;
            return std::make_unique<HelpWindow>(f, id, *page);
        });
    }
}
