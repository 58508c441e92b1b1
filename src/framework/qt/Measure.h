#pragma once
// Texts measured in a font with the style's own metrics, for the one arrangement, the same way
// for a page's real widgets and for a page on records (the sheet's one size comes from the ten
// pages measured without making their widgets).

#include <QFont>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "framework/Backend.h"
#include "framework/DialogTemplate.h"
#include "framework/Layout.h"

namespace framework::qt {

// A text as a wrapping label shows it: a hyphen inside a word ("USB-Stick") holds its two
// halves together (U+2011), so that a line never ends inside the word.
QString KeptWhole(const QString& text);

// Pixels for dialog units in a font.
QSize DialogUnitsToPixels(const QFont& font, int cx, int cy);

// The measure of texts in `font` (bold for the controls `bold` marks), for the arrangement.
std::unique_ptr<TextMeasure> MeasureFor(const QFont& font, std::vector<bool> bold);

// A page outside any sheet, only to be measured: its controls are records, measured in the
// pages' font, without making a widget for any of them.
std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page);

}  // namespace framework::qt
