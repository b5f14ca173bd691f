#pragma once

#include <QString>

/// Every window of the program, by the name the program knows it by.
enum class WindowId {
    frmSplash,
    successione,
    titoloI,
    titoloII,
    titoloIII,
    titoloIV,
    titoloV,
    testamento,
    massime,
    dettaglio,
    grafico,
    sommario,
    manuale,
    guidafunzionamento,
    guidasuccessione,
    guidanorme,
    guidatestamento,
    guidamassime,
    guidadettaglio,
    frmTip,
    catalogo,
    supportoclienti,
    informa,
};

/// The window's name, also its objectName.
QString windowName(WindowId id);
