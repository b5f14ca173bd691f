// Time of drawing the pictures of a detailed case of 40 people at every edit:
// the family chart laid out and painted whole, the share charts of both kinds
// of succession painted as the reports draw them, and the window's own views
// (the family chart's scene and the Qt Charts pies) given the new case and
// rendered at their size on screen.

#include "benchclock.h"
#include "family/familychart.h"
#include "family/familychartpainter.h"
#include "family/familychartview.h"
#include "family/familyengine.h"
#include "family/familyfile.h"
#include "family/familysharechart.h"
#include "family40.h"
#include "output/sharechart.h"
#include "output/sharechartview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>

#include <chrono>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 200;

struct Times
{
    std::vector<double> wall;
    std::vector<double> processor;
};

Times timed(const std::function<void()>& draw)
{
    Times times;
    for (int run = 0; run < kRuns; ++run) {
        const auto startWall = std::chrono::steady_clock::now();
        const auto startProcessor = BenchClock::threadTime();
        draw();
        const auto millis = [](auto elapsed) {
            return std::chrono::duration<double, std::milli>(elapsed).count();
        };
        times.wall.push_back(millis(std::chrono::steady_clock::now() - startWall));
        times.processor.push_back(millis(BenchClock::threadTime() - startProcessor));
    }
    return times;
}

void report(QTextStream& out, const char* what, const Times& times)
{
    out << what << ", median of " << kRuns << ": "
        << QString::number(BenchClock::median(times.wall), 'f', 2) << " ms on the wall clock, "
        << QString::number(BenchClock::median(times.processor), 'f', 2)
        << " ms of processor time\n";
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const FamilyFile::Reading reading = FamilyFile::decode(BenchFamily::family());
    if (!reading.familyCase) {
        out << "bench_charts: " << reading.fault << '\n';
        return 1;
    }
    const Family::FamilyCase& familyCase = *reading.familyCase;
    const FamilyEngine::Outcome outcome = FamilyEngine::compute(familyCase);
    out << "people: " << familyCase.people.size() << '\n';

    qint64 drawn = 0; // what was drawn is used, so that nothing is left out
    const Times family = timed([&] {
        const FamilyChart::Chart chart = FamilyChart::layout(familyCase, outcome);
        QImage image(chart.bounds.size().toSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        FamilyChart::paint(painter, chart);
        drawn += image.width();
    });
    const Times shares = timed([&] {
        const QImage pies =
            ShareChart::renderImage(FamilyShareChart::outcomeCharts(outcome, familyCase), 800, 96);
        drawn += pies.width();
    });

    FamilyChartView familyView;
    familyView.resize(900, 600);
    ShareChartView legittima(QStringLiteral("graficolegittima"));
    ShareChartView testamentaria(QStringLiteral("graficotestamentaria"));
    legittima.resize(450, 320);
    testamentaria.resize(450, 320);
    const QList<ShareChart::Data> charts = FamilyShareChart::outcomeCharts(outcome, familyCase);
    bool flip = false;
    const Times screen = timed([&] {
        familyView.setChart(FamilyChart::layout(familyCase, outcome));
        // A changed case each time, as after an edit, so the pies are built anew.
        flip = !flip;
        legittima.setData(charts.at(flip ? 0 : 1));
        testamentaria.setData(charts.at(flip ? 1 : 0));
        drawn +=
            familyView.grab().width() + legittima.grab().width() + testamentaria.grab().width();
    });

    report(out, "family chart laid out and painted whole", family);
    report(out, "share charts of both kinds painted", shares);
    report(out, "the window's views: family chart and both pies, rendered on screen", screen);
    return drawn > 0 ? 0 : 1;
}
