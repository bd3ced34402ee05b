#include "forms/fltk/accessibility/published_window.h"

#include <FL/Fl_Browser.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include "forms/fltk/accessibility/atk_util_hooks.h"
#include "forms/fltk/accessibility/peers.h"

namespace forms::fltk::accessibility {
namespace {

// The layer whose event dispatch runs: FLTK's dispatch has no user data.
PublishedWindow* dispatching = nullptr;

gint Characters(const std::string& text) {
  return static_cast<gint>(g_utf8_strlen(text.c_str(), -1));
}

gint CharactersBefore(const std::string& text, int byte) {
  return static_cast<gint>(g_utf8_strlen(text.c_str(), byte));
}

// The X key event FLTK is handling, as the key event listeners take it.
bool KeyConsumedByListener(int event) {
  if (!fl_xevent ||
      (fl_xevent->type != KeyPress && fl_xevent->type != KeyRelease)) {
    return false;
  }
  XKeyEvent key = fl_xevent->xkey;
  char text[16] = {};
  KeySym symbol = NoSymbol;
  const int length = XLookupString(
      &key, text, static_cast<int>(sizeof text) - 1, &symbol, nullptr);
  AtkKeyEventStruct atk_key = {};
  atk_key.type =
      event == FL_KEYUP ? ATK_KEY_EVENT_RELEASE : ATK_KEY_EVENT_PRESS;
  atk_key.state = key.state;
  atk_key.keyval = static_cast<guint>(symbol);
  atk_key.length = length;
  // A key without text goes by its name, as toolkits give it.
  const char* name = XKeysymToString(symbol);
  atk_key.string = length > 0 ? text : const_cast<char*>(name ? name : "");
  atk_key.keycode = static_cast<guint16>(key.keycode);
  atk_key.timestamp = static_cast<guint32>(key.time);
  return KeyConsumed(&atk_key);
}

}  // namespace

PublishedWindow::PublishedWindow(const PublishedForm& form)
    : window_(form.window), tree_(form, *this) {
  for (const PublishedControl& published : form.controls) {
    Node* node = tree_.ForControl(published.control);
    if (node->kind == NodeKind::kList) rows_[node] = SelectedRow(*node);
    if (node->kind == NodeKind::kText) {
      texts_[node] = Text(*node);
      carets_[node] = {Caret(*node), Selection(*node)};
    }
  }
}

PublishedWindow::~PublishedWindow() {
  if (dispatching == this) {
    Fl::event_dispatch(previous_dispatch_);
    dispatching = nullptr;
  }
  Fl::remove_timeout(RunQueuedInput, this);
  Fl::remove_timeout(BridgeReady, this);
  WhenListenedTo(nullptr, nullptr);
  bridge_.reset();
  loop_.reset();
  InstallUtilHooks(nullptr);
}

bool PublishedWindow::Start() {
  InitialisePeerClasses();
  InstallUtilHooks(tree_.application().peer);
  loop_ = std::make_unique<GlibInFltk>();
  bridge_ = std::make_unique<Bridge>();
  if (!bridge_->Start()) return false;
  // The bridge hooks the signals it forwards a moment after it starts:
  // until then the window, shown at once, would be activated unheard.
  WhenListenedTo(BridgeListening, this);
  previous_dispatch_ = Fl::event_dispatch();
  dispatching = this;
  Fl::event_dispatch(Dispatch);
  return true;
}

int PublishedWindow::Dispatch(int event, Fl_Window* window) {
  PublishedWindow* self = dispatching;
  if ((event == FL_KEYBOARD || event == FL_KEYUP) && window == self->window_ &&
      KeyConsumedByListener(event)) {
    return 1;
  }
  const int handled = self->previous_dispatch_
                          ? self->previous_dispatch_(event, window)
                          : Fl::handle_(event, window);
  // The handler may have ended the layer (the window closed).
  if (dispatching != self) return handled;
  if (window == self->window_ && (event == FL_FOCUS || event == FL_UNFOCUS)) {
    self->WindowFocus(event == FL_FOCUS);
  }
  self->AfterInput();
  return handled;
}

void PublishedWindow::WindowFocus(bool active) {
  if (active == active_) return;
  active_ = active;
  if (bridge_ready_) PublishActivation();
}

void PublishedWindow::PublishActivation() {
  AtkObject* peer = tree_.window().peer;
  atk_object_notify_state_change(peer, ATK_STATE_ACTIVE, active_);
  g_signal_emit_by_name(peer, active_ ? "activate" : "deactivate");
  // As toolkits do: the control with the focus is announced again within
  // the window just activated.
  if (active_ && focused_) PublishFocus(true);
}

// Called as the bridge hooks its first signal, with the rest to follow in
// the same turn of the loop.
void PublishedWindow::BridgeListening(void* data) {
  Fl::add_timeout(0.0, BridgeReady, data);
}

void PublishedWindow::BridgeReady(void* data) {
  auto* self = static_cast<PublishedWindow*>(data);
  self->bridge_ready_ = true;
  if (self->active_) self->PublishActivation();
}

void PublishedWindow::PublishFocus(bool focused) {
  atk_object_notify_state_change(focused_->peer, ATK_STATE_FOCUSED, focused);
}

// The caret and the selection of each text as last published.
void PublishedWindow::PublishCarets() {
  for (auto& [node, published] : carets_) {
    const TextPlace now = {Caret(*node), Selection(*node)};
    if (now.caret == published.caret && now.selection == published.selection) {
      continue;
    }
    const bool moved = now.caret != published.caret;
    const bool selected = now.selection != published.selection;
    published = now;
    if (moved) {
      g_signal_emit_by_name(node->peer, "text-caret-moved",
                            CharactersBefore(Text(*node), now.caret));
    }
    if (selected) g_signal_emit_by_name(node->peer, "text-selection-changed");
  }
}

// The focus first, then the message, so that a screen reader speaks them in
// the order the pupil expects.
void PublishedWindow::AfterInput() {
  if (!shown_ && window_->shown()) {
    shown_ = true;
    g_signal_emit_by_name(tree_.window().peer, "create");
  }
  const Node* focused = tree_.ForWidget(Fl::focus());
  if (focused && !focused->control) focused = nullptr;
  if (focused != focused_) {
    if (focused_) PublishFocus(false);
    focused_ = focused;
    if (focused_) PublishFocus(true);
  }
  PublishCarets();
  if (announcement_) {
    Node& notification = tree_.notification();
    notification.name = *announcement_;
    announcement_.reset();
    announced_ = true;
    // The name comes from the node: clients hear of the new one only so.
    g_object_notify(G_OBJECT(notification.peer), "accessible-name");
    atk_object_notify_state_change(notification.peer, ATK_STATE_SHOWING, TRUE);
  }
}

void PublishedWindow::ListRowChanged(const ListBox& list) {
  Node* node = tree_.ForControl(&list);
  if (!node) return;
  const int row = list.current_row();
  int& shown = rows_[node];
  if (row == shown) return;
  if (shown >= 0) {
    atk_object_notify_state_change(node->children[shown]->peer,
                                   ATK_STATE_SELECTED, FALSE);
  }
  shown = row;
  if (row >= 0) {
    atk_object_notify_state_change(node->children[row]->peer,
                                   ATK_STATE_SELECTED, TRUE);
  }
  g_signal_emit_by_name(node->peer, "selection-changed");
  if (row >= 0 && focused_ == node) {
    g_signal_emit_by_name(node->peer, "active-descendant-changed",
                          node->children[row]->peer);
  }
}

void PublishedWindow::OptionChanged(const OptionButton& option) {
  if (Node* node = tree_.ForControl(&option)) {
    atk_object_notify_state_change(node->peer, ATK_STATE_CHECKED,
                                   option.chosen());
  }
}

// Every check sets the message, also to the one already shown, and nested
// checks set it again: one announcement per input, text events only for a
// real change.
void PublishedWindow::TextChanged(const TextBox& text) {
  Node* node = tree_.ForControl(&text);
  if (!node) return;
  std::string shown = Text(*node);
  std::string& published = texts_[node];
  if (shown != published) {
    g_signal_emit_by_name(node->peer, "text-remove", 0, Characters(published),
                          published.c_str());
    published = shown;
    g_signal_emit_by_name(node->peer, "text-insert", 0, Characters(published),
                          published.c_str());
  }
  announcement_ = shown;
}

bool PublishedWindow::Focus(const Node& node) {
  if (!node.control) return false;
  Fl_Widget* widget = node.widget;
  Queue([widget] { widget->take_focus(); });
  return true;
}

bool PublishedWindow::Click(const Node& node) {
  if (node.kind != NodeKind::kOption) return false;
  Fl_Widget* widget = node.widget;
  Queue([widget] { widget->do_callback(); });
  return true;
}

bool PublishedWindow::SelectRow(const Node& list, int row) {
  if (list.kind != NodeKind::kList || row < 0 ||
      row >= static_cast<int>(list.children.size())) {
    return false;
  }
  auto* browser = static_cast<Fl_Browser*>(list.widget);
  Queue([browser, row] {
    browser->select(row + 1);
    browser->do_callback();
  });
  return true;
}

void PublishedWindow::Queue(std::function<void()> input) {
  input_.push_back(std::move(input));
  if (!Fl::has_timeout(RunQueuedInput, this)) {
    Fl::add_timeout(0.0, RunQueuedInput, this);
  }
}

void PublishedWindow::RunQueuedInput(void* data) {
  auto* self = static_cast<PublishedWindow*>(data);
  std::vector<std::function<void()>> input;
  input.swap(self->input_);
  for (const auto& run : input) {
    run();
    self->AfterInput();
  }
}

}  // namespace forms::fltk::accessibility
