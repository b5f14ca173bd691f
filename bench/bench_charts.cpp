// Time of drawing the pictures of a detailed case of 40 people, as the window
// redraws them at every edit: the family chart laid out and painted at its
// own size, and the share charts of both kinds of succession painted.

#include "family/familychart.h"
#include "family/familychartpainter.h"
#include "family/familyengine.h"
#include "family/familyfile.h"
#include "family/familysharechart.h"
#include "family40.h"
#include "output/sharechart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr int kRuns = 200;

double millisSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void report(QTextStream& out, const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double time : times)
        total += time;
    out << what << ": median " << QString::number(times[times.size() / 2], 'f', 2) << " ms, mean "
        << QString::number(total / double(times.size()), 'f', 2) << " ms, worst "
        << QString::number(times.back(), 'f', 2) << " ms\n";
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const FamilyFile::Reading reading = FamilyFile::decode(BenchFamily::family());
    if (!reading.familyCase) {
        out << "bench_charts: " << reading.fault << '\n';
        return 1;
    }
    const Family::FamilyCase& familyCase = *reading.familyCase;
    const FamilyEngine::Outcome outcome = FamilyEngine::compute(familyCase);
    out << "people: " << familyCase.people.size() << '\n';

    std::vector<double> family, shares, both;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const FamilyChart::Chart chart = FamilyChart::layout(familyCase, outcome);
        QImage image(chart.bounds.size().toSize(), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            FamilyChart::paint(painter, chart);
        }
        const double familyTime = millisSince(start);
        const auto sharesStart = std::chrono::steady_clock::now();
        const QImage pies =
            ShareChart::renderImage(FamilyShareChart::outcomeCharts(outcome, familyCase), 800, 96);
        const double sharesTime = millisSince(sharesStart);
        if (image.isNull() || pies.isNull())
            return 1;
        family.push_back(familyTime);
        shares.push_back(sharesTime);
        both.push_back(familyTime + sharesTime);
    }
    report(out, "family chart, layout and painting", family);
    report(out, "share charts, both kinds", shares);
    report(out, "both pictures", both);
    return 0;
}
