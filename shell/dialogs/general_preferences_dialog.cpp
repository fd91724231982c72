#include "shell/dialogs/general_preferences_dialog.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <iterator>
#include <span>

#include "assets/domino_sets.h"
#include "model/game_kind.h"
#include "shell/app/translations.h"
#include "shell/dialogs/up_down_box.h"
#include "texts/texts.h"
#include "ui_general_preferences_dialog.h"

namespace pipwick {

namespace {

uint32_t Rgb(int32_t red, int32_t green, int32_t blue) {
    return static_cast<uint32_t>(red) << 16 | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue);
}

// A clear layer over the whole dialog that shows the sample and the swatch, so the group boxes'
// shaded panels are drawn beneath them rather than over them.
class SampleLayer : public QWidget {
  public:
    SampleLayer(QWidget& dialog, std::function<void(QPainter&)> paint)
        : QWidget(&dialog), paint_(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(dialog.rect());
        raise();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter);
    }

  private:
    std::function<void(QPainter&)> paint_;
};

Rect RectOf(const QWidget& widget) {
    const QRect r(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

int32_t TypedDominoSet(int32_t number) {
    return number >= 1 && number <= kDominoSetCount ? number : 2;
}

int32_t TypedColour(int32_t number) {
    return number >= 1 && number <= 7 ? number : 4;
}

int32_t TypedSpeed(int32_t number) {
    return std::clamp(number, 1, 10);
}

int32_t TypedColourValue(int32_t number) {
    return std::clamp(number, 0, 255);
}

int32_t TargetChoiceIndex(DominoGame game, int32_t target) {
    const std::span<const int32_t> choices = KindOf(game).targetChoices;
    const auto choice =
        std::find(choices.begin(), choices.end(),
                  IsTargetChoice(game, target) ? target : KindOf(game).defaultTarget);
    return static_cast<int32_t>(choice - choices.begin());
}

GeneralPreferencesDialog::GeneralPreferencesDialog(QWidget* owner, SettingsStore& store,
                                                   GeneralPreferenceValues& values,
                                                   ResourceSource sample, Prompts& prompts)
    : QDialog(owner),
      ui_(std::make_unique<Ui::GeneralPreferencesDialog>()),
      store_(store),
      values_(values),
      sample_(std::move(sample)),
      prompts_(prompts) {
    ui_->setupUi(this);
    setFixedSize(size());
    ui_->setNumber->SetUpDownRange(1, kDominoSetCount);
    ui_->colourNumber->SetUpDownRange(1, 7);
    for (UpDownBox* box : {ui_->red, ui_->green, ui_->blue}) {
        box->SetUpDownRange(0, 255);
    }
    ui_->speed->SetUpDownRange(1, 10);
    ui_->seconds->SetUpDownRange(2, 10);
    // The seconds are read as an unsigned number: a minus sign cannot be typed.
    ui_->seconds->setMinimum(0);
    FillGameChoices();
    ReadColourAndSet();
    Connect();
    FillControls();
    new SampleLayer(*this, [this](QPainter& painter) { PaintSample(painter); });
}

GeneralPreferencesDialog::~GeneralPreferencesDialog() = default;

void GeneralPreferencesDialog::ReadColourAndSet() {
    const Settings& settings = store_.Values();
    const int32_t colour = settings.BackgroundColorChoice;
    values_.colour = colour >= 1 && colour <= kCustomColour ? colour : 4;
    if (values_.colour == kCustomColour) {
        values_.red = settings.BackgroundRed;
        values_.green = settings.BackgroundGreen;
        values_.blue = settings.BackgroundBlue;
    } else {
        const uint32_t preset = BackgroundColorOf({values_.colour});
        values_.red = static_cast<int32_t>(preset >> 16 & 0xff);
        values_.green = static_cast<int32_t>(preset >> 8 & 0xff);
        values_.blue = static_cast<int32_t>(preset & 0xff);
    }
    values_.dominoSet = settings.DominoSet;
}

// The boxes report their new numbers as they are filled, like any change; the colour number box's
// report is the one let pass unheard. Each box starts at 0 and the colour number shown is never
// 0, so that report always comes.
void GeneralPreferencesDialog::FillControls() {
    const Settings& settings = store_.Values();
    const bool custom = values_.colour == kCustomColour;
    ui_->setNumber->setValue(values_.dominoSet);
    ui_->colourNumber->setValue(custom ? 4 : values_.colour);
    (settings.SoundOn != 0 ? ui_->soundOn : ui_->soundOff)->setChecked(true);
    QRadioButton* sizes[] = {ui_->sizeAuto, ui_->sizeSmall, ui_->sizeMedium, ui_->sizeLarge};
    if (values_.tableSize >= 0 && values_.tableSize <= 3) {
        sizes[values_.tableSize]->setChecked(true);
    }
    ui_->seconds->setValue(settings.PlayDelay);
    ui_->speed->setValue(settings.Speed);
    ui_->red->setValue(values_.red);
    ui_->green->setValue(values_.green);
    ui_->blue->setValue(values_.blue);
    ui_->doubleClick->setChecked(settings.DoubleClickDrawPass != 0);
    ui_->showMarks->setChecked(settings.ShowWhereTilesGo != 0);
    ui_->gameChoice->setCurrentIndex(IsDominoGame(settings.Game) ? settings.Game : 0);
    ui_->partners->setChecked(settings.Partners != 0);
    // Partners need four at the table, and the number of players is chosen in the Options menu.
    ui_->partners->setEnabled(store_.PlayerCount() == 4);
    EnablePlayTo();
    EnableCustom(custom);
    ui_->custom->setChecked(custom);
}

void GeneralPreferencesDialog::Connect() {
    connect(ui_->setNumber, &QSpinBox::valueChanged, this, [this] { SetNumberChanged(); });
    connect(ui_->colourNumber, &QSpinBox::valueChanged, this, [this] { ColourNumberChanged(); });
    connect(ui_->speed, &QSpinBox::valueChanged, this,
            [this] { values_.speed = TypedSpeed(ui_->speed->Number()); });
    connect(ui_->red, &QSpinBox::valueChanged, this,
            [this] { values_.red = TypedColourValue(ui_->red->Number()); });
    connect(ui_->green, &QSpinBox::valueChanged, this,
            [this] { values_.green = TypedColourValue(ui_->green->Number()); });
    connect(ui_->blue, &QSpinBox::valueChanged, this,
            [this] { values_.blue = TypedColourValue(ui_->blue->Number()); });
    connect(ui_->custom, &QCheckBox::clicked, this, [this] { CustomClicked(); });
    connect(ui_->update, &QPushButton::clicked, this, [this] { repaint(); });
    connect(ui_->gameChoice, &QComboBox::currentIndexChanged, this, [this] { EnablePlayTo(); });
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, [this] { OkStep(); });
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// The colour number box with its up-down, or the three colour boxes with theirs and Update.
void GeneralPreferencesDialog::EnableCustom(bool custom) {
    ui_->colourNumber->setEnabled(!custom);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->red, ui_->green, ui_->blue, ui_->redLabel,
                                         ui_->greenLabel, ui_->blueLabel, ui_->update}) {
        control->setEnabled(custom);
    }
}

void GeneralPreferencesDialog::FillGameChoices() {
    for (const char* name : text::kGameNames) {
        ui_->gameChoice->addItem(Translated(name));
    }
}

DominoGame GeneralPreferencesDialog::ChosenGame() const {
    const int index = ui_->gameChoice->currentIndex();
    return IsDominoGame(index) ? static_cast<DominoGame>(index) : DominoGame::AllFives;
}

// Play to offers the chosen game's own targets, the one kept in the settings when it is one of
// them; a game with a fixed target shows it, greyed.
void GeneralPreferencesDialog::EnablePlayTo() {
    const DominoGame game = ChosenGame();
    ui_->playTo->clear();
    for (const int32_t target : KindOf(game).targetChoices) {
        ui_->playTo->addItem(QString::number(target));
    }
    ui_->playTo->setCurrentIndex(TargetChoiceIndex(game, store_.Values().PlayTo));
    const bool chosenTarget = KindOf(game).targetChoices.size() > 1;
    ui_->playTo->setEnabled(chosenTarget);
    ui_->playToLabel->setEnabled(chosenTarget);
}

void GeneralPreferencesDialog::SetNumberChanged() {
    values_.dominoSet = TypedDominoSet(ui_->setNumber->Number());
    update();
}

void GeneralPreferencesDialog::ColourNumberChanged() {
    if (ignoreColourChange_) {
        ignoreColourChange_ = false;
        return;
    }
    TakePresetFromBox();
    update();
}

void GeneralPreferencesDialog::TakePresetFromBox() {
    values_.colour = TypedColour(ui_->colourNumber->Number());
    const uint32_t preset = BackgroundColorOf({values_.colour});
    values_.red = static_cast<int32_t>(preset >> 16 & 0xff);
    values_.green = static_cast<int32_t>(preset >> 8 & 0xff);
    values_.blue = static_cast<int32_t>(preset & 0xff);
}

// The check mark follows the working colour, not the click: the box was checked exactly when the
// colour was custom.
void GeneralPreferencesDialog::CustomClicked() {
    const bool wasCustom = values_.colour == kCustomColour;
    if (!wasCustom) {
        values_.colour = kCustomColour;
        values_.red = TypedColourValue(ui_->red->Number());
        values_.green = TypedColourValue(ui_->green->Number());
        values_.blue = TypedColourValue(ui_->blue->Number());
    } else {
        TakePresetFromBox();
    }
    EnableCustom(!wasCustom);
    ui_->custom->setChecked(!wasCustom);
    update();
}

void GeneralPreferencesDialog::OkStep() {
    store_.Set(IntSetting::kSound, ui_->soundOn->isChecked() ? 1 : 0);
    store_.Set(IntSetting::kPlayDelay, ui_->seconds->Number());
    store_.Set(IntSetting::kDoubleClickDrawPass, ui_->doubleClick->isChecked() ? 1 : 0);
    store_.Set(IntSetting::kShowWhereTilesGo, ui_->showMarks->isChecked() ? 1 : 0);
    store_.Set(IntSetting::kGame, ui_->gameChoice->currentIndex());
    // A fixed target keeps the one kept for the games with a choice as it was.
    const std::span<const int32_t> targets = KindOf(ChosenGame()).targetChoices;
    const int target = ui_->playTo->currentIndex();
    const bool chosen =
        targets.size() > 1 && target >= 0 && static_cast<size_t>(target) < targets.size();
    store_.Set(IntSetting::kPlayTo,
               chosen ? targets[static_cast<size_t>(target)] : store_.Values().PlayTo);
    store_.Set(IntSetting::kPartners, ui_->partners->isChecked() ? 1 : 0);
    const QRadioButton* sizes[] = {ui_->sizeAuto, ui_->sizeSmall, ui_->sizeMedium, ui_->sizeLarge};
    for (int32_t size = 0; size < 4; ++size) {
        if (sizes[size]->isChecked()) {
            values_.tableSize = size;
        }
    }
    accept();
}

// The sample and the swatch are composed on a canvas of the dialog's own colour, the sample's
// mask ANDed onto it, and only those two areas are shown.
void GeneralPreferencesDialog::PaintSample(QPainter& painter) {
    const uint32_t face = palette().color(QPalette::Window).rgb() & 0xffffffu;
    Canvas canvas(width(), height(), face);
    const Point sample = SamplePosition(RectOf(*ui_->dominoSetGroup), RectOf(*ui_->setNumber));
    const Rect swatch = SwatchRect(RectOf(*ui_->colourGroup), RectOf(*ui_->colourNumber));
    const uint32_t colour = Rgb(values_.red, values_.green, values_.blue);
    if (DrawDominoSample(canvas, values_.dominoSet, colour, sample, swatch, sample_)) {
        WarnNoSample();
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(canvas.Pixels().data()), canvas.Width(),
                       canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    const QRect sampleArea(sample.x, sample.y, kSampleSide, kSampleHeight);
    const QRect swatchArea(swatch.left, swatch.top, swatch.right - swatch.left,
                           swatch.bottom - swatch.top);
    painter.drawImage(sampleArea, image, sampleArea);
    painter.drawImage(swatchArea, image, swatchArea);
}

// Said once per opening, and not from inside the paint.
void GeneralPreferencesDialog::WarnNoSample() {
    if (warned_) {
        return;
    }
    warned_ = true;
    QMetaObject::invokeMethod(
        this, [this] { prompts_.Warn(this, Translated(text::kCantLoadDominoes)); },
        Qt::QueuedConnection);
}

}  // namespace pipwick
