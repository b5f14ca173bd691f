// Time of one recomputation of the shares, as every keystroke in the
// succession window runs it: 100000 runs over every configuration and type.

#include "app/numbers.h"
#include "succession/calculator.h"
#include "succession/sharerules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <chrono>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kRuns = 100000;

std::vector<CalculatorState> states()
{
    // Children, ascendants, spouse, brothers and sisters of the eleven configurations.
    const double heirs[][4] = {{0, 0, 1, 0}, {0, 0, 1, 2}, {0, 2, 1, 0}, {0, 2, 1, 2},
                               {0, 0, 0, 3}, {0, 2, 0, 0}, {0, 1, 0, 3}, {3, 0, 1, 0},
                               {3, 0, 0, 0}, {1, 0, 1, 0}, {1, 0, 0, 0}, {0, 0, 0, 0}};
    std::vector<CalculatorState> result;
    for (const SuccessionType type :
         {SuccessionType::Testamentaria, SuccessionType::Legittima, SuccessionType::Entrambe}) {
        for (const auto& h : heirs) {
            CalculatorState state;
            state.successione = TypeField::of(type);
            state.beni = u"123.456,78"_s;
            state.figli = h[0];
            state.ascendenti = h[1];
            state.coniuge = h[2] > 0 ? Spouse::Si : Spouse::No;
            state.fratelli = h[3];
            result.push_back(state);
        }
    }
    return result;
}

template <class Run> double microsecondsPerRun(Run run)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i)
        run(i);
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / kRuns;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTextStream out(stdout);

    const std::vector<CalculatorState> cases = states();
    Results results;
    long long checksum = 0;
    const double rules = microsecondsPerRun([&](int i) {
        azzeraquote(results);
        calcolaquote(cases[static_cast<std::size_t>(i) % cases.size()], results);
        checksum += configurationNumber(results.configuration);
    });

    Calculator calculator = Calculator::opened();
    const QString counts[] = {u"0"_s, u"1"_s, u"2"_s, u"3"_s};
    const double keystroke = microsecondsPerRun([&](int i) {
        calculator.figliChange(counts[i % 4]);
        checksum += configurationNumber(calculator.results().configuration);
    });

    out << "azzeraquote + calcolaquote: " << rules << " µs per run (" << kRuns << " runs)\n";
    out << "figli_Change on the calculator: " << keystroke << " µs per run (" << kRuns
        << " runs)\n";
    out << "checksum " << checksum << '\n';
    return 0;
}
