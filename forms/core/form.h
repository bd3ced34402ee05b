#ifndef TROVANEL_FORMS_CORE_FORM_H_
#define TROVANEL_FORMS_CORE_FORM_H_

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/core/controls.h"
#include "forms/core/form_description.h"
#include "forms/core/runtime_error.h"

namespace forms {

// What a backend implements to mirror model changes into its widgets. It is
// told after the change and must not call back into the model.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void ListRowChanged(const ListBox& list) = 0;
  virtual void OptionChanged(const OptionButton& option) = 0;
  virtual void TextChanged(const TextBox& text) = 0;
};

using ErrorReporter = std::function<void(const RuntimeError&)>;
using ClickHandler = std::function<void(int16_t member)>;

// The window of the model: owns its controls, binds their events to
// handlers, and runs every handler inside a frame that passes a run-time
// error to the error reporter. Events raised while a handler runs (a list's
// row set from code) run at once, inside that handler's frame.
class Form {
 public:
  explicit Form(const FormDescription& description);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDescription& description() const { return description_; }
  // In the order of the description.
  const std::vector<std::unique_ptr<Control>>& controls() const {
    return controls_;
  }

  // Member access: kNoSuchControl when there is no such member, or when it
  // is of another kind than asked for.
  CallStatus Find(std::string_view array, int16_t member, Control** control) const;
  template <typename T>
  CallStatus FindAs(std::string_view array, int16_t member, T** control) const {
    Control* found = nullptr;
    CallStatus status = Find(array, member, &found);
    if (status != CallStatus::kOk) return status;
    *control = dynamic_cast<T*>(found);
    return *control ? CallStatus::kOk : CallStatus::kNoSuchControl;
  }

  void OnLoad(std::function<void()> handler);
  void OnClick(std::string_view array, ClickHandler handler);
  void SetErrorReporter(ErrorReporter reporter);
  void SetObserver(FormObserver* observer);

  // The runtime raises the load event once, before the window is shown.
  void Load();
  // The pupil's actions, as a backend reports them.
  void UserSelectsRow(ListBox& list, int16_t row);
  void UserChoosesOption(OptionButton& option);

  // True once a run-time error has been reported: the program is ending and
  // takes no more events.
  bool failed() const { return failed_; }

  // For the controls: tell the observer, raise an event.
  void NotifyChanged(const Control& control);
  void RaiseClick(const Control& source);

 private:
  void RunHandler(const std::function<void()>& handler);

  const FormDescription& description_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::function<void()> load_handler_;
  std::map<std::string, ClickHandler, std::less<>> click_handlers_;
  ErrorReporter error_reporter_;
  FormObserver* observer_ = nullptr;
  int handler_depth_ = 0;
  bool failed_ = false;
};

}  // namespace forms

#endif  // TROVANEL_FORMS_CORE_FORM_H_
