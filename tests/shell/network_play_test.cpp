#include <QRegularExpression>

#include "shell/dialogs/host_table_dialog.h"
#include "shell/dialogs/join_table_dialog.h"
#include "shell_test_support.h"

namespace pipwick {
namespace {

// The loopback answers within moments; a bound keeps a broken table from hanging the suite.
template <typename Condition>
bool Until(Condition condition) {
    for (int turn = 0; turn < 2000 && !condition(); ++turn) {
        QTest::qWait(5);
    }
    return condition();
}

QString Shown(const QString& shown, const QString& label) {
    const QRegularExpression line(QRegularExpression::escape(label) + QStringLiteral(": (\\S+)"));
    return line.match(shown).captured(1);
}

bool Holds(const GameState& state, int32_t tile) {
    return std::find(std::begin(state.Hand[1]), std::end(state.Hand[1]), tile) !=
           std::end(state.Hand[1]);
}

// A host and a guest in one process: the guest joins the table the host's dialog shows, the
// host starts it, the leader's click leads on both tables, and the host's quitting ends the
// guest's table with the reason in his status line.
TEST(NetworkPlay, HostAndGuestPlayOneTableAndTheHostEndsIt) {
    TestProgram host;
    TestProgram guest;
    QString code;
    int port = 0;
    host.fillIn = [&](QDialog& dialog) {
        auto& table = dynamic_cast<HostTableDialog&>(dialog);
        table.Players().setCurrentIndex(0);
        table.Chair(3).setCurrentIndex(0);
        table.OpenButton().click();
        code = Shown(table.Shown(), QStringLiteral("Table code"));
        port = Shown(table.Shown(), QStringLiteral("Port")).toInt();
        EXPECT_FALSE(table.StartButton().isEnabled());
        guest.fillIn = [&](QDialog& joining) {
            auto& join = dynamic_cast<JoinTableDialog&>(joining);
            join.Address().setText(QStringLiteral("127.0.0.1"));
            join.Port().setValue(port);
            join.Code().setText(code);
            join.Name().setText(QStringLiteral("Guest"));
            joining.accept();
        };
        guest.app->Human().Action(Command::kJoinTable).trigger();
        ASSERT_TRUE(Until([&] { return table.StartButton().isEnabled(); }));
        table.StartButton().click();
    };
    host.app->Human().Action(Command::kHostTable).trigger();
    GameState& hosts = host.app->State();
    GameState& guests = guest.app->State();
    ASSERT_TRUE(Until([&] { return hosts.GameInProgress == 1 && guests.GameInProgress == 1; }))
        << host.app->Human().Status().toStdString() << " / "
        << guest.app->Human().Status().toStdString();
    EXPECT_EQ(hosts.PlayerCount, 2);
    EXPECT_FALSE(host.app->Human().Action(Command::kSave).isEnabled());
    EXPECT_FALSE(guest.app->Human().Action(Command::kUndo).isEnabled());

    TestProgram& leader = hosts.CurrentPlayer == 1 ? host : guest;
    const Play lead = leader.app->CurrentGame().ChooseComputerMove(1);
    ASSERT_NE(lead.slot, kEmptySlot);
    const int32_t tile = leader.app->State().Hand[1][lead.slot];
    leader.app->HandSlotClicked(lead.slot);
    // The lead is played only when the table's news of it comes back.
    EXPECT_TRUE(TableIsEmpty(leader.app->State()));
    ASSERT_TRUE(Until([&] { return !TableIsEmpty(hosts) && !TableIsEmpty(guests); }));
    EXPECT_FALSE(Holds(leader.app->State(), tile));
    // Two players sit in seats 1 and 3, each in seat 1 of his own table: the one to play next is
    // seat 1 at one table and seat 3 at the other.
    EXPECT_EQ(hosts.CurrentPlayer + guests.CurrentPlayer, 4);

    host.app->Close();
    ASSERT_TRUE(Until([&] { return guests.GameInProgress == 0; }));
    EXPECT_TRUE(guest.app->Human().Status().contains(QStringLiteral("closed the table")));
    EXPECT_FALSE(QFile::exists(host.data.filePath(QStringLiteral("temp.dom"))));
}

// The lines that say where the table is make the dialog taller: one that stood at the bottom of
// the screen moves up to keep Start within reach.
TEST(NetworkPlay, HostDialogKeepsStartOnTheScreenOnceOpen) {
    TestProgram host;
    QRect room;
    QRect opened;
    host.fillIn = [&](QDialog& dialog) {
        auto& table = dynamic_cast<HostTableDialog&>(dialog);
        table.show();
        room = table.screen()->availableGeometry();
        table.move(table.x(), room.bottom() - table.frameGeometry().height() + 1);
        table.OpenButton().click();
        QCoreApplication::processEvents();
        opened = table.frameGeometry();
        table.hide();
    };
    host.app->Human().Action(Command::kHostTable).trigger();
    EXPECT_TRUE(room.contains(opened))
        << opened.y() << "+" << opened.height() << " on " << room.height();
}

}  // namespace
}  // namespace pipwick
