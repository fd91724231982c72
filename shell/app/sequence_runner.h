#pragma once

#include <functional>
#include <utility>

namespace pipwick {

// Runs the game's sequences: a play with the computer turns after it, a new game, a download. One
// may start inside another (a click held back until the first returns arrives inside it); what
// must not cut into a sequence, a close or a restart, waits for the outermost one to return.
class SequenceRunner {
  public:
    // before runs at the start of every sequence; afterOutermost once the outermost one returns.
    void OnEachStart(std::function<void()> before) { before_ = std::move(before); }
    void OnOutermostEnd(std::function<void()> after) { afterOutermost_ = std::move(after); }

    void Run(const std::function<void()>& sequence) {
        if (before_) {
            before_();
        }
        ++depth_;
        sequence();
        --depth_;
        if (depth_ == 0 && afterOutermost_) {
            afterOutermost_();
        }
    }
    bool Running() const { return depth_ > 0; }

  private:
    std::function<void()> before_;
    std::function<void()> afterOutermost_;
    int depth_ = 0;
};

}  // namespace pipwick
