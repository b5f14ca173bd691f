#include "testforms.h"
#include "app/accessibility.h"

#include <QCoreApplication>
#include <QEvent>

TestForms::TestForms() : forms(prompts, presenter, music)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Accessibility::install();
}

TestForms::~TestForms()
{
    flushDeletes();
}

void TestForms::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
