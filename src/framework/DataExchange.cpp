#include "framework/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include "framework/DialogTemplate.h"
#include "framework/QtPlatform.h"
#include "platform/StringIds.h"

namespace framework {

void DataExchange::Int(int id, int& value) {
    if (!m_bSaveAndValidate) {
        host_.SetText(id, QString::number(value));
        return;
    }
    bool ok = false;
    const int read = host_.Text(id).trimmed().toInt(&ok);
    if (!ok) {
        MessageBoxOwned(window_, LoadQString(IDS_FW_ENTER_INTEGER));
        Fail(id);
    }
    value = read;
}

void DataExchange::Text(int id, QString& value) {
    if (m_bSaveAndValidate) {
        value = host_.Text(id);
    } else {
        host_.SetText(id, value);
    }
}

void DataExchange::Radio(int firstId, int& value) {
    QButtonGroup* group = host_.RadioGroup(firstId);
    if (!group) {
        return;
    }
    const QList<QAbstractButton*> buttons = group->buttons();
    if (m_bSaveAndValidate) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = i;
            }
        }
        return;
    }
    if (value >= 0 && value < buttons.size()) {
        buttons[value]->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void DataExchange::Fail(int id) {
    if (QWidget* control = host_.Item(id)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->selectAll();
        }
    }
    throw Failure{};
}

}  // namespace framework
