#include "framework/headless/MeasuredPage.h"

namespace framework::headless {
namespace {

class MeasuredPage final : public PageWindow {
  public:
    MeasuredPage(CPropertyPageEx& page, PageMeasure measure)
        : controls_(
              page.Template(), [](int, Notify) {}, &focus_),
          template_(page.Template()),
          measure_(std::move(measure)) {}
    RecordControls& Ctl() override { return controls_; }
    WindowSize Relayout(bool) override {
        std::vector<ControlText> texts;
        std::vector<bool> bold;
        for (const ControlSpec& row : template_.controls) {
            const RecordControl& control = controls_.At(row.id);
            texts.push_back({control.text, control.shown});
            bold.push_back(control.bold);
        }
        return measure_.toSheetUnits(ArrangeForTexts(template_, texts, *measure_.make(bold)).size);
    }
    int FocusedControl() const override { return 0; }

  private:
    RecordFocus focus_;
    RecordControls controls_;
    DialogTemplate template_;
    PageMeasure measure_;
};

}  // namespace

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page, PageMeasure measure) {
    return std::make_unique<MeasuredPage>(page, std::move(measure));
}

}  // namespace framework::headless
