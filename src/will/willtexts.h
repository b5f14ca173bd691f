#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <array>

/// The fixed texts of the will guide: what the window shows, what its "?"
/// buttons explain and what its printout adds. Nothing here is computed.
namespace WillTexts {

/// One of the five aspects of a valid will, in the window's order.
struct Aspect
{
    QString headingName; ///< objectName of the heading label
    QString heading;     ///< caption of the heading label
    QString textName;    ///< objectName of the text control
    QString text;        ///< the text, ending with its line break
    QString printedName; ///< first column of the printed table
};

/// A public web page the window offers beside the guide.
struct Link
{
    QString caption;
    QUrl url;
};

QString windowTitle();
/// `passo` when the window opens.
QString passoIniziale();

QString definitionHeading(); ///< `lb1`
QString definition();        ///< `nome`: the first paragraph of art. 587 of the Civil Code
QString aspectsTitle();      ///< `Label7`
const std::array<Aspect, 5>& aspects();

/// The explanation of "?" number `index` (1 to 5); any other index gives number 1's.
QString explanation(int index);

/// The lines of the window's AIUTO message.
QStringList inlineHelp();

QString adviceHeading(); ///< `Label1`
/// `Text2`: thirteen lines, each but the last ending with carriage return and line feed.
QString advice();

QString exampleHeading(); ///< `Label5`
/// `esempio`: the example handwritten will shown on screen, signature included.
QString example();
/// The example as the printout gives it: a later year and a revised wording.
QString printedExample();
/// The signature line that follows the printed example.
QString printedSignature();

/// The three `stima` pages, in button order.
const std::array<Link, 3>& links();

} // namespace WillTexts
