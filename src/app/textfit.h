#pragma once

class QPlainTextEdit;

/// Keeps a box's whole text in view. Where the text, wrapped at the box's
/// width, is taller than the box (a larger desktop font draws a little wider
/// than the layout grows), the box's font shrinks until the text fits, never
/// below three quarters of its size; it grows back when there is room.
namespace TextFit {

void keepWhole(QPlainTextEdit& box);

} // namespace TextFit
