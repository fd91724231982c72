#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <cstdint>

#include "network/messages.h"

namespace pipwick {

// Where a table is and who joins it.
struct JoinChoices {
    QString address;
    uint16_t port = kUsualTablePort;
    QString code;
    QString name;
    // The host's certificate's SHA-256 fingerprint as he shows it; empty to take any.
    QString fingerprint;
};

// Join a Table: the host's address and port, the table's code and the player's name. OK is
// there once each is given and the name is one a table takes.
class JoinTableDialog : public QDialog {
  public:
    JoinTableDialog(QWidget* owner, const JoinChoices& start);

    JoinChoices Choices() const;
    QLineEdit& Address() const { return *address_; }
    QSpinBox& Port() const { return *port_; }
    QLineEdit& Code() const { return *code_; }
    QLineEdit& Name() const { return *name_; }
    QLineEdit& Fingerprint() const { return *fingerprint_; }

  private:
    void EnableOk();

    QLineEdit* address_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* fingerprint_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// Whether a table takes name: 1 to 64 bytes of UTF-8 once trimmed, no control character.
bool TableTakesName(const QString& name);

}  // namespace pipwick
