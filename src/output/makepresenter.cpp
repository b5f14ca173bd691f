#include "desktoppresenter.h"

#include <memory>

class QWidget;

std::unique_ptr<DocumentPresenter> makeDesktopPresenter(QWidget*)
{
    return std::make_unique<DesktopPresenter>();
}
