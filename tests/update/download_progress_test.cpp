#include "update/download_progress.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>

namespace pipwick {
namespace {

// The dialog is up and modal from the start, so the player's clicks reach only it while the
// download waits, and its Cancel reaches the transfer at once.
TEST(ProgressDialog, ShowsTheShareArrivedAndHandsCancelOnAtOnce) {
    ProgressDialog progress(nullptr);
    auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(progress.TakesInput());

    progress.Show(150, 600);
    EXPECT_EQ(dialog->value() * 4, dialog->maximum());
    progress.Show(0, 0);
    EXPECT_EQ(dialog->value(), 0);

    int cancels = 0;
    progress.WhenCancelled([&cancels] { ++cancels; });
    EXPECT_FALSE(progress.Cancelled());
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_EQ(cancels, 1);
}

}  // namespace
}  // namespace pipwick
