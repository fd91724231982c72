#pragma once

#include <QString>
#include <QWidget>

namespace pipwick {

// A text of texts/ in the program's language, for the messages and the progress dialog.
QString MessageText(const char* english);

// The message boxes of the Help menu's commands, captioned with the program's title. They sit
// behind this seam so tests can answer them without anyone at the screen.
class UpdateMessages {
  public:
    virtual ~UpdateMessages() = default;
    // A plain message with an OK button.
    virtual void Tell(QWidget* owner, const QString& text) = 0;
    // A failure: the message with the stop icon.
    virtual void Stop(QWidget* owner, const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool Ask(QWidget* owner, const QString& question) = 0;
};

// The real message boxes.
class MessageBoxes : public UpdateMessages {
  public:
    void Tell(QWidget* owner, const QString& text) override;
    void Stop(QWidget* owner, const QString& text) override;
    bool Ask(QWidget* owner, const QString& question) override;
};

}  // namespace pipwick
