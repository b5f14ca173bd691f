#include "quotaramod.h"

#include <QSysInfo>

namespace Quotaramod {

const Identity& impostaidentita()
{
    static const Identity identity{
        QStringLiteral("Quotara"), QStringLiteral("quote di successione"),
        QStringLiteral("2.06.05"), QStringLiteral("16/07/2005"), QStringLiteral("281211")};
    return identity;
}

const Titles& impostatitoli()
{
    static const Titles titles{
        impostaidentita().nomeprogramma +
            QStringLiteral(": controllo dati immessi nella finestra attiva"),
        impostaidentita().nomeprogramma + QStringLiteral(": aiuto in linea"),
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo")};
    return titles;
}

QString nomeprogramma()
{
    return impostaidentita().nomeprogramma;
}
QString sottotitolo()
{
    return impostaidentita().sottotitolo;
}
QString versione()
{
    return impostaidentita().versione;
}
QString titolocontrollo()
{
    return impostatitoli().titolocontrollo;
}
QString titoloaiuto()
{
    return impostatitoli().titoloaiuto;
}
QString titoloelimina()
{
    return impostatitoli().titoloelimina;
}

QString exitTooltip()
{
    return QStringLiteral("cliccare per uscire da ") + nomeprogramma();
}

QString editionLine()
{
    const Identity& id = impostaidentita();
    return QStringLiteral("edizione professionale - versione ") + id.versione +
           QStringLiteral("   ") + id.dataversione.right(4) + QStringLiteral("- 20") +
           id.codicerilascio.right(2);
}

QString platformLine()
{
    const QString kernel = QSysInfo::kernelType();
    QString system;
    if (kernel == u"linux")
        system = QStringLiteral("Linux");
    else if (kernel == u"winnt")
        system = QStringLiteral("Windows");
    else if (kernel == u"darwin")
        system = QStringLiteral("macOS");
    else
        system = kernel.left(1).toUpper() + kernel.mid(1);
    return QStringLiteral("per sistemi %1 a %2 bit").arg(system).arg(QSysInfo::WordSize);
}

} // namespace Quotaramod
