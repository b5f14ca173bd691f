// One keystroke in the succession window's `figli` field: the key event, the
// change handler, the share rules and the rendering into the window's labels;
// then the same with the repaint of the window that follows it.

#include "benchwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace BenchWindow;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kKeystrokes = 4000;

// Alternately types "2" and deletes it, so that every keystroke changes the
// children from none to two (spouse and two children) or back.
void keystroke(QLineEdit* field, int i)
{
    const bool type = i % 2 == 0;
    const int key = type ? Qt::Key_2 : Qt::Key_Backspace;
    const QString text = type ? u"2"_s : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
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
    QWidget* window = services.forms.show(WindowId::successione);
    QApplication::processEvents();
    auto* figli = window->findChild<QLineEdit*>(u"figli"_s);
    const auto* quotafiglio = window->findChild<QLabel*>(u"quotafiglio_2"_s);
    figli->setFocus();

    std::vector<double> handled;
    std::vector<double> painted;
    int checks = 0;
    for (int i = 0; i < kKeystrokes; ++i) {
        const auto start = Clock::now();
        keystroke(figli, i);
        const auto rendered = Clock::now();
        window->repaint();
        const auto end = Clock::now();
        handled.push_back(microseconds(start, rendered));
        painted.push_back(microseconds(start, end));
        checks += quotafiglio->text() == u"33,333" ? 1 : 0;
    }
    report(out, u"keystroke in figli (handler, rules, labels)"_s, handled);
    report(out, u"keystroke in figli with the window's repaint"_s, painted);
    out << "keystrokes showing 33,333 per child: " << checks << " of " << kKeystrokes << '\n';
    return checks == kKeystrokes / 2 ? 0 : 1;
}
