#include "shell/dialogs/up_down_box.h"

#include <algorithm>

#include "shell/storage/settings_file.h"

namespace pipwick {

namespace {

// Wide enough for anything a person types into a small box.
constexpr int kTypedLimit = 999999;

}  // namespace

UpDownBox::UpDownBox(QWidget* parent) : QSpinBox(parent) {
    setRange(-kTypedLimit, kTypedLimit);
    setValue(0);
}

void UpDownBox::SetUpDownRange(int low, int high) {
    low_ = low;
    high_ = high;
}

int32_t UpDownBox::Number() const {
    return LeadingInt(cleanText().toStdString());
}

void UpDownBox::stepBy(int steps) {
    setValue(std::clamp(Number() + steps, low_, high_));
    selectAll();
}

QAbstractSpinBox::StepEnabled UpDownBox::stepEnabled() const {
    const int32_t number = Number();
    StepEnabled enabled = StepNone;
    if (number < high_) {
        enabled |= StepUpEnabled;
    }
    if (number > low_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace pipwick
