#pragma once

#include <QString>

/// Program-wide identity values and message titles. They are constants: the
/// routines keep the names under which every window asks for them.
namespace Quotaramod {

struct Identity
{
    QString nomeprogramma;
    QString sottotitolo;
    QString versione;
    QString dataversione;   ///< day/month/year of the release
    QString codicerilascio; ///< day, month, two-digit year of the release build
};

struct Titles
{
    QString titolocontrollo; ///< message boxes about the data of the active window
    QString titoloaiuto;     ///< inline help and guide questions
    QString titoloelimina;   ///< the file dialog that deletes a saved case
};

/// The identity values; the same every time.
const Identity& impostaidentita();

/// The message titles derived from the identity.
const Titles& impostatitoli();

QString nomeprogramma();
QString sottotitolo();
QString versione();
QString titolocontrollo();
QString titoloaiuto();
QString titoloelimina();

/// "cliccare per uscire da Quotara": the tooltip of every exit button.
QString exitTooltip();

/// The about window's edition line, built from the identity values.
QString editionLine();

/// The system the program runs on, for the about window: "per sistemi Linux a 64 bit".
QString platformLine();

} // namespace Quotaramod
