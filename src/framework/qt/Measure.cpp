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
#include "framework/headless/MeasuredPage.h"

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

namespace {

QString Q(const std::wstring& text) {
    return QString::fromStdWString(text);
}

// Texts measured in a font (bold for a title) with the style's own metrics.
class QtTextMeasure final : public TextMeasure {
  public:
    QtTextMeasure(const QFont& font, std::vector<bool> bold)
        : font_(font),
          boldFont_(FontOf(font, true)),
          normal_(font),
          boldMetrics_(boldFont_),
          bold_(std::move(bold)),
          units_(BaseUnits(font)) {}

    PlacedControl Place(const ControlSpec& row) const override {
        const QSize origin = Pixels(row.x, row.y);
        const QSize size = Pixels(row.cx, row.cy);
        return {origin.width(), origin.height(), size.width(), size.height()};
    }
    WindowSize Size(const DialogTemplate& dialogTemplate) const override {
        const QSize size = Pixels(dialogTemplate.cx, dialogTemplate.cy);
        return {size.width(), size.height()};
    }
    int Gap() const override { return Pixels(4, 0).width(); }
    WindowSize OneLine(std::size_t index, const std::wstring& text, bool mnemonic) const override {
        const int flags = Qt::AlignLeft | Qt::AlignTop | (mnemonic ? Qt::TextShowMnemonic : 0);
        const QRect natural = Metrics(index).boundingRect(0, 0, 2000, 2000, flags, Q(text));
        return {natural.width(), natural.height()};
    }
    int Wrapped(std::size_t index, const std::wstring& text, int width) const override {
        return Metrics(index)
            .boundingRect(0, 0, width, 2000, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          Q(text))
            .height();
    }
    int CjkCharacter(std::size_t index) const override {
        return Metrics(index).horizontalAdvance(QChar(0x4e00));
    }
    int Radio(std::size_t index, std::wstring& shown, int width) const override {
        // The circle and its gap, then the text broken into lines that fit beside it.
        QStyle* style = QApplication::style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4;
        const QString wrapped =
            WrapToWidth(Q(shown), Bold(index) ? boldFont_ : font_, width - indicator);
        shown = wrapped.toStdWString();
        // Measured as drawn: a line of CJK text is as high as its fallback font.
        const QSize text =
            style->itemTextRect(Metrics(index), QRect(), Qt::TextShowMnemonic, false, wrapped)
                .size();
        return ButtonSize(QStyle::CT_RadioButton, wrapped, text, Metrics(index)).height();
    }
    int PushWidth(std::size_t index, const std::wstring& text) const override {
        const QSize size = Metrics(index).size(Qt::TextShowMnemonic, Q(text));
        return ButtonSize(QStyle::CT_PushButton, Q(text), size, Metrics(index)).width();
    }
    int ComboHeight(std::size_t index) const override { return qt::ComboHeight(Metrics(index)); }

  private:
    bool Bold(std::size_t index) const { return index < bold_.size() && bold_[index]; }
    const QFontMetrics& Metrics(std::size_t index) const {
        return Bold(index) ? boldMetrics_ : normal_;
    }
    QSize Pixels(int cx, int cy) const {
        return QSize((cx * units_.width() + 2) / 4, (cy * units_.height() + 4) / 8);
    }

    QFont font_;
    QFont boldFont_;
    QFontMetrics normal_;
    QFontMetrics boldMetrics_;
    std::vector<bool> bold_;
    QSize units_;
};

}  // namespace

std::unique_ptr<TextMeasure> MeasureFor(const QFont& font, std::vector<bool> bold) {
    return std::make_unique<QtTextMeasure>(font, std::move(bold));
}

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page) {
    return headless::CreateMeasuredPage(page, {[](const std::vector<bool>& bold) {
                                            return MeasureFor(QApplication::font(), bold);
                                        }});
}

}  // namespace framework::qt
