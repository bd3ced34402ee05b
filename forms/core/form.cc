#include "forms/core/form.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace forms {
namespace {

std::unique_ptr<Control> MakeControl(Form& form,
                                     const ControlDescription& description,
                                     const Control* container) {
  switch (description.kind) {
    case ControlKind::kListBox:
      return std::make_unique<ListBox>(form, description, container);
    case ControlKind::kOptionButton:
      return std::make_unique<OptionButton>(form, description, container);
    case ControlKind::kTextBox:
      return std::make_unique<TextBox>(form, description, container);
    case ControlKind::kLabel:
      return std::make_unique<Label>(form, description, container);
    case ControlKind::kFrame:
      return std::make_unique<Frame>(form, description, container);
  }
  throw std::invalid_argument("unknown control kind");
}

// Restores the handler depth however the handler ends.
class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
  ~DepthGuard() { --depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace

// A broken description is the program's own fault, found at the first start:
// it is rejected here rather than turned into a run-time error later.
Form::Form(const FormDescription& description) : description_(description) {
  for (const ControlDescription& control : description.controls) {
    Control* existing = nullptr;
    if (Find(control.array, control.member, &existing) == CallStatus::kOk) {
      throw std::invalid_argument("control listed twice: " +
                                  std::string(control.array));
    }
    Control* container = nullptr;
    if (!control.container.empty() &&
        Find(control.container, kNoMember, &container) != CallStatus::kOk) {
      throw std::invalid_argument("container must come before its controls: " +
                                  std::string(control.container));
    }
    controls_.push_back(MakeControl(*this, control, container));
  }
}

Form::~Form() = default;

CallStatus Form::Find(std::string_view array, int16_t member,
                  Control** control) const {
  for (const auto& candidate : controls_) {
    if (candidate->array() == array && candidate->member() == member) {
      *control = candidate.get();
      return CallStatus::kOk;
    }
  }
  return CallStatus::kNoSuchControl;
}

void Form::OnLoad(std::function<void()> handler) {
  load_handler_ = std::move(handler);
}

void Form::OnClick(std::string_view array, ClickHandler handler) {
  click_handlers_[std::string(array)] = std::move(handler);
}

void Form::SetErrorReporter(ErrorReporter reporter) {
  error_reporter_ = std::move(reporter);
}

void Form::SetObserver(FormObserver* observer) { observer_ = observer; }

void Form::Load() {
  if (load_handler_) RunHandler(load_handler_);
}

void Form::UserSelectsRow(ListBox& list, int16_t row) {
  if (failed_) return;
  // A row the list does not have is not a choice the pupil can make.
  (void)list.SetCurrentRow(row);
}

void Form::UserChoosesOption(OptionButton& option) {
  if (failed_) return;
  (void)option.Choose();
}

void Form::NotifyChanged(const Control& control) {
  if (!observer_) return;
  switch (control.kind()) {
    case ControlKind::kListBox:
      observer_->ListRowChanged(static_cast<const ListBox&>(control));
      break;
    case ControlKind::kOptionButton:
      observer_->OptionChanged(static_cast<const OptionButton&>(control));
      break;
    case ControlKind::kTextBox:
      observer_->TextChanged(static_cast<const TextBox&>(control));
      break;
    case ControlKind::kLabel:
    case ControlKind::kFrame:
      break;
  }
}

void Form::RaiseClick(const Control& source) {
  auto handler = click_handlers_.find(source.array());
  if (handler == click_handlers_.end()) return;
  int16_t member = source.member();
  RunHandler([&handler, member] { handler->second(member); });
}

// The handler frame. Nested events run inside the outer handler's frame, so
// a run-time error leaves every handler up to the outermost one, which passes
// it to the error reporter; after that no handler runs again.
void Form::RunHandler(const std::function<void()>& handler) {
  if (failed_) return;
  if (handler_depth_ > 0) {
    DepthGuard guard(handler_depth_);
    handler();
    return;
  }
  try {
    DepthGuard guard(handler_depth_);
    handler();
  } catch (const RuntimeError& error) {
    failed_ = true;
    if (error_reporter_) error_reporter_(error);
  }
}

}  // namespace forms
