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

QString rowName(ResultRow row)
{
    switch (row) {
    case ResultRow::Figli:
        return u"figli"_s;
    case ResultRow::Ascendenti:
        return u"ascendenti"_s;
    case ResultRow::Coniuge:
        return u"coniuge"_s;
    case ResultRow::Fratelli:
        return u"fratelli"_s;
    case ResultRow::Disponibile:
        return u"disponibile"_s;
    case ResultRow::Figlio:
        return u"a ciascun figlio (%)"_s;
    case ResultRow::Ascendente:
        return u"a ciascun ascendente (%)"_s;
    case ResultRow::Fratello:
        return u"a ciascun fratello (%)"_s;
    }
    return {};
}
