#pragma once

#include "normstitles.h"

class Document;

namespace Norms {

/// Fills the document with the whole Title: the program's name and subtitle,
/// the Title's heading, the date the texts are in force at and the text of
/// every pane in on-screen order.
void stampanorme(Document& document, const TitleDescription& title);

} // namespace Norms
