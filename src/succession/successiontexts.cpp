#include "successiontexts.h"

#include "sharerules.h"
#include "spousehousing.h"

using namespace Qt::Literals::StringLiterals;

namespace SuccessionTexts {

const QString& typeInformation()
{
    static const QString text =
        u"La successione testamentaria presuppone che vi sia un testamento valido. La "
        u"successione legittima, invece, presuppone che tale tipo di testamento non vi sia e le "
        u"quote vengono assegnate solamente secondo legge (non esiste la quota disponibile)."_s;
    return text;
}

// The second paragraph of art. 540 of the Civil Code, on the spouse's housing right.
const QString& spouseRights()
{
    static const QString text =
        u"Art.540 C.C. secondo comma: \""_s + spouseHousingParagraph() +
        u"\" (Secondo la giurisprudenza tale comma è applicabile sia "
        u"alla successione testamentaria che alla successione legittima)."_s;
    return text;
}

QString spiegazione(int index)
{
    switch (index) {
    case 2:
        return u"La tipologia della successione (testamentaria o legittima) è necessaria perchè "
               u"diverse sono le quote previste dalla legge per gli eredi e, nel caso della "
               u"successione testamentaria, esiste anche la quota disponibile (a disposizione del "
               u"testatore)."_s;
    case 3:
        return u"Per semplicità bisogna indicare il valore dei beni oggetto dell'asse "
               u"ereditario. Se non si è in grado di indicarne il valore, occorre una stima "
               u"tecnica dei beni: conviene rivolgersi a un perito o a un professionista "
               u"abilitato alla stima del tipo di bene (immobili, aziende, titoli, oggetti di "
               u"valore) oppure servirsi di un programma di stima dei beni."_s;
    case 4:
        return u"La quota spettante ai figli, naturali e legittimi, si divide in parti uguali ai "
               u"sensi del secondo comma dell'art.537."_s;
    case 5:
        return u"Gli ascendenti sono i genitori, ma anche i nonni e i bisnonni fino al sesto "
               u"grado: ai sensi del secondo comma dell'art.572 del Codice Civile 'La successione "
               u"non ha luogo tra i parenti oltre il sesto grado.' In assenza di eredi l'eredità "
               u"è devoluta allo Stato ai sensi dell'art.586 del Codice Civile."_s;
    case 6:
        return u"Al coniuge spetta sempre il diritto di abitazione sulla casa adibita a residenza "
               u"familiare ai sensi del secondo comma dell'art.540 del Codice Civile."_s;
    case 7:
    case 11:
        return unilateralNote();
    case 8:
        return u"La parte di eredità disponibile esiste solo se il testatore fa testamento (con "
               u"la successione legittima non esiste) ed è la parte di cui egli può disporre a "
               u"favore di chiunque (anche di coloro che già sono eredi legittimi)."_s;
    case 9:
        return u"Viene riportata in percentuale sull'eredità la quota spettante a ciascun "
               u"figlio."_s;
    case 10:
        return u"In caso di pluralità di ascendenti legittimi (quando non vi sono altri eredi "
               u"come i figli, il coniuge ed i fratelli) la quota è ripartita per metà tra quelli "
               u"di linea paterna e per metà tra quelli di linea materna (art.569 Codice "
               u"Civile). Ai sensi del secondo comma dello stesso art.569: 'Se però gli "
               u"ascendenti non sono di eguale grado, l'eredità è devoluta al più vicino senza "
               u"distinzione di linea.'"_s;
    default:
        return u"Il de cuius (parola latina) è la persona defunta e del quale si erediteranno i "
               u"beni oggetto della divisione."_s;
    }
}

} // namespace SuccessionTexts
