#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_PUBLISHED_WINDOW_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_PUBLISHED_WINDOW_H_

#include <FL/Fl.H>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/fltk/accessibility/bridge.h"
#include "forms/fltk/accessibility/glib_in_fltk.h"
#include "forms/fltk/accessibility/layer.h"
#include "forms/fltk/accessibility/node_tree.h"

namespace forms::fltk::accessibility {

// The window on the accessibility bus. The model's changes become events
// (checked, selection, text) as the observer hears of them; after each input
// event the focus is published, and then the message the input produced, as
// a notification, since screen readers speak text changes only of the
// focused object. What a screen reader asks the program to do (click,
// select, focus) runs as the pupil's input once its request has returned.
class PublishedWindow : public Layer, private PeerHost {
 public:
  explicit PublishedWindow(const PublishedForm& form);
  ~PublishedWindow() override;

  // False when the bridge cannot start: nothing is published then.
  bool Start();

  void ListRowChanged(const ListBox& list) override;
  void OptionChanged(const OptionButton& option) override;
  void TextChanged(const TextBox& text) override;

 private:
  // PeerHost: answers read from the model and the widgets.
  void AddStates(const Node& node, AtkStateSet* states) override;
  AtkRectangle Extents(const Node& node, AtkCoordType coords) override;
  bool Focus(const Node& node) override;
  bool Click(const Node& node) override;
  bool SelectRow(const Node& list, int row) override;
  int SelectedRow(const Node& list) override;
  std::string Text(const Node& node) override;
  int Caret(const Node& node) override;
  std::pair<int, int> Selection(const Node& node) override;
  AtkAttributeSet* TextAttributes(const Node& node) override;
  void LineAt(const Node& node, int offset, int* start, int* end) override;
  AtkRectangle CharacterExtents(const Node& node, int offset,
                                AtkCoordType coords) override;

  // FLTK's event dispatch, followed by what the event changed.
  static int Dispatch(int event, Fl_Window* window);
  static void RunQueuedInput(void* data);
  void Queue(std::function<void()> input);
  void WindowFocus(bool active);
  void PublishActivation();
  static void BridgeListening(void* data);
  static void BridgeReady(void* data);
  void PublishFocus(bool focused);
  void PublishCarets();
  void AfterInput();

  Fl_Window* window_;
  NodeTree tree_;
  std::unique_ptr<GlibInFltk> loop_;
  std::unique_ptr<Bridge> bridge_;
  Fl_Event_Dispatch previous_dispatch_ = nullptr;
  std::map<const Node*, int> rows_;  // as last published
  std::map<const Node*, std::string> texts_;
  struct TextPlace {
    int caret;
    std::pair<int, int> selection;
  };
  std::map<const Node*, TextPlace> carets_;
  const Node* focused_ = nullptr;
  bool shown_ = false;
  bool active_ = false;
  bool bridge_ready_ = false;
  bool announced_ = false;
  std::optional<std::string> announcement_;
  std::vector<std::function<void()>> input_;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_PUBLISHED_WINDOW_H_
