#ifndef TROVANEL_FORMS_CORE_OBSERVER_CHAIN_H_
#define TROVANEL_FORMS_CORE_OBSERVER_CHAIN_H_

#include "forms/core/form.h"

namespace forms {

// Tells two observers of one form, in turn: the window first, so that what
// the second one (an accessibility layer, when there is one) reads from the
// widgets is already up to date.
class ObserverChain : public FormObserver {
 public:
  ObserverChain(FormObserver& first, FormObserver* second)
      : first_(first), second_(second) {}

  void ListRowChanged(const ListBox& list) override {
    first_.ListRowChanged(list);
    if (second_) second_->ListRowChanged(list);
  }
  void OptionChanged(const OptionButton& option) override {
    first_.OptionChanged(option);
    if (second_) second_->OptionChanged(option);
  }
  void TextChanged(const TextBox& text) override {
    first_.TextChanged(text);
    if (second_) second_->TextChanged(text);
  }

 private:
  FormObserver& first_;
  FormObserver* second_;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_OBSERVER_CHAIN_H_
