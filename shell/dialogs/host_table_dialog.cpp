#include "shell/dialogs/host_table_dialog.h"

#include <QNetworkInterface>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "ai/level.h"
#include "engine/game_settings.h"
#include "netplay/host_certificate.h"
#include "shell/app/translations.h"
#include "shell/dialogs/general_preferences_dialog.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// The chair choices: a person first, then a computer player at each level.
constexpr int kPersonChoice = 0;

int ChoiceOfLevel(int32_t levelSetting) {
    return 1 + static_cast<int>(LevelFromSetting(levelSetting));
}

}  // namespace

QStringList ReachableAddresses() {
    QStringList ipv4;
    QStringList ipv6;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        const auto flags = face.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : face.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                ipv4 << address.toString();
            } else if (!address.isLinkLocal()) {
                ipv6 << address.toString();
            }
        }
    }
    QStringList all = ipv4 + ipv6;
    if (all.isEmpty()) {
        all << QHostAddress(QHostAddress::LocalHost).toString();
    }
    return all;
}

HostTableDialog::HostTableDialog(QWidget* owner, const Settings& settings, int32_t players,
                                 TableOpener open)
    : QDialog(owner), openTable_(std::move(open)), playTo_(settings.PlayTo) {
    setWindowTitle(Translated(text::kHostTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    AddRules(*form, settings, players);
    AddChairs(*form, settings);
    open_ = new QPushButton(Translated(text::kOpenTable), this);
    layout->addWidget(open_);
    where_ = new QLabel(this);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    seated_ = new QLabel(this);
    layout->addWidget(where_);
    layout->addWidget(seated_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    start_ = buttons_->addButton(Translated(text::kStartTable), QDialogButtonBox::AcceptRole);
    start_->setEnabled(false);
    layout->addWidget(buttons_);
    connect(open_, &QPushButton::clicked, this, [this] { OpenTable(); });
    connect(start_, &QPushButton::clicked, this, [this] { Start(); });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ChairsFollowPlayers();
}

void HostTableDialog::AddRules(QFormLayout& form, const Settings& settings, int32_t players) {
    players_ = new QComboBox(this);
    for (int count = 2; count <= 4; ++count) {
        players_->addItem(QString::number(count), count);
    }
    players_->setCurrentIndex(players >= 2 && players <= 4 ? players - 2 : 0);
    form.addRow(Translated(text::kPlayers), players_);
    game_ = new QComboBox(this);
    for (const char* name : text::kGameNames) {
        game_->addItem(Translated(name));
    }
    game_->setCurrentIndex(IsDominoGame(settings.Game) ? settings.Game : 0);
    form.addRow(Translated(text::kGameChoice), game_);
    partners_ = new QCheckBox(this);
    partners_->setChecked(settings.Partners != 0);
    form.addRow(Translated(text::kPartners), partners_);
    playToBox_ = new QComboBox(this);
    form.addRow(Translated(text::kPlayTo), playToBox_);
    FillTargets();
    connect(players_, &QComboBox::currentIndexChanged, this, [this] { ChairsFollowPlayers(); });
    connect(game_, &QComboBox::currentIndexChanged, this, [this] { FillTargets(); });
}

void HostTableDialog::AddChairs(QFormLayout& form, const Settings& settings) {
    for (int seat = 2; seat <= 4; ++seat) {
        auto* chair = new QComboBox(this);
        chair->addItem(Translated(text::kChairPerson));
        for (const char* computer : text::kChairComputers) {
            chair->addItem(Translated(computer));
        }
        chair->setCurrentIndex(ChoiceOfLevel(settings.PlayerLevel[seat]));
        chairLabels_[seat] = new QLabel(Translated(text::kChair).arg(seat), this);
        form.addRow(chairLabels_[seat], chair);
        chairs_[seat] = chair;
    }
}

// Partners need four at the table; only the chairs that take part are laid (two players sit in
// chairs 1 and 3, as in the one-person game).
void HostTableDialog::ChairsFollowPlayers() {
    const int players = players_->currentData().toInt();
    partners_->setEnabled(players == 4 && server_ == nullptr);
    for (int seat = 2; seat <= 4; ++seat) {
        chairs_[seat]->setVisible(TakesPart(players, seat));
        chairLabels_[seat]->setVisible(TakesPart(players, seat));
    }
}

// The chosen game's own targets, as the General preferences offer them.
void HostTableDialog::FillTargets() {
    const int index = game_->currentIndex();
    const DominoGame game =
        IsDominoGame(index) ? static_cast<DominoGame>(index) : DominoGame::AllFives;
    playToBox_->clear();
    for (const int32_t target : KindOf(game).targetChoices) {
        playToBox_->addItem(QString::number(target), target);
    }
    playToBox_->setCurrentIndex(TargetChoiceIndex(game, playTo_));
    playToBox_->setEnabled(KindOf(game).targetChoices.size() > 1 && server_ == nullptr);
}

TableSetup HostTableDialog::Setup() const {
    TableSetup setup;
    setup.Players = players_->currentData().toInt();
    setup.Settings.Game = game_->currentIndex();
    setup.Settings.Partners = partners_->isChecked() && setup.Players == 4 ? 1 : 0;
    setup.Settings.PlayTo = playToBox_->currentData().toInt();
    // The players' windows pace the table's moves; the table itself need not wait.
    setup.Settings.PlayDelay = 0;
    for (int seat = 2; seat <= 4; ++seat) {
        const int choice = chairs_[seat]->currentIndex();
        const bool laid = TakesPart(setup.Players, seat);
        setup.People.Of[seat] =
            laid && choice == kPersonChoice ? Controller::kPerson : Controller::kComputer;
        setup.Settings.PlayerLevel[seat] = choice == kPersonChoice ? 1 : choice - 1;
    }
    return setup;
}

QString HostTableDialog::Shown() const {
    return where_->text() + QLatin1Char('\n') + seated_->text();
}

// Once open, the table's rules are fixed: the controls that lay it out are greyed.
void HostTableDialog::OpenTable() {
    QString error;
    server_ = openTable_(Setup(), error);
    if (server_ == nullptr) {
        where_->setText(Translated(text::kCantOpenTable).arg(error));
        return;
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             players_, game_, partners_, playToBox_, chairs_[2], chairs_[3], chairs_[4], open_}) {
        control->setEnabled(false);
    }
    connect(server_, &TableServer::ChairsChanged, this, [this] { ShowChairs(); });
    ShowWhere();
    ShowChairs();
    FitOnScreen();
}

// The lines the open table shows make the dialog taller: it moves up rather than put Start
// below the screen's edge.
void HostTableDialog::FitOnScreen() {
    adjustSize();
    KeepOnScreen();
}

// The window manager may apply the new size after the fit above: each size it gives the open
// table's dialog is kept on the screen too.
void HostTableDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (server_ != nullptr) {
        KeepOnScreen();
    }
}

void HostTableDialog::KeepOnScreen() {
    const QRect room = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveTop(std::max(frame.top(), room.top()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    move(frame.topLeft());
}

void HostTableDialog::ShowWhere() {
    QStringList lines;
    lines << Translated(text::kAddresses) + QStringLiteral(": ") +
                 ReachableAddresses().join(QStringLiteral(", "));
    lines << Translated(text::kPort) + QStringLiteral(": ") + QString::number(server_->Port());
    lines << Translated(text::kTableCode) + QStringLiteral(": ") + server_->Code(0);
    // Two rows of eight groups keep the dialog narrow.
    const QString fingerprint = SpacedFingerprint(server_->Fingerprint());
    const qsizetype half = fingerprint.size() / 2;
    lines << Translated(text::kFingerprint) + QStringLiteral(":");
    lines << QStringLiteral("    ") + fingerprint.left(half).trimmed();
    lines << QStringLiteral("    ") + fingerprint.mid(half).trimmed();
    where_->setText(lines.join(QLatin1Char('\n')));
}

void HostTableDialog::ShowChairs() {
    const std::vector<QString> names = server_->Names(0);
    const TableSetup setup = Setup();
    QStringList lines;
    for (int seat = 1; seat <= 4; ++seat) {
        if (!TakesPart(setup.Players, seat)) {
            continue;
        }
        const QString& name = names[static_cast<size_t>(seat)];
        if (!IsPerson(setup.People, seat) && seat != 1) {
            lines << Translated(text::kChairComputer).arg(seat);
        } else if (name.isEmpty()) {
            lines << Translated(text::kChairFree).arg(seat);
        } else {
            lines << Translated(text::kChairTaken).arg(seat).arg(name);
        }
    }
    seated_->setText(lines.join(QLatin1Char('\n')));
    start_->setEnabled(server_->Full(0));
}

void HostTableDialog::Start() {
    if (server_ != nullptr && server_->StartTable(0)) {
        accept();
    }
}

}  // namespace pipwick
