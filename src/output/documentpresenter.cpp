#include "documentpresenter.h"

#include <QDir>

QString Presentation::status(const QString& shownText) const
{
    switch (place) {
    case Place::WordProcessor:
        return QStringLiteral("%1 (file %2)").arg(shownText, QDir::toNativeSeparators(fileName));
    case Place::Preview:
        return QStringLiteral("il documento è nell'anteprima: da lì si stampa, si salva come ODT "
                              "o si esporta in PDF");
    case Place::Nowhere:
        break;
    }
    return QStringLiteral("il documento non è stato creato");
}

QString DocumentPresenter::loadingStatus()
{
    return QStringLiteral("sto caricando WORD");
}
