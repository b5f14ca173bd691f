#include "windowid.h"

QString windowName(WindowId id)
{
    switch (id) {
    case WindowId::frmSplash:
        return QStringLiteral("frmSplash");
    case WindowId::successione:
        return QStringLiteral("successione");
    case WindowId::titoloI:
        return QStringLiteral("titoloI");
    case WindowId::titoloII:
        return QStringLiteral("titoloII");
    case WindowId::titoloIII:
        return QStringLiteral("titoloIII");
    case WindowId::titoloIV:
        return QStringLiteral("titoloIV");
    case WindowId::titoloV:
        return QStringLiteral("titoloV");
    case WindowId::testamento:
        return QStringLiteral("testamento");
    case WindowId::massime:
        return QStringLiteral("massime");
    case WindowId::dettaglio:
        return QStringLiteral("dettaglio");
    case WindowId::grafico:
        return QStringLiteral("grafico");
    case WindowId::sommario:
        return QStringLiteral("sommario");
    case WindowId::manuale:
        return QStringLiteral("manuale");
    case WindowId::guidafunzionamento:
        return QStringLiteral("guidafunzionamento");
    case WindowId::guidasuccessione:
        return QStringLiteral("guidasuccessione");
    case WindowId::guidanorme:
        return QStringLiteral("guidanorme");
    case WindowId::guidatestamento:
        return QStringLiteral("guidatestamento");
    case WindowId::guidamassime:
        return QStringLiteral("guidamassime");
    case WindowId::guidadettaglio:
        return QStringLiteral("guidadettaglio");
    case WindowId::frmTip:
        return QStringLiteral("frmTip");
    case WindowId::catalogo:
        return QStringLiteral("catalogo");
    case WindowId::supportoclienti:
        return QStringLiteral("supportoclienti");
    case WindowId::informa:
        return QStringLiteral("informa");
    }
    return {};
}
