#include "forms/fltk/accessibility/node_tree.h"

#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include "forms/fltk/accessibility/peers.h"

namespace forms::fltk::accessibility {
NodeTree::NodeTree(const PublishedForm& form, PeerHost& host) {
  Node& application = Add(NodeKind::kApplication, form.program, nullptr);
  const char* title = form.window->label();
  window_ = &Add(NodeKind::kWindow, title ? title : "", &application);
  window_->widget = form.window;
  AddControls(form, nullptr, *window_);
  notification_ = &Add(NodeKind::kNotification, "", window_);
  for (auto& node : nodes_) node->peer = NewPeer(*node, host);
}

NodeTree::~NodeTree() {
  // Children hold no references to their parents: any order will do.
  for (auto& node : nodes_) g_object_unref(node->peer);
}

Node& NodeTree::Add(NodeKind kind, std::string name, Node* parent) {
  nodes_.push_back(std::make_unique<Node>());
  Node& node = *nodes_.back();
  node.kind = kind;
  node.name = std::move(name);
  node.parent = parent;
  if (parent) parent->children.push_back(&node);
  return node;
}

void NodeTree::AddControls(const PublishedForm& form, const Control* container,
                           Node& parent) {
  std::vector<const PublishedControl*> shown;
  for (const PublishedControl& published : form.controls) {
    if (published.control->container() == container) {
      shown.push_back(&published);
    }
  }
  for (const PublishedControl* published : shown) {
    const Control& control = *published->control;
    Node& node = Add(NodeKindOf(control.kind()), published->name, &parent);
    node.widget = published->widget;
    node.control = &control;
    if (control.kind() == ControlKind::kFrame) {
      AddControls(form, &control, node);
    }
    if (control.kind() == ControlKind::kListBox) {
      const auto& rows = control.description().rows;
      for (size_t row = 0; row < rows.size(); ++row) {
        Node& item = Add(NodeKind::kListItem, std::string(rows[row]), &node);
        item.widget = node.widget;
        item.row = static_cast<int>(row);
      }
    }
  }
}

Node* NodeTree::ForControl(const Control* control) const {
  for (const auto& node : nodes_) {
    if (node->control == control && node->kind != NodeKind::kListItem) {
      return node.get();
    }
  }
  return nullptr;
}

Node* NodeTree::ForWidget(const Fl_Widget* widget) const {
  if (!widget) return nullptr;
  for (const auto& node : nodes_) {
    if (node->widget == widget && node->kind != NodeKind::kListItem) {
      return node.get();
    }
  }
  return nullptr;
}

}  // namespace forms::fltk::accessibility
