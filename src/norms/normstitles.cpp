#include "normstitles.h"

#include "app/datafiles.h"

namespace Norms {

namespace {

PaneDescription pane(const QString& window, int index, int first, int last)
{
    const QString name = QStringLiteral("Text%1").arg(index);
    return {name, QStringLiteral(":/norms/data/%1_%2.txt").arg(window, name), first, last};
}

QString question(const QString& guideName)
{
    return QStringLiteral("E' questa la finestra '") + guideName +
           QStringLiteral("': si vuole la guida della finestra?");
}

TitleDescription title(WindowId id, const QString& roman, int number, const QString& caption,
                       const QString& heading, const QString& guideName,
                       std::vector<PaneDescription> panes)
{
    return {id,
            roman,
            number,
            number + 5,
            caption,
            heading,
            guideName,
            question(guideName),
            std::move(panes)};
}

std::vector<TitleDescription> buildTitles()
{
    const QString I = QStringLiteral("titoloI");
    const QString II = QStringLiteral("titoloII");
    const QString III = QStringLiteral("titoloIII");
    const QString IV = QStringLiteral("titoloIV");
    const QString V = QStringLiteral("titoloV");
    std::vector<TitleDescription> all;
    all.push_back(title(WindowId::titoloI, QStringLiteral("I"), 2,
                        QStringLiteral("Quotara: articoli dal 456 al 564 del Codice Civile"),
                        QStringLiteral("Titolo I: Disposizioni generali sulle successioni."),
                        QStringLiteral("Norme (Disposizioni generali)"),
                        {pane(I, 1, 456, 511), pane(I, 2, 512, 564)}));
    all.push_back(title(WindowId::titoloII, QStringLiteral("II"), 3,
                        QStringLiteral("Quotara: articoli dal 565 al 586 del Codice Civile"),
                        QStringLiteral("Titolo II: Delle successioni legittime."),
                        QStringLiteral("Norme (Successioni legittime)"), {pane(II, 1, 565, 586)}));
    all.push_back(title(WindowId::titoloIII, QStringLiteral("III"), 4,
                        QStringLiteral("Quotara: articoli dal 587al 712 del Codice Civile"),
                        QStringLiteral("Titolo III: Delle successioni testamentarie."),
                        QStringLiteral("Norme (Successioni testamentarie)"),
                        {pane(III, 1, 587, 623), pane(III, 2, 624, 687), pane(III, 3, 688, 712)}));
    all.push_back(title(WindowId::titoloIV, QStringLiteral("IV"), 5,
                        QStringLiteral("Quotara: articoli dal 713 al 768 del Codice Civile"),
                        QStringLiteral("Titolo IV: Della divisione."),
                        QStringLiteral("Norme (Della divisione)"), {pane(IV, 1, 713, 768)}));
    all.push_back(title(WindowId::titoloV, QStringLiteral("V"), 6,
                        QStringLiteral("Quotara: articoli dal 769 all'809 del Codice Civile"),
                        QStringLiteral("Titolo V: Delle donazioni."),
                        QStringLiteral("Norme (Delle donazioni)"), {pane(V, 1, 769, 809)}));
    return all;
}

} // namespace

const std::vector<TitleDescription>& titles()
{
    static const std::vector<TitleDescription> all = buildTitles();
    return all;
}

const TitleDescription* titleOf(WindowId id)
{
    for (const TitleDescription& title : titles()) {
        if (title.id == id)
            return &title;
    }
    return nullptr;
}

QString paneText(const PaneDescription& pane)
{
    return DataFiles::resourceText(pane.resource);
}

QString currencyNotice()
{
    return QStringLiteral("Testo vigente al ") +
           DataFiles::resourceText(QStringLiteral(":/norms/data/vigenza.txt")).trimmed();
}

QStringList paneTexts(const TitleDescription& title)
{
    QStringList texts;
    for (const PaneDescription& pane : title.panes)
        texts.append(paneText(pane));
    return texts;
}

} // namespace Norms
