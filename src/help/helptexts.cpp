#include "helptexts.h"

#include "app/datafiles.h"

namespace HelpTexts {

namespace {

struct Guide
{
    WindowId id;
    const char16_t* heading;
    const char16_t* resource;
};

constexpr Guide kGuides[] = {
    {WindowId::manuale, u"MANUALE D'USO RAPIDO", u":/help/data/manuale.txt"},
    {WindowId::guidafunzionamento, u"FUNZIONAMENTO DEL PROGRAMMA",
     u":/help/data/guidafunzionamento.txt"},
    {WindowId::guidasuccessione, u"Finestra SUCCESSIONE", u":/help/data/guidasuccessione.txt"},
    {WindowId::guidanorme, u"Finestra NORME", u":/help/data/guidanorme.txt"},
    {WindowId::guidatestamento, u"Finestra TESTAMENTO", u":/help/data/guidatestamento.txt"},
    {WindowId::guidamassime, u"Finestra MASSIME", u":/help/data/guidamassime.txt"},
    {WindowId::guidadettaglio, u"Finestra CALCOLO DETTAGLIATO", u":/help/data/guidadettaglio.txt"},
};

const Guide* find(WindowId id)
{
    for (const Guide& guide : kGuides) {
        if (guide.id == id)
            return &guide;
    }
    return nullptr;
}

QString readResource(const QString& path)
{
    // The data files are edited by hand: a trailing line end is not part of the text.
    return DataFiles::resourceText(path).trimmed();
}

} // namespace

bool isGuide(WindowId id)
{
    return find(id) != nullptr;
}

QString heading(WindowId id)
{
    const Guide* guide = find(id);
    return guide ? QString::fromUtf16(guide->heading) : QString();
}

QString text(WindowId id)
{
    const Guide* guide = find(id);
    return guide ? readResource(QString::fromUtf16(guide->resource)) : QString();
}

const QList<WindowId>& printOrder()
{
    static const QList<WindowId> order = [] {
        QList<WindowId> ids;
        for (const Guide& guide : kGuides)
            ids.append(guide.id);
        return ids;
    }();
    return order;
}

} // namespace HelpTexts
