// Time of one detailed computation for a family of 40 people over four
// generations (spouse, parents, grandparents, children with predeceased and
// renouncing members, grandchildren, great-grandchildren, siblings and
// nephews), intestate and reserved shares, as the detailed window runs it at
// every edit.

#include "benchclock.h"
#include "family/familyengine.h"
#include "family/familyfile.h"
#include "family40.h"

#include <QCoreApplication>
#include <QTextStream>
#include <chrono>
#include <vector>

namespace {

constexpr int kBatches = 21;
constexpr int kRuns = 1000; ///< per batch

using BenchClock::median;
using BenchClock::threadTime;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const FamilyFile::Reading reading = FamilyFile::decode(BenchFamily::family());
    if (!reading.familyCase) {
        out << "bench_family: " << reading.fault << '\n';
        return 1;
    }
    out << "people: " << reading.familyCase->people.size() << '\n';
    qsizetype shares = 0;
    std::vector<double> wall, processor;
    for (int batch = 0; batch < kBatches; ++batch) {
        const auto startWall = std::chrono::steady_clock::now();
        const auto startProcessor = threadTime();
        for (int run = 0; run < kRuns; ++run) {
            const FamilyEngine::Outcome outcome = FamilyEngine::compute(*reading.familyCase);
            shares = outcome.legittima->shares.size() + outcome.testamentaria->shares.size();
        }
        const auto micros = [](auto elapsed) {
            return std::chrono::duration<double, std::micro>(elapsed).count() / double(kRuns);
        };
        wall.push_back(micros(std::chrono::steady_clock::now() - startWall));
        processor.push_back(micros(threadTime() - startProcessor));
    }
    out << "legittima and riserva of 40 people (" << shares << " shares), median of " << kBatches
        << " batches of " << kRuns << ": " << QString::number(median(wall), 'f', 1)
        << " us per computation on the wall clock, " << QString::number(median(processor), 'f', 1)
        << " us of processor time\n";
    return 0;
}
