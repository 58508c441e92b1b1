#pragma once
// Where a template's controls go for their texts, measured in a font with the style's own
// metrics, the same way for a page's real widgets and for a page on records: the sheet's one
// size comes from the ten pages measured without making their widgets.

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

// What the arrangement knows of a control: its text (a radio button's whole text), whether
// it is shown, and whether its font is the bold one of a title.
struct ControlText {
    QString text;
    bool shown = true;
    bool bold = false;
};

// The arrangement: each control's place, the size the window needs (at least the
// template's), and for each control whether its text wraps (a label) and the text to show
// (a radio button's text broken into lines).
struct Arrangement {
    std::vector<PlacedControl> placed;
    QSize size;
    std::vector<bool> wraps;
    std::vector<QString> shown;
};

Arrangement ArrangeForTexts(const DialogTemplate& dialogTemplate,
                            const std::vector<ControlText>& texts, const QFont& font);

// A page outside any sheet, only to be measured: its controls are records, measured in the
// pages' font, without making a widget for any of them.
std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page);

}  // namespace framework::qt
