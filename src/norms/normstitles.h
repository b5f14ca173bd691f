#pragma once

#include "app/windowid.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Norms {

/// One read-only pane of a Title window and the articles it holds.
struct PaneDescription
{
    QString name;     ///< "Text1", "Text2", "Text3"
    QString resource; ///< the pane text in the resources
    int firstArticle = 0;
    int lastArticle = 0; ///< articles added later ("768-bis") stand under their base number
};

/// What sets one Title window apart from the other four.
struct TitleDescription
{
    WindowId id = WindowId::titoloI;
    QString roman;        ///< "I" ... "V"
    int frameNumber = 2;  ///< place in the order of the main windows, 2 to 6
    int ownButton = 7;    ///< toolbar button that stands for this window
    QString caption;      ///< window caption
    QString frameHeading; ///< caption of Frame3, also printed
    QString guideName;    ///< name of the window in the guide question
    QString guideQuestion;
    std::vector<PaneDescription> panes; ///< top to bottom, also the printing order
};

/// The five Titles of Book II, in order.
const std::vector<TitleDescription>& titles();

/// The Title shown by a norms window; null for any other window.
const TitleDescription* titleOf(WindowId id);

/// The text of one pane, exactly as the window shows it.
QString paneText(const PaneDescription& pane);

/// The texts of every pane of the Title, top to bottom.
QStringList paneTexts(const TitleDescription& title);

/// "Testo vigente al 8 dicembre 2026": the date up to which the texts were
/// checked against the law, read from the data beside them.
QString currencyNotice();

} // namespace Norms
