#include "numeric/KeyStrokes.h"

#include <utility>

#include "numeric/Numeric.h"

KeyBookkeeping::KeyBookkeeping(SourceKeys keys, TEdit** activeEdit,
                               std::function<void()> clearGuards, bool numericFilter)
    : keys_(keys),
      activeEdit_(activeEdit),
      clearGuards_(std::move(clearGuards)),
      numericFilter_(numericFilter) {}

void KeyBookkeeping::KeyDown(TEdit* sender, int key) const {
  if (keys_ == SourceKeys::PressAndDelete && key != Qt::Key_Delete) return;
  Count(sender);
}

void KeyBookkeeping::KeyPress(TEdit* sender, char16_t& key) const {
  if (keys_ != SourceKeys::KeyDown) Count(sender);
  if (numericFilter_) key = FilterNumericKey(key, sender);
}

void KeyBookkeeping::Count(TEdit* sender) const {
  clearGuards_();
  if (activeEdit_) *activeEdit_ = sender;
}
