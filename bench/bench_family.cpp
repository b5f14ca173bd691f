// Time of one detailed computation for a family of 40 people over four
// generations (spouse, parents, grandparents, children with predeceased and
// renouncing members, grandchildren, great-grandchildren, siblings and
// nephews), intestate and reserved shares, as the detailed window runs it at
// every edit.

#include "family/familyengine.h"
#include "family/familyfile.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kBatches = 21;
constexpr int kRuns = 1000; ///< per batch

/// The processor time this thread has used: unlike the clock on the wall, it
/// does not count the time other programs on a busy machine take.
std::chrono::nanoseconds threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

QString person(const QString& id, const QString& fields)
{
    return u"{\"id\":\"%1\",%2}"_s.arg(id, fields);
}

QByteArray family()
{
    QStringList people{person(u"c"_s, u"\"relazione\":\"coniuge\""_s),
                       person(u"p"_s, u"\"relazione\":\"genitore\",\"linea\":\"paterna\""_s),
                       person(u"ga"_s, u"\"relazione\":\"ascendente\",\"linea\":\"materna\","
                                       u"\"grado\":2"_s),
                       person(u"gb"_s, u"\"relazione\":\"ascendente\",\"linea\":\"materna\","
                                       u"\"grado\":2"_s)};
    const QStringList statuses{u"premorto"_s, u"vivente"_s, u"rinunziante"_s, u"indegno"_s};
    for (int child = 0; child < 4; ++child) {
        const QString id = u"f%1"_s.arg(child);
        people << person(id, u"\"relazione\":\"figlio\",\"stato\":\"%1\""_s.arg(statuses[child]));
        for (int grandchild = 0; grandchild < 3; ++grandchild) {
            const QString nid = u"%1n%2"_s.arg(id).arg(grandchild);
            people << person(nid, u"\"relazione\":\"figlio\",\"di\":\"%1\",\"stato\":\"%2\""_s.arg(
                                      id, grandchild == 0 ? u"premorto"_s : u"vivente"_s));
            if (grandchild == 0) {
                for (int great = 0; great < 2; ++great)
                    people << person(u"%1b%2"_s.arg(nid).arg(great),
                                     u"\"relazione\":\"figlio\",\"di\":\"%1\""_s.arg(nid));
            }
        }
    }
    for (int sibling = 0; sibling < 3; ++sibling) {
        const QString id = u"s%1"_s.arg(sibling);
        people << person(id, u"\"relazione\":\"fratello\",\"stato\":\"premorto\""_s);
        for (int nephew = 0; nephew < 2; ++nephew)
            people << person(u"%1n%2"_s.arg(id).arg(nephew),
                             u"\"relazione\":\"figlio\",\"di\":\"%1\""_s.arg(id));
    }
    for (int relative = 0; relative < 3; ++relative)
        people << person(u"r%1"_s.arg(relative), u"\"relazione\":\"parente\",\"grado\":4"_s);
    return u"{\"formato\":\"quotara-famiglia/1\",\"decuius\":\"X\",\"tipologia\":\"entrambe\","
           u"\"relictum\":\"987654.32\",\"debiti\":\"1234.56\",\"donazioni\":[{\"donatario\":"
           u"\"f1\",\"valore\":\"50000\"}],\"persone\":[%1]}"_s.arg(people.join(u','))
               .toUtf8();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const FamilyFile::Reading reading = FamilyFile::decode(family());
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
