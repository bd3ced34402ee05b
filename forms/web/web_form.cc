#include "forms/web/web_form.h"

#include <optional>
#include <string>

#include "forms/core/line_breaks.h"
#include "forms/web/dom.h"
#include "forms/web/element_ids.h"
#include "forms/web/web_keys.h"

namespace forms::web {

WebForm::WebForm(Form& form)
    : form_(form), keyboard_(form), bound_(form.controls().size(), false) {}

bool WebForm::Bind() {
  if (!FormsWebBind(std::string(form_.description().name).c_str())) {
    return false;
  }
  for (size_t handle = 0; handle < form_.controls().size(); ++handle) {
    const ControlDescription& d = form_.controls()[handle]->description();
    if (!d.visible) continue;
    if (!FormsWebFind(static_cast<int>(handle), ElementId(d).c_str())) {
      return false;
    }
    bound_[handle] = true;
  }
  return true;
}

void WebForm::SetIcon(const char* url) { FormsWebSetIcon(url); }

void WebForm::Show() {
  // The markup shows the state the form opens in; the model may have moved
  // on while loading.
  for (const auto& control : form_.controls()) {
    if (auto* list = dynamic_cast<const ListBox*>(control.get())) {
      ListRowChanged(*list);
    } else if (auto* option =
                   dynamic_cast<const OptionButton*>(control.get())) {
      OptionChanged(*option);
    } else if (auto* text = dynamic_cast<const TextBox*>(control.get())) {
      TextChanged(*text);
    }
  }
  FormsWebShow(this);
  Focus(keyboard_.First());
}

void WebForm::ReportError(const RuntimeError& error) {
  FormsWebReportError(FormatErrorReport(error).c_str());
}

Control* WebForm::ControlAt(int handle) const {
  if (handle < 0 || handle >= static_cast<int>(bound_.size()) ||
      !bound_[handle]) {
    return nullptr;
  }
  return form_.controls()[handle].get();
}

int WebForm::HandleOf(const Control& control) const {
  for (size_t handle = 0; handle < form_.controls().size(); ++handle) {
    if (form_.controls()[handle].get() == &control) {
      return bound_[handle] ? static_cast<int>(handle) : -1;
    }
  }
  return -1;
}

void WebForm::Focus(const Control* control) {
  if (control == nullptr) return;
  int handle = HandleOf(*control);
  if (handle >= 0) FormsWebFocus(handle);
}

void WebForm::MirrorGroup(const OptionButton& option) {
  for (const auto& control : form_.controls()) {
    auto* sibling = dynamic_cast<const OptionButton*>(control.get());
    if (sibling && sibling->container() == option.container()) {
      OptionChanged(*sibling);
    }
  }
}

void WebForm::OptionClicked(int handle) {
  auto* option = dynamic_cast<OptionButton*>(ControlAt(handle));
  if (option == nullptr) return;
  form_.UserChoosesOption(*option);
  // The browser has already checked the radio and cleared its siblings on
  // its own: show the model's choice again.
  MirrorGroup(*option);
  if (option->chosen()) Focus(option);
}

void WebForm::RowPressed(int handle, int row) {
  auto* list = dynamic_cast<ListBox*>(ControlAt(handle));
  if (list == nullptr || row < 0 || row >= list->row_count()) return;
  form_.UserSelectsRow(*list, static_cast<int16_t>(row));
}

bool WebForm::KeyPressed(int handle, std::string_view name, bool shift) {
  const std::optional<KeyStroke> press = KeyFromBrowser(name, shift);
  if (!press) return false;
  // Every row of a list is in view: a page is the whole list.
  const KeyResult result = keyboard_.Press(ControlAt(handle), *press);
  Focus(result.focus);
  return result.handled;
}

void WebForm::ListRowChanged(const ListBox& list) {
  int handle = HandleOf(list);
  if (handle >= 0) FormsWebSetRow(handle, list.current_row());
}

void WebForm::OptionChanged(const OptionButton& option) {
  int handle = HandleOf(option);
  if (handle >= 0) FormsWebSetChecked(handle, option.chosen() ? 1 : 0);
}

void WebForm::TextChanged(const TextBox& text) {
  int handle = HandleOf(text);
  // A text area shows CR LF as one break and holds it as a line feed.
  if (handle >= 0) FormsWebSetText(handle, WithLineFeeds(text.text()).c_str());
}

}  // namespace forms::web
