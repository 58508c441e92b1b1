#include "framework/qt/IPAddressCtrl.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace framework::qt {

CIPAddressCtrl::CIPAddressCtrl(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setObjectName(QStringLiteral("field%1").arg(i + 1));
        field->setMaxLength(3);
        field->setAlignment(Qt::AlignCenter);
        field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
        // Tab enters the control at its first field and leaves it from any field.
        field->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.size() == 3) {
                Complete(i);
                MoveTo(i + 1, false);
            }
        });
        connect(field, &QLineEdit::editingFinished, this, [this, i] { Complete(i); });
        connect(field, &QLineEdit::textChanged, this, &CIPAddressCtrl::addressChanged);
        fields_[i] = field;
        layout->addWidget(field, 1);
        if (i < 3) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
    }
    setFocusProxy(fields_[0]);
    setFocusPolicy(Qt::StrongFocus);
}

QSize CIPAddressCtrl::sizeHint() const {
    const int digit = fontMetrics().horizontalAdvance(QStringLiteral("000"));
    return QSize(4 * (digit + 8) + 3 * fontMetrics().horizontalAdvance('.') + 8,
                 fields_[0]->sizeHint().height());
}

int CIPAddressCtrl::GetAddress(std::uint32_t& value) const {
    value = 0;
    int filled = 0;
    for (int i = 0; i < 4; ++i) {
        const QString text = fields_[i]->text();
        const std::uint32_t octet = text.isEmpty() ? 0 : std::min(text.toUInt(), 255u);
        filled += text.isEmpty() ? 0 : 1;
        value = (value << 8) | octet;
    }
    return filled;
}

void CIPAddressCtrl::SetAddress(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        fields_[i]->setText(QString::number((value >> (8 * (3 - i))) & 0xff));
    }
}

void CIPAddressCtrl::ClearAddress() {
    for (QLineEdit* field : fields_) {
        field->clear();
    }
}

void CIPAddressCtrl::SetLabel(const QString& text) {
    const std::wstring label = platform::WithoutAccessKey(text.toStdWString());
    setAccessibleName(QString::fromStdWString(label));
    for (int i = 0; i < 4; ++i) {
        fields_[i]->setAccessibleName(QString::fromStdWString(
            platform::LoadFormatted(IDS_FW_OCTET_NAME, {label, std::to_wstring(i + 1)})));
    }
}

void CIPAddressCtrl::Complete(int index) {
    QLineEdit* field = fields_[index];
    if (!field->text().isEmpty() && field->text().toUInt() > 255) {
        field->setText(QStringLiteral("255"));
    }
}

void CIPAddressCtrl::MoveTo(int index, bool atEnd) {
    if (index < 0 || index > 3) {
        return;
    }
    QLineEdit* field = fields_[index];
    field->setFocus(Qt::OtherFocusReason);
    if (atEnd) {
        field->setCursorPosition(field->text().size());
    } else {
        field->selectAll();
    }
}

bool CIPAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QFrame::eventFilter(watched, event);
    }
    const int index =
        static_cast<int>(std::find(fields_.begin(), fields_.end(), watched) - fields_.begin());
    if (index >= 4) {
        return QFrame::eventFilter(watched, event);
    }
    QLineEdit* field = fields_[index];
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Period:
        case Qt::Key_Space:
            if (!field->text().isEmpty() && !field->hasSelectedText()) {
                Complete(index);
                MoveTo(index + 1, false);
            }
            return true;
        case Qt::Key_Backspace:
            if (field->text().isEmpty()) {
                MoveTo(index - 1, true);
                return true;
            }
            break;
        case Qt::Key_Left:
            if (field->cursorPosition() == 0 && !field->hasSelectedText() && index > 0) {
                MoveTo(index - 1, true);
                return true;
            }
            break;
        case Qt::Key_Right:
            if (field->cursorPosition() == field->text().size() && index < 3) {
                MoveTo(index + 1, false);
                fields_[index + 1]->setCursorPosition(0);
                return true;
            }
            break;
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace framework::qt
