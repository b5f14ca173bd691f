#include "willtexts.h"

namespace WillTexts {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString windowTitle()
{
    return QStringLiteral("Quotara: il testamento");
}

QString passoIniziale()
{
    return QStringLiteral(
        "visualizza le informazioni e clicca sul tasto con il punto interrogativo");
}

QString definitionHeading()
{
    return QStringLiteral("Art.587 C.C., primo comma");
}

QString definition()
{
    return QStringLiteral("Il testamento è un atto revocabile con il quale taluno dispone, per il "
                          "tempo in cui avrà cessato di vivere, di tutte le proprie sostanze o di "
                          "parte di esse.");
}

QString aspectsTitle()
{
    return QStringLiteral("Come fare un testamento");
}

const std::array<Aspect, 5>& aspects()
{
    static const std::array<Aspect, 5> list = {{
        {QStringLiteral("Label2"), QStringLiteral("tipi di testamento"), QStringLiteral("tipo"),
         QStringLiteral("olografo, pubblico, segreto") + kCrLf,
         QStringLiteral("tipo di testamento")},
        {QStringLiteral("Label3"), QStringLiteral("testatore"), QStringLiteral("testatore"),
         QStringLiteral("colui che non è dichiarato incapace dalla legge") + kCrLf,
         QStringLiteral("testatore")},
        {QStringLiteral("Label4"), QStringLiteral("data e luogo"), QStringLiteral("luogo"),
         QStringLiteral("la data deve contenere giorno mese e anno, non è necessario il luogo") +
             kCrLf,
         QStringLiteral("data e luogo")},
        {QStringLiteral("Label6"), QStringLiteral("contenuto"), QStringLiteral("contenuto"),
         QStringLiteral("anche sotto forma di lettera; non bisogna oltrepassare la quota "
                        "disponibile ") +
             kCrLf,
         QStringLiteral("contenuto")},
        {QStringLiteral("Label10"), QStringLiteral("firma"), QStringLiteral("firma"),
         QStringLiteral("la firma è necessaria per rendere il documento valido") + kCrLf,
         QStringLiteral("firma")},
    }};
    return list;
}

QString explanation(int index)
{
    // The explanations keep their long-standing wording, slips included.
    switch (index) {
    case 2:
        return QStringLiteral("Il testatore è colui che disponde delle sue sostanze nel "
                              "testamento. Non deve essere una persona dichiarata incapace dalla "
                              "legge, nè minorenne.");
    case 3:
        return QStringLiteral("La data del testamento è fondamentale: qualora sia mancante o "
                              "indefinita è causa di nullità dell'atto. A tal proposito è valido "
                              "anche un riferimento preciso ad una data come 'Natale 2005'. La "
                              "mancanza del luogo non è causa di nullità.");
    case 4:
        return QStringLiteral("Il contenuto del testamento è sempre modificabile o revocabile da "
                              "parte del testatore (con un atto successivo, perciò è importante "
                              "la data). Egli dispone dei suoi beni secondo quanto prescrive la "
                              "legge. Nelle disposizioni dovrà mantenere integre le quote "
                              "legittime.");
    case 5:
        return QStringLiteral("Un testamento senza firma è nullo. In caso di impossibilità del "
                              "testatore ad apporre la firma egli deve rivolgersi ad un notaio "
                              "che riceverà il testamento in presenza di due testimoni.");
    default:
        return QStringLiteral("Il testamento olografo è quello scritto per intero dal testatore: "
                              "di suo pugno e non con una maccina da scrivere.") +
               QChar(13) +
               QStringLiteral("Il testamento pubblico è quello ricevutodal notaio in presenza di "
                              "due testimoni.") +
               QChar(13) +
               QStringLiteral("Il testamento segreto è un testamento scritto, anche a macchina, "
                              "su una scheda firmata che viene consegnata ad un notaio. Questi "
                              "redige l'atto di ricevimento.");
    }
}

QStringList inlineHelp()
{
    return {QStringLiteral("- La finestra è di sola lettura;"),
            QStringLiteral("- visualizzare le informazioni o cliccare sul tasto con il simbolo "
                           "'?';"),
            QStringLiteral("- procedere, se necessario, con la stampa dei dati della finestra.")};
}

QString adviceHeading()
{
    return QStringLiteral("Qualche consiglio");
}

QString advice()
{
    const QStringList lines = {
        QStringLiteral("Il testamento olografo è il più semplice"),
        QStringLiteral("e il meno costoso: non servono né il"),
        QStringLiteral("notaio né i testimoni, basta scriverlo"),
        QStringLiteral("per intero a mano, datarlo e firmarlo."),
        QStringLiteral("Si scrive a casa propria e si cambia in"),
        QStringLiteral("ogni momento con uno nuovo, di data"),
        QStringLiteral("successiva."),
        QStringLiteral("Prima di scriverlo conviene calcolare"),
        QStringLiteral("con Quotara, nella finestra Successione,"),
        QStringLiteral("la quota disponibile: di questa parte si"),
        QStringLiteral("può disporre a favore di chiunque; il"),
        QStringLiteral("resto spetta per legge ai legittimari e"),
        QStringLiteral("il testamento non deve intaccarlo."),
    };
    return lines.join(kCrLf);
}

QString exampleHeading()
{
    return QStringLiteral("esempio di testamento olografo (da scrivere interamente a mano e da "
                          "firmare da parte del testatore)");
}

QString example()
{
    return QStringLiteral("Oggi, dieci marzo duemilacinque, io sottoscritto Mario Rossi, nel pieno "
                          "possesso delle mie capacità mentali, dispongo con questo testamento "
                          "dei miei beni per il tempo in cui avrò cessato di vivere. Lascio a mio "
                          "nipote Luca Rossi la casa di famiglia. Tutti gli altri miei beni "
                          "vadano in parti uguali ai miei quattro figli Anna, Paolo, Giulia e "
                          "Marco. Firmato Mario Rossi");
}

QString printedExample()
{
    return QStringLiteral("Oggi, dieci marzo duemilasette, io sottoscritto Mario Rossi, nel pieno "
                          "possesso delle mie facoltà mentali, dispongo per il tempo in cui avrò "
                          "cessato di vivere di tutte le mie sostanze come segue: lascio a mio "
                          "nipote Luca Rossi la casa di famiglia; tutti gli altri miei beni siano "
                          "divisi in parti uguali tra i miei quattro figli Anna, Paolo, Giulia e "
                          "Marco.");
}

QString printedSignature()
{
    return QStringLiteral("Firmato Mario Rossi");
}

const std::array<Link, 3>& links()
{
    static const std::array<Link, 3> list = {{
        {QStringLiteral("Codice Civile: il testamento"),
         QUrl(QStringLiteral("https://www.normattiva.it/uri-res/"
                             "N2Ls?urn:nir:stato:regio.decreto:1942-03-16;262~art587"))},
        {QStringLiteral("Registro generale dei testamenti"),
         QUrl(QStringLiteral("https://www.giustizia.it/giustizia/it/mg_3_9_11.wp"))},
        {QStringLiteral("Dichiarazione di successione"),
         QUrl(QStringLiteral(
             "https://www.agenziaentrate.gov.it/portale/web/guest/agenzia/"
             "amministrazione-trasparente/servizi-erogati/carta-servizi/i-nostri-servizi/"
             "area-dichiarazioni-fiscali/dichiarazione-di-successione"))},
    }};
    return list;
}

} // namespace WillTexts
