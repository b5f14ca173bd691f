#pragma once

#include <QString>

#include <array>

class Document;

/// What the printout takes from the will window: the controls' texts as they
/// stand when the user prints.
struct WillPrintContent
{
    QString definitionHeading;            ///< caption of `lb1`
    QString definition;                   ///< caption of `nome`
    std::array<QString, 5> aspectTexts{}; ///< `tipo`, `testatore`, `luogo`, `contenuto`, `firma`
};

/// The window's content as it stands on screen, from the fixed texts.
WillPrintContent defaultWillPrintContent();

/// Builds the printed will guide into `document`: the headings, the
/// definition, the table of the five aspects, the example will with its
/// signature, everything justified.
void stampatestamento(Document& document, const WillPrintContent& content);
