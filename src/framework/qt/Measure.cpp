#include "framework/qt/Measure.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextLayout>
#include <algorithm>

#include "framework/PropertyPage.h"
#include "framework/Text.h"
#include "framework/headless/Controls.h"

namespace framework::qt {
namespace {

// Dialog base units of a font: the average width of the Latin letters and the line height.
// Every control of every page asks for them, nearly always in the same font: measured once.
QSize BaseUnits(const QFont& font) {
    static QFont measured;
    static QSize units;
    if (units.isEmpty() || font != measured) {
        const QFontMetrics metrics(font);
        const int width =
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        measured = font;
        units = QSize((width + 26) / 52, metrics.height());
    }
    return units;
}

}  // namespace

QString KeptWhole(const QString& text) {
    return QString::fromStdWString(framework::KeptWhole(text.toStdWString()));
}

namespace {

// Breaks `text` into lines no wider than `width` (words, or characters for CJK).
QString WrapToWidth(const QString& text, const QFont& font, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (paragraph.isEmpty()) {
            lines << QString();
        }
    }
    return lines.join('\n');
}

QFont FontOf(const QFont& font, bool bold) {
    QFont f = font;
    if (bold) {
        f.setWeight(QFont::Bold);
    }
    return f;
}

// A button's size for its caption's size, as the style sizes a push or radio button.
QSize ButtonSize(QStyle::ContentsType type, const QString& text, QSize contents,
                 const QFontMetrics& metrics) {
    QStyle* style = QApplication::style();
    QStyleOptionButton option;
    option.text = text;
    option.fontMetrics = metrics;
    if (type == QStyle::CT_RadioButton) {
        contents.setHeight(
            std::max(contents.height(), style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight)));
    }
    return style->sizeFromContents(type, &option, contents);
}

int ComboHeight(const QFontMetrics& metrics) {
    QStyleOptionComboBox option;
    option.fontMetrics = metrics;
    option.editable = false;
    return QApplication::style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(metrics.height(), metrics.height()))
        .height();
}

}  // namespace

QSize DialogUnitsToPixels(const QFont& font, int cx, int cy) {
    const QSize units = BaseUnits(font);
    return QSize((cx * units.width() + 2) / 4, (cy * units.height() + 4) / 8);
}

Arrangement ArrangeForTexts(const DialogTemplate& dialogTemplate,
                            const std::vector<ControlText>& texts, const QFont& font) {
    Arrangement out;
    QStyle* style = QApplication::style();
    // Each text is shaped once: the measures below are the costliest part of start-up, where
    // ten pages are measured for the sheet's one size.
    const QSize units = BaseUnits(font);
    auto pixels = [&units](int cx, int cy) {
        return QSize((cx * units.width() + 2) / 4, (cy * units.height() + 4) / 8);
    };
    const QFont boldFont = FontOf(font, true);
    const QFontMetrics normalMetrics(font);
    const QFontMetrics boldMetrics(boldFont);
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlSpec& row = dialogTemplate.controls[i];
        const ControlText& control = texts[i];
        const QFont& controlFont = control.bold ? boldFont : font;
        const QFontMetrics& metrics = control.bold ? boldMetrics : normalMetrics;
        const QSize origin = pixels(row.x, row.y);
        QSize size = pixels(row.cx, row.cy);
        PlacedControl c{origin.width(), origin.height(), size.width(), size.height()};
        c.needed = size.height();
        c.button = row.kind == ControlKind::Push;
        c.shown = control.shown;
        bool wraps = false;
        QString shown = control.text;
        if (row.kind == ControlKind::Static && !(row.style & kScroll)) {
            // A one-line label whose text is too long for it wraps rather than being cut; a
            // label naming a field is as wide as its text, on one line (the field moves).
            const int flags = Qt::AlignLeft | Qt::AlignTop;
            const bool labelsField = LabelsAField(dialogTemplate, i);
            wraps = !(row.style & kVCenter) && !labelsField;
            if (((row.style & kVCenter) || labelsField) && !control.text.isEmpty()) {
                const int mnemonic = labelsField ? int(Qt::TextShowMnemonic) : 0;
                const QRect natural =
                    metrics.boundingRect(0, 0, 2000, 2000, flags | mnemonic, control.text);
                if (labelsField) {
                    c.labelsField = true;
                    c.cx = std::max(c.cx, natural.width() + 1);
                    size.setWidth(c.cx);
                }
                wraps = natural.width() > size.width();
                c.textHeight = natural.height();
            }
            if (wraps && !control.text.isEmpty()) {
                const QString shownText =
                    (row.style & kVerbatim) ? control.text : KeptWhole(control.text);
                auto height = [&metrics, flags](const std::wstring& t, int w) {
                    return metrics
                        .boundingRect(0, 0, w, 2000, flags | Qt::TextWordWrap,
                                      QString::fromStdWString(t))
                        .height();
                };
                c.cx = WidthWithoutLoneCharacter(
                    shownText.toStdWString(), c.cx,
                    [&metrics] { return metrics.horizontalAdvance(QChar(0x4e00)); }, height);
                size.setWidth(c.cx);
                c.textHeight = height(shownText.toStdWString(), size.width());
            }
            if (wraps) {
                // Any translation fits in a few times the template's height; only text read
                // from a key can need more, and it must not stretch the window off the screen.
                c.needed = std::min(c.textHeight, size.height() * 8);
            }
        } else if (row.kind == ControlKind::Radio) {
            // The circle and its gap, then the text broken into lines that fit beside it.
            const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4;
            shown = WrapToWidth(control.text, controlFont, size.width() - indicator);
            // Measured as drawn: a line of CJK text is as high as its fallback font.
            const QSize text =
                style->itemTextRect(metrics, QRect(), Qt::TextShowMnemonic, false, shown).size();
            c.needed = ButtonSize(QStyle::CT_RadioButton, shown, text, metrics).height();
        } else if (row.kind == ControlKind::Push) {
            // A caption longer than its button widens it; the row makes room below.
            const QSize text = metrics.size(Qt::TextShowMnemonic, control.text);
            c.cx = std::max(c.cx,
                            ButtonSize(QStyle::CT_PushButton, control.text, text, metrics).width());
        } else if (row.kind == ControlKind::Combo) {
            c.cy = c.needed = c.fieldHeight = ComboHeight(metrics);
        } else if (row.kind == ControlKind::Edit || row.kind == ControlKind::IPAddress) {
            c.fieldHeight = c.cy;
        }
        out.placed.push_back(c);
        out.wraps.push_back(wraps);
        out.shown.push_back(shown);
    }
    const QSize base = pixels(dialogTemplate.cx, dialogTemplate.cy);
    const WindowSize size =
        ArrangeControls(out.placed, {base.width(), base.height()}, pixels(4, 0).width());
    out.size = QSize(size.cx, size.cy);
    return out;
}

namespace {

class QtMeasuredPage final : public PageWindow {
  public:
    explicit QtMeasuredPage(CPropertyPageEx& page)
        : controls_(
              page.Template(), [](int, Notify) {}, &focus_),
          template_(page.Template()) {}
    headless::RecordControls& Ctl() override { return controls_; }
    WindowSize Relayout(bool) override {
        std::vector<ControlText> texts;
        for (const ControlSpec& row : template_.controls) {
            const headless::RecordControl& control = controls_.At(row.id);
            texts.push_back({QString::fromStdWString(control.text), control.shown, control.bold});
        }
        const QSize size = ArrangeForTexts(template_, texts, QApplication::font()).size;
        return {size.width(), size.height()};
    }
    int FocusedControl() const override { return 0; }

  private:
    headless::RecordFocus focus_;
    headless::RecordControls controls_;
    DialogTemplate template_;
};

}  // namespace

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page) {
    return std::make_unique<QtMeasuredPage>(page);
}

}  // namespace framework::qt
