#pragma once

#include <QProgressDialog>
#include <QWidget>
#include <functional>

namespace pipwick {

// What the player sees while the installer downloads, so that the program never looks hung, and
// the Cancel that ends the download.
class DownloadProgress {
  public:
    virtual ~DownloadProgress() = default;
    // received of length bytes have arrived.
    virtual void Show(qint64 received, qint64 length) = 0;
    virtual bool Cancelled() const = 0;
    // cancel runs as soon as the player cancels, to end the transfer under way at once rather
    // than when its next part arrives; empty for nothing.
    virtual void WhenCancelled(std::function<void()> cancel) = 0;
    // The progress is a modal window that takes the player's clicks while the download waits.
    virtual bool TakesInput() const = 0;
};

// The real one: a modal progress dialog with a Cancel button, shown at once.
class ProgressDialog : public DownloadProgress {
  public:
    explicit ProgressDialog(QWidget* owner);
    void Show(qint64 received, qint64 length) override;
    bool Cancelled() const override { return dialog_.wasCanceled(); }
    void WhenCancelled(std::function<void()> cancel) override { cancel_ = std::move(cancel); }
    bool TakesInput() const override { return true; }

  private:
    QProgressDialog dialog_;
    std::function<void()> cancel_;
};

}  // namespace pipwick
