#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "netplay/table_server.h"
#include "network/server_table.h"
#include "shell/storage/settings.h"

namespace pipwick {

// Opens a table as laid out and answers its server, or null with the reason in error.
using TableOpener = std::function<TableServer*(const TableSetup& setup, QString& error)>;

// Host a Table: the number of players, the game as the General preferences offer it, and who
// takes each chair but the host's (chair 1): a person or a computer player at a level. Opening
// the table shows where friends find it (this machine's addresses, the port and the code) and who
// has joined; Start is there once every person's chair is taken, and starts the game. Cancel
// leaves the table to the caller to close.
class HostTableDialog : public QDialog {
  public:
    HostTableDialog(QWidget* owner, const Settings& settings, int32_t players, TableOpener open);

    // The table as the controls lay it out now.
    TableSetup Setup() const;
    QComboBox& Players() const { return *players_; }
    QComboBox& Chair(int seat) const { return *chairs_[seat]; }
    QPushButton& OpenButton() const { return *open_; }
    QPushButton& StartButton() const { return *start_; }
    // The addresses, port, code and chairs shown once the table is open.
    QString Shown() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void AddRules(QFormLayout& form, const Settings& settings, int32_t players);
    void AddChairs(QFormLayout& form, const Settings& settings);
    void ChairsFollowPlayers();
    void FillTargets();
    void OpenTable();
    void ShowWhere();
    void ShowChairs();
    void FitOnScreen();
    void KeepOnScreen();
    void Start();

    TableOpener openTable_;
    int32_t playTo_;
    TableServer* server_ = nullptr;
    QComboBox* players_ = nullptr;
    QComboBox* game_ = nullptr;
    QCheckBox* partners_ = nullptr;
    QComboBox* playToBox_ = nullptr;
    QComboBox* chairs_[5] = {};
    QLabel* chairLabels_[5] = {};
    QPushButton* open_ = nullptr;
    QLabel* where_ = nullptr;
    QLabel* seated_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* start_ = nullptr;
};

// The addresses of this machine that friends can reach it at: every address of an interface
// that is up, loopback left out, IPv4 first; the loopback address when there is no other.
QStringList ReachableAddresses();

}  // namespace pipwick
