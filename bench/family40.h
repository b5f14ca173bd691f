#pragma once

// The family of 40 people the detailed benchmarks time: spouse, parents,
// grandparents, children with predeceased and renouncing members,
// grandchildren, great-grandchildren, siblings and nephews, other relatives.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace BenchFamily {

using namespace Qt::Literals::StringLiterals;

inline QString person(const QString& id, const QString& fields)
{
    return u"{\"id\":\"%1\",%2}"_s.arg(id, fields);
}

inline QByteArray family()
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

} // namespace BenchFamily
