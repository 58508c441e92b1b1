#pragma once
// The IP address control of the unified pages: four fields of 0 to 255 with dots between
// them. A dot or a third digit moves on to the next field, Backspace in an empty field and
// the arrow keys at a field's edge move between fields. A value over 255 becomes 255 when
// its field is completed or left.

#include <QFrame>
#include <array>
#include <cstdint>

class QLineEdit;

namespace framework::qt {

class CIPAddressCtrl : public QFrame {
    Q_OBJECT
  public:
    explicit CIPAddressCtrl(QWidget* parent = nullptr);

    // The address (first field in the most significant byte, blank fields as 0) and the
    // number of fields that are filled in.
    int GetAddress(std::uint32_t& value) const;
    void SetAddress(std::uint32_t value);
    void ClearAddress();

    // Names the four fields after the control's label, for screen readers.
    void SetLabel(const QString& label);

    QLineEdit* Field(int index) const { return fields_[index]; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize sizeHint() const override;

  signals:
    void addressChanged();

  private:
    void Complete(int index);
    void MoveTo(int index, bool atEnd);

    std::array<QLineEdit*, 4> fields_{};
};

}  // namespace framework::qt
