#include "shell/dialogs/join_table_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "network/messages.h"
#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

bool TableTakesName(const QString& name) {
    const QString trimmed = name.trimmed();
    const qsizetype bytes = trimmed.toUtf8().size();
    return bytes >= 1 && static_cast<size_t>(bytes) <= kMaxNameBytes &&
           std::none_of(trimmed.begin(), trimmed.end(),
                        [](QChar letter) { return letter.category() == QChar::Other_Control; });
}

namespace {

// A fingerprint as the host shows it, in groups, or as a program prints it, with colons.
QString BareFingerprint(QString typed) {
    return typed.remove(QLatin1Char(' ')).remove(QLatin1Char(':')).toLower();
}

// Empty (any certificate is taken), or the 64 hex digits of a SHA-256 fingerprint.
bool IsFingerprint(const QString& bare) {
    static const QRegularExpression sha256(QStringLiteral("^([0-9a-f]{64})?$"));
    return sha256.match(bare).hasMatch();
}

}  // namespace

JoinTableDialog::JoinTableDialog(QWidget* owner, const JoinChoices& start) : QDialog(owner) {
    setWindowTitle(Translated(text::kJoinTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    address_ = new QLineEdit(start.address, this);
    form->addRow(Translated(text::kAddress), address_);
    port_ = new QSpinBox(this);
    port_->setRange(1, 65535);
    port_->setValue(start.port);
    form->addRow(Translated(text::kPort), port_);
    code_ = new QLineEdit(start.code, this);
    form->addRow(Translated(text::kTableCode), code_);
    name_ = new QLineEdit(start.name, this);
    form->addRow(Translated(text::kYourName), name_);
    fingerprint_ = new QLineEdit(start.fingerprint, this);
    fingerprint_->setPlaceholderText(Translated(text::kOptional));
    // Room for a fingerprint as the host's dialog shows it, eight groups at a time.
    fingerprint_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000 ")) * 9);
    form->addRow(Translated(text::kFingerprint), fingerprint_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* box : {address_, code_, name_, fingerprint_}) {
        connect(box, &QLineEdit::textChanged, this, [this] { EnableOk(); });
    }
    EnableOk();
}

// A code is typed as read over the telephone: spaces and small letters are the same code.
JoinChoices JoinTableDialog::Choices() const {
    JoinChoices choices;
    choices.address = address_->text().trimmed();
    choices.port = static_cast<uint16_t>(port_->value());
    choices.code = code_->text().remove(QLatin1Char(' ')).toUpper();
    choices.name = name_->text().trimmed();
    choices.fingerprint = BareFingerprint(fingerprint_->text());
    return choices;
}

void JoinTableDialog::EnableOk() {
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(!address_->text().trimmed().isEmpty() && !code_->text().trimmed().isEmpty() &&
                     TableTakesName(name_->text()) &&
                     IsFingerprint(BareFingerprint(fingerprint_->text())));
}

}  // namespace pipwick
