#include "vocabulary.h"

using namespace Qt::Literals::StringLiterals;

QString configurationName(Configuration configuration)
{
    static const std::array<QString, 12> names = {
        u"nessuna"_s,
        u"coniuge solo"_s,
        u"coniuge con fratelli e sorelle"_s,
        u"coniuge con ascendenti"_s,
        u"coniuge con ascendenti e fratelli e sorelle"_s,
        u"fratelli e sorelle soli"_s,
        u"ascendenti soli"_s,
        u"ascendenti con fratelli e sorelle"_s,
        u"coniuge con due o più figli"_s,
        u"due o più figli"_s,
        u"coniuge con un figlio"_s,
        u"un figlio"_s,
    };
    return names[static_cast<std::size_t>(configurationNumber(configuration))];
}
