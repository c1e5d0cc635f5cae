#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "flow/card_thinker.h"

namespace zarvane {

// Thinks about the Expert's card on a worker thread, its trial deals on both cores, while the
// window's thread goes on handling events; the card comes back as a queued call on the
// window's thread.
class QtCardThinker : public QObject, public CardThinker {
 public:
  using Delivery = std::function<void(std::uint32_t ticket, int slot)>;
  explicit QtCardThinker(Delivery deliver, QObject* parent = nullptr);
  ~QtCardThinker() override;
  QtCardThinker(const QtCardThinker&) = delete;
  QtCardThinker& operator=(const QtCardThinker&) = delete;

  void Think(const Core& position, int seat, std::uint32_t ticket) override;
  void Cancel() override;

 private:
  Delivery deliver_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::thread worker_;
};

}  // namespace zarvane
