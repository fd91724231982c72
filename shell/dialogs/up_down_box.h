#pragma once

#include <QSpinBox>
#include <cstdint>

namespace pipwick {

// A number box with an up-down control: any integer may be typed, while the arrows step only
// within their own range (a typed number outside it steps from the nearest end). What a typed
// value means is up to whoever reads it.
class UpDownBox : public QSpinBox {
  public:
    explicit UpDownBox(QWidget* parent = nullptr);

    void SetUpDownRange(int low, int high);
    // The box's text as a signed number; text that is not a number reads as 0.
    int32_t Number() const;

    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int low_ = 0;
    int high_ = 0;
};

}  // namespace pipwick
