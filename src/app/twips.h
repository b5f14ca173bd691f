#pragma once

#include <QRect>
#include <QtGlobal>

/// Layouts are given in twips, 15 to a pixel at 96 dpi; Qt scales pixels for
/// high-dpi screens.
namespace Twips {

constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + (twips >= 0 ? perPixel / 2 : -perPixel / 2)) / perPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
