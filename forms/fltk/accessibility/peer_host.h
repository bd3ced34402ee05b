#ifndef TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_HOST_H_
#define TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_HOST_H_

#include <atk/atk.h>

#include <string>
#include <utility>

#include "forms/fltk/accessibility/node.h"

namespace forms::fltk::accessibility {

// What the peers ask of the layer: states, places, actions and text, all
// read from the model and the widgets when asked.
class PeerHost {
 public:
  virtual ~PeerHost() = default;
  virtual void AddStates(const Node& node, AtkStateSet* states) = 0;
  virtual AtkRectangle Extents(const Node& node, AtkCoordType coords) = 0;
  virtual bool Focus(const Node& node) = 0;
  virtual bool Click(const Node& node) = 0;
  virtual bool SelectRow(const Node& list, int row) = 0;
  // -1 when no row is selected.
  virtual int SelectedRow(const Node& list) = 0;
  // The text as shown, UTF-8; the caret as a byte offset into it.
  virtual std::string Text(const Node& node) = 0;
  virtual int Caret(const Node& node) = 0;
  // The selected bytes [first, second); empty (first == second) when none.
  virtual std::pair<int, int> Selection(const Node& node) = 0;
  // The attributes of all of the text, which is one run; the caller owns
  // the list.
  virtual AtkAttributeSet* TextAttributes(const Node& node) = 0;
  // The visual line (after wrapping) around a byte offset: [start, end),
  // where end is the next line's start.
  virtual void LineAt(const Node& node, int offset, int* start, int* end) = 0;
  virtual AtkRectangle CharacterExtents(const Node& node, int offset,
                                        AtkCoordType coords) = 0;
};

}  // namespace forms::fltk::accessibility

#endif  // TROVANEL_FORMS_FLTK_ACCESSIBILITY_PEER_HOST_H_
