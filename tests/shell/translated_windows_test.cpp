#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTranslator>
#include <algorithm>
#include <string>
#include <vector>

#include "shell/app/translations.h"
#include "shell/dialogs/about_box.h"
#include "shell/dialogs/help_window.h"
#include "shell/storage/settings_store.h"
#include "shell/windows/screen_room.h"
#include "shell_test_support.h"
#include "texts/menu_commands.h"
#include "texts/spoken_texts.h"
#include "texts/texts.h"
#include "texts/translation.h"

namespace pipwick {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// The words of window's labels, buttons and group titles that need more room than they have, and
// the window itself when it is wider than the screen.
std::vector<std::string> CutShort(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    std::vector<std::string> cut;
    const auto note = [&cut](const QString& words, int needed, int room) {
        if (needed > room) {
            cut.push_back(words.toStdString() + " (" + std::to_string(needed) + " > " +
                          std::to_string(room) + ")");
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window) && !label->text().isEmpty() && !label->wordWrap()) {
            QString words = label->text();
            words.remove(QLatin1Char('&'));
            note(words, label->fontMetrics().horizontalAdvance(words),
                 label->contentsRect().width());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty()) {
            continue;
        }
        QString words = button->text();
        words.remove(QLatin1Char('&'));
        const QStyle& style = *button->style();
        // A check box or radio button draws its mark and a gap before its words; a push button
        // its frame on both sides.
        int around = 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            around = style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                     style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        } else if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            around = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                     style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        }
        note(words, button->fontMetrics().horizontalAdvance(words) + around, button->width());
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        // The title sits on the frame with a little room on either side of it.
        note(group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 16,
             group->width());
    }
    for (const QTableView* table : window.findChildren<QTableView*>()) {
        const QHeaderView& header = *table->horizontalHeader();
        // A column's heading has the header's margin on either side; the last column ends
        // where the table's viewport does.
        const int margin =
            2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        for (int column = 0; column < header.count(); ++column) {
            const QString words = table->model()->headerData(column, Qt::Horizontal).toString();
            const int room =
                std::min(header.sectionSize(column),
                         table->viewport()->width() - header.sectionViewportPosition(column));
            note(words, header.fontMetrics().horizontalAdvance(words) + margin, room);
        }
    }
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (!combo->isVisibleTo(&window)) {
            continue;
        }
        QStyleOptionComboBox option;
        option.initFrom(combo);
        for (int item = 0; item < combo->count(); ++item) {
            const QString words = combo->itemText(item);
            const QSize text(combo->fontMetrics().horizontalAdvance(words),
                             combo->fontMetrics().height());
            note(
                words,
                combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width(),
                combo->width());
        }
    }
    // The window manager's frame comes on top of the window's own size.
    note(window.windowTitle() + " (window width)",
         window.frameGeometry().width() + kFrameAllowance.width(), kScreenWidth);
    note(window.windowTitle() + " (window height)",
         window.frameGeometry().height() + kFrameAllowance.height(), kScreenHeight);
    window.hide();
    return cut;
}

// The menu bar's items that it could not show whole, and the menus wider than the screen.
std::vector<std::string> MenusCutShort(QMenuBar& bar) {
    std::vector<std::string> cut;
    for (QAction* item : bar.actions()) {
        const QRect place = bar.actionGeometry(item);
        if (item->isVisible() && (place.isEmpty() || !bar.rect().contains(place))) {
            cut.push_back(item->text().toStdString() + " (menu bar)");
        }
        if (item->menu() != nullptr && item->menu()->sizeHint().width() > kScreenWidth) {
            cut.push_back(item->text().toStdString() + " (menu)");
        }
    }
    return cut;
}

// The status line's texts of the aids that do not fit it whole, each with its longest words: a
// double, every end, a score of two figures.
std::vector<std::string> StatusTextsCutShort(const HumanWindow& human) {
    const QString tile = QStringLiteral("6-6");
    const QString score = QStringLiteral("12");
    std::vector<QString> texts = {
        Translated(text::kHintLead).arg(tile),
        Translated(text::kHintLeadScoring).arg(tile, score),
        Translated(text::kHintDraw),
        Translated(text::kHintPass),
        Translated(text::kPreview).arg(tile),
        Translated(text::kPreviewScoring).arg(tile, score),
        Translated(text::kPreviewNoScoring).arg(tile),
        Translated(text::kFitsNoEnd).arg(tile),
        Translated(text::kGameSaved),
        Translated(text::kGameOpened),
        Translated(text::kGameResumed),
    };
    for (const char* end : text::kArmEnds) {
        texts.push_back(Translated(text::kHintPlay).arg(tile, Translated(end)));
        texts.push_back(Translated(text::kHintPlayScoring).arg(tile, Translated(end), score));
    }
    std::vector<std::string> cut;
    for (const QString& words : texts) {
        if (!human.StatusFits(words)) {
            cut.push_back(words.toStdString() + " (status line)");
        }
    }
    return cut;
}

// Each window of the program at the smallest screen it supports, in English or in a translation.
class TranslatedWindows : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        const QString locale = QString::fromLatin1(GetParam());
        if (locale != QLatin1String("C")) {
            ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), QLocale(locale)));
        }
    }
    void TearDown() override {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        text::UseTranslator(nullptr);
    }

    // Opens the dialog a menu command runs and lists what of it is cut short.
    std::vector<std::string> DialogCutShort(TestProgram& program, Command command) {
        std::vector<std::string> cut;
        bool ran = false;
        program.fillIn = [&cut, &ran](QDialog& dialog) {
            ran = true;
            cut = CutShort(dialog);
        };
        program.app->Human().Action(command).trigger();
        EXPECT_TRUE(ran);
        return cut;
    }
};

TEST_P(TranslatedWindows, EveryCaptionLabelButtonAndMenuFitsAt800By600) {
    TestProgram program({"nump=4", "delay=0", "sound=0"}, {kScreenWidth, 600});
    for (const Command command :
         {Command::kGeneralPreferences, Command::kPlayerPreferences, Command::kStatistics}) {
        EXPECT_EQ(DialogCutShort(program, command), std::vector<std::string>{})
            << static_cast<int>(command);
    }
    // The score sheet has a column for each player once a game is under way.
    program.app->NewGame();
    program.app->Human().Action(Command::kScoreSheet).trigger();
    ASSERT_NE(program.app->Records().SheetWindow(), nullptr);
    EXPECT_EQ(CutShort(*program.app->Records().SheetWindow()), std::vector<std::string>{});
    AboutBox about(nullptr);
    EXPECT_EQ(CutShort(about), std::vector<std::string>{});
    HelpWindow help(nullptr);
    EXPECT_EQ(CutShort(help), std::vector<std::string>{});
    QMenuBar& bar = *program.app->Human().menuBar();
    program.app->Human().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(MenusCutShort(bar), std::vector<std::string>{});
    // Draw becomes Pass once the bone pile is empty: the longer of the two must fit as well.
    QAction& drawPass = program.app->Human().Action(Command::kDrawPass);
    drawPass.setText(Translated(text::kPass));
    EXPECT_EQ(MenusCutShort(bar), std::vector<std::string>{});
    EXPECT_EQ(StatusTextsCutShort(program.app->Human()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EnglishSpanishAndPortuguese, TranslatedWindows,
                         testing::Values("C", "es_ES", "pt_BR"));

// The translations are in the program: a translated window's words are not the English ones.
TEST(Translations, SpanishAndPortugueseReplaceTheEnglishAndOthersKeepIt) {
    const struct {
        const char* locale;
        bool installed;
        const char* newGame;
        const char* pass;
    } cases[] = {
        {"es_ES", true, "&Nueva\tCtrl+N", "Diego pasa"},
        {"es_MX", true, "&Nueva\tCtrl+N", "Diego pasa"},
        {"pt_BR", true, "&Nova\tCtrl+N", "Diego passa"},
        {"de_DE", false, "&New\tCtrl+N", "Diego passes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(),
                                      QLocale(QString::fromLatin1(c.locale))),
                  c.installed);
        EXPECT_EQ(Translated(text::kNew), QString::fromUtf8(c.newGame));
        EXPECT_EQ(text::PassNews("Diego"), c.pass);
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        text::UseTranslator(nullptr);
    }
}

// The human is called by a word of his language until he gives a name, which stays as he gave it.
TEST(Translations, TheHumansDefaultNameIsInHisLanguage) {
    ASSERT_TRUE(
        InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("pt_BR"))));
    const SettingsFolder unnamed;
    EXPECT_EQ(SettingsStore(unnamed.Path()).Values().PlayerNames[kHumanSeat], "Jogador");
    const SettingsFolder named({"pnm1=Player"});
    EXPECT_EQ(SettingsStore(named.Path()).Values().PlayerNames[kHumanSeat], "Player");
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    text::UseTranslator(nullptr);
    EXPECT_EQ(SettingsStore(unnamed.Path()).Values().PlayerNames[kHumanSeat], "Player");
}

}  // namespace
}  // namespace pipwick
