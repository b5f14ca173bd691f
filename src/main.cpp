#include "allwindows.h"
#include "app/accessibility.h"
#include "app/fluidsynthplayer.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/numbers.h"
#include "app/promptsqt.h"
#include "output/documentpresenter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

std::unique_ptr<DocumentPresenter> makeDesktopPresenter(QWidget* previewParent);

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quotara"));
    QApplication::setOrganizationName(QStringLiteral("Solvano"));
    QApplication::setQuitOnLastWindowClosed(false);
    Numbers::applyNumberLocale();
    Accessibility::install();

    // The layouts were drawn for a small sans-serif face; Liberation Sans has
    // the metrics of the face they were drawn for, DejaVu Sans is wider. The
    // desktop's font size stays: a large one makes the windows grow.
    QApplication::setFont(Fonts::applicationFont(QApplication::font()));

    // Standard buttons and dialogs in Italian, whatever the system language.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtPrompts prompts;
    FluidSynthPlayer music;
    const std::unique_ptr<DocumentPresenter> presenter = makeDesktopPresenter(nullptr);
    Forms forms(prompts, *presenter, music);
    registerAllWindows(forms);
    QObject::connect(&forms, &Forms::allUnloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    // Windows hidden rather than unloaded (the summary, the tip, the about
    // window) must not keep an invisible program running once the user has
    // closed everything on screen. Checked after the event that unloaded a
    // window has finished, so that the farewell screen counts.
    QObject::connect(
        &forms, &Forms::unloaded, &app,
        [&forms] {
            if (!forms.anyVisible())
                QApplication::quit();
        },
        Qt::QueuedConnection);

    forms.show(WindowId::frmSplash);
    return QApplication::exec();
}
