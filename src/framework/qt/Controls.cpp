#include "framework/qt/Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "framework/Text.h"
#include "framework/qt/IPAddressCtrl.h"
#include "framework/qt/Measure.h"
#include "platform/Platform.h"

namespace framework::qt {
namespace {

const char kFullText[] = "k4400FullText";

// Pictures are SVG, rendered at the control's size and the screen's pixel ratio by Qt's SVG
// image plugin, which is loaded only when the first picture is shown.
QPixmap RenderPicture(const QString& path, QSize size, qreal ratio) {
    QImageReader reader(path);
    const QSize target = reader.size().scaled(size, Qt::KeepAspectRatio);
    reader.setScaledSize(target * ratio);
    QPixmap pixmap = QPixmap::fromImageReader(&reader);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Pictures are SVG resources named by the template.
QString ImagePath(const char* image) {
    return QStringLiteral(":/images/%1.svg").arg(QLatin1String(image));
}

QString ToQ(const std::wstring& text) {
    return QString::fromStdWString(text);
}

}  // namespace

// The arrow keys move among a radio group's buttons as the template has the group (it may
// join buttons across other controls), skipping hidden and disabled ones, and choose the
// one they reach: the focus moves first, then the click, so that a page may move the focus
// on from the button chosen (the IPv6 button to its address box), as on Windows.
class RadioArrows final : public QObject {
  public:
    explicit RadioArrows(QtControls& host) : QObject(host.Owner()), host_(host) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left &&
            key != Qt::Key_Right) {
            return false;
        }
        const std::vector<int> group = host_.Group(watched->objectName().toInt());
        const auto at = std::find(group.begin(), group.end(), watched->objectName().toInt());
        const int count = static_cast<int>(group.size());
        const int step = (key == Qt::Key_Up || key == Qt::Key_Left) ? count - 1 : 1;
        for (int k = 1; at != group.end() && k < count; ++k) {
            auto* next = host_.ItemAs<QRadioButton>(
                group[(static_cast<int>(at - group.begin()) + step * k) % count]);
            if (next && next->isVisible() && next->isEnabled()) {
                next->setFocus(Qt::TabFocusReason);
                next->click();
                break;
            }
        }
        return true;
    }

  private:
    QtControls& host_;
};

QtControls::QtControls(QWidget* owner, const DialogTemplate& dialogTemplate, Notifier notify)
    : owner_(owner), template_(dialogTemplate), notify_(std::move(notify)) {
    Create();
}

void QtControls::Create() {
    QButtonGroup* group = nullptr;
    QWidget* previous = nullptr;
    for (const ControlSpec& row : template_.controls) {
        QWidget* widget = nullptr;
        const int id = row.id;
        if (row.style & kGroup) {
            group = nullptr;
        }
        switch (row.kind) {
            case ControlKind::Static: {
                if (row.style & kScroll) {
                    // Text read from a key may be of any length: it scrolls, the layout stays.
                    auto* text = new QPlainTextEdit(owner_);
                    text->setReadOnly(true);
                    text->setFrameShape(QFrame::NoFrame);
                    text->viewport()->setAutoFillBackground(false);
                    text->document()->setDocumentMargin(0);  // aligned with the labels
                    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
                    widget = text;
                    break;
                }
                auto* label = new QLabel(owner_);
                label->setWordWrap(!(row.style & kVCenter));
                label->setAlignment(row.style & kVCenter ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignLeft | Qt::AlignTop);
                label->setTextFormat(Qt::PlainText);
                widget = label;
                break;
            }
            case ControlKind::Edit: {
                auto* edit = new QLineEdit(owner_);
                if (row.style & kDigitsOnly) {
                    // Refuses anything but digits, typed or pasted.
                    edit->setValidator(
                        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
                }
                // Like a Windows edit box, a change is reported whoever made it.
                QObject::connect(edit, &QLineEdit::textChanged, owner_,
                                 [this, id] { notify_(id, Notify::Changed); });
                widget = edit;
                break;
            }
            case ControlKind::Radio: {
                auto* radio = new QRadioButton(owner_);
                // Announced as an option button, not a check box; its button group decides
                // which buttons exclude each other.
                radio->setAutoExclusive(true);
                QButtonGroup* joined = row.groupWith ? radioGroups_.value(row.groupWith) : nullptr;
                if (!joined && !group) {
                    group = new QButtonGroup(owner_);
                    group->setExclusive(true);
                }
                joined = joined ? joined : group;
                joined->addButton(radio, id);
                radioGroups_.insert(id, joined);
                QObject::connect(radio, &QRadioButton::clicked, owner_,
                                 [this, id] { notify_(id, Notify::Clicked); });
                if (!radioArrows_) {
                    radioArrows_ = new RadioArrows(*this);
                }
                radio->installEventFilter(radioArrows_);
                widget = radio;
                break;
            }
            case ControlKind::Push: {
                auto* button = new QPushButton(owner_);
                button->setDefault(row.style & kDefault);
                QObject::connect(button, &QPushButton::clicked, owner_,
                                 [this, id] { notify_(id, Notify::Clicked); });
                widget = button;
                break;
            }
            case ControlKind::Combo: {
                auto* combo = new QComboBox(owner_);
                combo->setInsertPolicy(row.style & kSorted ? QComboBox::InsertAlphabetically
                                                           : QComboBox::InsertAtBottom);
                QObject::connect(combo, &QComboBox::currentIndexChanged, owner_,
                                 [this, id] { notify_(id, Notify::SelectionChanged); });
                widget = combo;
                break;
            }
            case ControlKind::Picture: {
                auto* label = new QLabel(owner_);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                widget = label;
                break;
            }
            case ControlKind::IPAddress: {
                auto* address = new CIPAddressCtrl(owner_);
                QObject::connect(address, &CIPAddressCtrl::addressChanged, owner_,
                                 [this, id] { notify_(id, Notify::Changed); });
                widget = address;
                break;
            }
        }
        if (row.style & kNoFocus || row.kind == ControlKind::Static ||
            row.kind == ControlKind::Picture) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        widget->setObjectName(QString::number(id));
        if (previous && widget->focusPolicy() != Qt::NoFocus) {
            QWidget::setTabOrder(previous, widget);
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            previous = widget;
        }
        items_.insert(id, widget);
        widget->show();
    }
    for (QButtonGroup* group : radioGroups_) {
        QObject::connect(group, &QButtonGroup::buttonToggled, owner_, [this] { MarkTabStops(); });
    }
    MarkTabStops();
}

void QtControls::MarkTabStops() {
    for (QButtonGroup* group : radioGroups_) {
        QAbstractButton* stop = group->checkedButton();
        if (!stop || stop->isHidden() || !stop->isEnabled()) {
            stop = nullptr;
            for (QAbstractButton* button : group->buttons()) {
                if (!stop && !button->isHidden() && button->isEnabled()) {
                    stop = button;
                }
            }
        }
        for (QAbstractButton* button : group->buttons()) {
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
}

void QtControls::SetBuddiesFromTemplate() {
    // A label names the field that follows it in the template, the first one shown where a
    // row holds a field for each mode (the rule of Windows' dialog manager): its access key
    // takes the keyboard there.
    const std::vector<ControlSpec>& rows = template_.controls;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* label = ItemAs<QLabel>(rows[i].id);
        if (!label || !LabelsAField(template_, i)) {
            continue;
        }
        QWidget* buddy = nullptr;
        for (std::size_t j = i + 1;
             !buddy && j < rows.size() && rows[j].kind != ControlKind::Static; ++j) {
            QWidget* field = Item(rows[j].id);
            if (field && !field->isHidden() && field->focusPolicy() != Qt::NoFocus) {
                buddy = field;
            }
        }
        label->setBuddy(buddy);
    }
}

std::wstring QtControls::Text(int id) const {
    QWidget* widget = Item(id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QVariant full = label->property(kFullText);
        return (full.isValid() ? full.toString() : label->text()).toStdWString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdWString();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return plain->toPlainText().toStdWString();
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        return radio->property(kFullText).toString().toStdWString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().toStdWString();
    }
    return std::wstring();
}

void QtControls::SetText(int id, const std::wstring& wide) {
    QWidget* widget = Item(id);
    const QString text = ToQ(wide);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Shown with its hyphenated words kept whole (text from the key as it stands); read
        // back as it was set.
        const ControlSpec* row = template_.Find(id);
        label->setProperty(kFullText, text);
        label->setText(row && (row->style & kVerbatim) ? text : KeptWhole(text));
        label->setAccessibleName(ToQ(platform::WithoutAccessKey(wide)));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
        plain->setAccessibleDescription(text);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        radio->setProperty(kFullText, text);
        radio->setText(text);
        radio->setAccessibleName(ToQ(platform::WithoutAccessKey(wide)));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

bool QtControls::IsChecked(int id) const {
    auto* button = ItemAs<QAbstractButton>(id);
    return button && button->isChecked();
}

void QtControls::SetCheck(int id, bool on) {
    auto* button = ItemAs<QAbstractButton>(id);
    if (!button || button->isChecked() == on) {
        return;
    }
    // An exclusive group refuses to uncheck its checked button: not for the program.
    QButtonGroup* group = radioGroups_.value(id);
    const bool exclusive = group && group->exclusive();
    if (exclusive && !on) {
        group->setExclusive(false);
    }
    button->setChecked(on);
    if (exclusive && !on) {
        group->setExclusive(true);
    }
}

bool QtControls::IsEnabled(int id) const {
    QWidget* widget = Item(id);
    return widget && widget->isEnabled();
}

void QtControls::Enable(int id, bool on) {
    if (QWidget* widget = Item(id)) {
        widget->setEnabled(on);
        MarkTabStops();
    }
}

bool QtControls::IsShown(int id) const {
    QWidget* widget = Item(id);
    return widget && !widget->isHidden();
}

void QtControls::Show(int id, bool on) {
    if (QWidget* widget = Item(id)) {
        widget->setVisible(on);
        SetBuddiesFromTemplate();
        MarkTabStops();
    }
}

void FocusAndSelect(QWidget* widget) {
    while (widget && widget->focusProxy()) {
        widget = widget->focusProxy();  // an IP address control's first field
    }
    if (!widget) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

void QtControls::Focus(int id) {
    FocusAndSelect(Item(id));
}

int QtControls::FocusedId() const {
    // The window's focus widget: the one that has the focus, or gets it when the window is
    // shown or activated.
    QWidget* focus = owner_->window()->focusWidget();
    for (auto it = items_.cbegin(); focus && it != items_.cend(); ++it) {
        QWidget* control = it.value();
        if ((control == focus || control->isAncestorOf(focus)) && control->isVisibleTo(owner_) &&
            control->isEnabled()) {
            return it.key();
        }
    }
    return 0;
}

void QtControls::LimitText(int id, int chars) {
    if (auto* edit = ItemAs<QLineEdit>(id)) {
        edit->setMaxLength(chars);
    }
}

void QtControls::SetAccessibleName(int id, const std::wstring& name) {
    if (auto* address = ItemAs<CIPAddressCtrl>(id)) {
        address->SetLabel(ToQ(name));
    } else if (QWidget* widget = Item(id)) {
        widget->setAccessibleName(ToQ(name));
    }
}

void QtControls::ComboAdd(int id, const std::wstring& item) {
    if (auto* combo = ItemAs<QComboBox>(id)) {
        const QString text = ToQ(item);
        int at = combo->count();
        if (combo->insertPolicy() == QComboBox::InsertAlphabetically) {
            at = 0;
            while (at < combo->count() && combo->itemText(at) < text) {
                ++at;
            }
        }
        const QSignalBlocker quiet(combo);  // adding is no selection by the user
        const int selected = combo->currentIndex();
        combo->insertItem(at, text);
        combo->setCurrentIndex(selected < 0 ? -1 : (selected >= at ? selected + 1 : selected));
    }
}

int QtControls::ComboSelection(int id) const {
    auto* combo = ItemAs<QComboBox>(id);
    return combo ? combo->currentIndex() : -1;
}

std::wstring QtControls::ComboText(int id, int index) const {
    auto* combo = ItemAs<QComboBox>(id);
    return combo ? combo->itemText(index).toStdWString() : std::wstring();
}

int QtControls::Address(int id, std::uint32_t& value) const {
    auto* address = ItemAs<CIPAddressCtrl>(id);
    value = 0;
    return address ? address->GetAddress(value) : 0;
}

void QtControls::SetAddress(int id, std::uint32_t value) {
    if (auto* address = ItemAs<CIPAddressCtrl>(id)) {
        address->SetAddress(value);
    }
}

void QtControls::SetBoldTitle(int id) {
    if (QWidget* title = Item(id)) {
        QFont font = title->font();
        font.setWeight(QFont::Bold);
        title->setFont(font);
        title->update();
    }
}

int QtControls::Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                        platform::MessageButtons buttons) {
    return platform::Current().ShowMessage(
        platform::MessageRequest{owner_, caption.value_or(ApplicationName()), text, buttons});
}

QSize QtControls::Relayout(bool drawPictures) {
    SetBuddiesFromTemplate();
    std::vector<ControlText> texts;
    std::vector<bool> bold;
    for (const ControlSpec& row : template_.controls) {
        QWidget* widget = Item(row.id);
        texts.push_back({Text(row.id), !widget->isHidden()});
        bold.push_back(widget->font().bold());
    }
    const Arrangement arrangement =
        ArrangeForTexts(template_, texts, *MeasureFor(owner_->font(), std::move(bold)));
    for (std::size_t i = 0; i < template_.controls.size(); ++i) {
        const ControlSpec& row = template_.controls[i];
        QWidget* widget = Item(row.id);
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.kind == ControlKind::Static) {
            label->setWordWrap(arrangement.wraps[i]);
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            radio->setText(QString::fromStdWString(arrangement.shown[i]));
        }
        const PlacedControl& c = arrangement.placed[i];
        widget->setGeometry(c.x, c.y, c.cx, c.cy);
        if (row.kind == ControlKind::Picture && row.resource && drawPictures) {
            static_cast<QLabel*>(widget)->setPixmap(RenderPicture(
                ImagePath(row.resource), QSize(c.cx, c.cy), owner_->devicePixelRatioF()));
        }
    }
    return QSize(arrangement.size.cx, arrangement.size.cy);
}

}  // namespace framework::qt
