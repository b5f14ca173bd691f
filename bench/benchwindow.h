#pragma once

// What the succession window's benchmarks share: the application set up as
// the program sets it up, with silent music and a presenter that shows nothing.

#include "app/forms.h"
#include "app/musicplayer.h"
#include "app/promptsqt.h"
#include "output/documentpresenter.h"
#include "succession/successionewindow.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <numeric>
#include <vector>

namespace BenchWindow {

class SilentMusic final : public MusicPlayer
{
public:
    void open(const QString&) override {}
    void play() override {}
    void pause() override {}
    void close() override {}
};

class NoPresenter final : public DocumentPresenter
{
public:
    Presentation present(const QTextDocument&, const QString&) override { return {}; }
};

/// The offscreen platform unless another is asked for, and the Italian number
/// formats the window is measured with.
inline void prepare()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The offscreen platform cannot raise windows and says so at every show.
inline void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("does not support raise()")))
        return;
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << '\n';
}

inline void setUp()
{
    qInstallMessageHandler(quietRaise);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

struct Services
{
    QtPrompts prompts;
    SilentMusic music;
    NoPresenter presenter;
    Forms forms{prompts, presenter, music};
};

using Clock = std::chrono::steady_clock;

inline double microseconds(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::micro>(end - start).count();
}

/// Median, mean, minimum and maximum of the samples, in microseconds.
inline void report(QTextStream& out, const QString& what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const double mean =
        std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    out << what << ": median " << samples[samples.size() / 2] << " µs, mean " << mean << " µs, min "
        << samples.front() << " µs, max " << samples.back() << " µs (" << samples.size()
        << " runs)\n";
}

} // namespace BenchWindow
