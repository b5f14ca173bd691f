// Saves two long cases of a window's file in turn into the file named on the
// command line until it is killed: the writer a test stops and kills in the
// middle of a save. The first argument names the window: successione or
// dettaglio.
#include "longcases.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const CaseWindow window = arguments.at(1) == QStringLiteral("dettaglio")
                                  ? CaseWindow::Dettaglio
                                  : CaseWindow::Successione;
    for (bool first = true;; first = !first) {
        if (!writeLongCase(window, first, arguments.at(2)))
            return 1;
    }
}
