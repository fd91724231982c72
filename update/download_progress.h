#pragma once

#include <QProgressDialog>
#include <QWidget>
#include <memory>

namespace pipwick {

// What the player sees while the installer downloads, so that the program never looks hung, and
// the Cancel that ends the download.
class DownloadProgress {
  public:
    virtual ~DownloadProgress() = default;
    // received of length bytes have arrived; false once the player cancelled.
    virtual bool Update(qint64 received, qint64 length) = 0;
    // The progress is a modal window that takes the player's clicks while the download waits.
    virtual bool TakesInput() const = 0;
};

// The real one: a modal progress dialog with a Cancel button, shown at once.
class ProgressDialog : public DownloadProgress {
  public:
    explicit ProgressDialog(QWidget* owner);
    bool Update(qint64 received, qint64 length) override;
    bool TakesInput() const override { return true; }

  private:
    QProgressDialog dialog_;
};

}  // namespace pipwick
