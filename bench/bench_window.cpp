// Creating and showing the succession window (its constructor runs Form_Load:
// controls, resizer, first computation) until it is painted, and unloading it.

#include "benchwindow.h"

using namespace BenchWindow;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWindows = 200;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char* argv[])
{
    prepare();
    QApplication app(argc, argv);
    setUp();
    QTextStream out(stdout);
    Services services;
    registerSuccessionWindows(services.forms);

    std::vector<double> shown;
    double first = 0;
    for (int i = 0; i <= kWindows; ++i) {
        const auto start = Clock::now();
        QWidget* window = services.forms.show(WindowId::successione);
        window->repaint();
        QApplication::processEvents();
        const double elapsed = microseconds(start, Clock::now());
        if (i == 0)
            first = elapsed;
        else
            shown.push_back(elapsed);
        services.forms.unload(WindowId::successione);
        flushDeletes();
    }
    out << "first succession window of the process (create, show, paint): " << first << " µs\n";
    report(out, u"succession window create, show and paint"_s, shown);
    return 0;
}
