#include "ui/card_thinker.h"

#include "core/strategy/expert.h"

namespace zarvane {

QtCardThinker::QtCardThinker(Delivery deliver, QObject* parent)
    : QObject(parent), deliver_(std::move(deliver)) {}

QtCardThinker::~QtCardThinker() {
  Cancel();
}

void QtCardThinker::Think(const Core& position, int seat, std::uint32_t ticket) {
  Cancel();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  // The worker thinks on its own copy: the window's thread may change the game meanwhile.
  worker_ =
      std::thread([this, copy = std::make_unique<Core>(position), seat, ticket, cancel = cancel_] {
        const std::optional<int> slot = ExpertCardSlot(*copy, seat, Thinking{2, cancel.get()});
        if (!slot || cancel->load())
          return;
        // Dropped by Qt if this object is gone before the window's thread gets to it.
        QMetaObject::invokeMethod(
            this, [this, ticket, slot = *slot] { deliver_(ticket, slot); }, Qt::QueuedConnection);
      });
}

// The flag stops the trial deals at the next one; the wait for that is short.
void QtCardThinker::Cancel() {
  if (cancel_)
    cancel_->store(true);
  if (worker_.joinable())
    worker_.join();
}

}  // namespace zarvane
