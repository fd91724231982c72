#include "shell/windows/status_popup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>

#include "shell/dialogs/prompts.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

TEST(StatusPopup, ShowsTheMessagesOfTheGame) {
    EXPECT_EQ(PopupText(Message::kWontPlayThere, nullptr), "That domino won't play there!");
    EXPECT_EQ(PopupText(Message::kHandOver, nullptr), "        This hand is over.");
    EXPECT_EQ(PopupText(Message::kComputerWins, "TopGun"),
              "This game is over.  TopGun is the winner.");
    EXPECT_EQ(PopupText(Message::kComputerWins, "Zo\xC3\xAB %d"),
              QString::fromUtf8("This game is over.  Zo\xC3\xAB %d is the winner."));
    EXPECT_EQ(PopupText(Message::kHumanWins, nullptr), "Congratulations!  You won the game!");
}

// Runs the real pop-up and, once it is up, hands it to inspect, which is to close it. A pop-up that
// is still up long after that is a failure, and the test closes it so that the suite goes on.
template <typename Inspect>
void RunPopup(const QString& text, const Rect& where, Inspect inspect) {
    WindowPrompts prompts;
    bool inspected = false;
    QTimer stillUp;
    stillUp.setSingleShot(true);
    QObject::connect(&stillUp, &QTimer::timeout, [] {
        ADD_FAILURE() << "the pop-up did not close";
        if (QWidget* popup = QApplication::activeModalWidget()) {
            popup->close();
        }
    });
    QTimer::singleShot(0, [&] {
        auto* popup = dynamic_cast<StatusPopup*>(QApplication::activeModalWidget());
        EXPECT_NE(popup, nullptr);
        if (popup != nullptr) {
            inspect(*popup);
            inspected = true;
        }
        stillUp.start(5000);
    });
    prompts.ShowPopup(nullptr, text, where);
    EXPECT_TRUE(inspected);
}

TEST(StatusPopup, IsModalInItsPlaceAndClosesItselfWhenItsTimeIsUp) {
    RunPopup(QStringLiteral("hello"), {381, 0, 556, 90}, [](StatusPopup& p) {
        EXPECT_TRUE(p.isModal());
        EXPECT_EQ(p.geometry(), QRect(381, 0, 175, 90));
        EXPECT_EQ(p.Text(), "hello");
        EXPECT_TRUE(p.CloseTimer().isSingleShot());
        EXPECT_EQ(p.CloseTimer().interval(), 10000);
        // Ten seconds are long for a test: the same timer, run out at once, closes the pop-up.
        p.CloseTimer().start(0);
    });
}

TEST(StatusPopup, AClickAnywhereClosesIt) {
    RunPopup(QStringLiteral("click"), {0, 0, 175, 90}, [](StatusPopup& p) {
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(170, 85));
        EXPECT_FALSE(p.isVisible());
        EXPECT_TRUE(p.CloseTimer().isActive());
    });
}

TEST(StatusPopup, EscapeClosesItAsAClickDoes) {
    RunPopup(QStringLiteral("keys"), {0, 0, 175, 90}, [](StatusPopup& p) {
        QTest::keyClick(&p, Qt::Key_Escape);
        EXPECT_FALSE(p.isVisible());
    });
}

}  // namespace
}  // namespace pipwick
