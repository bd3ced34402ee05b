#include "forms/fltk/accessibility/atk_util_hooks.h"

#include <FL/Enumerations.H>

#include <cstring>
#include <map>
#include <utility>

namespace forms::fltk::accessibility {
namespace {

#define TRV_STRING(x) #x
#define TRV_VERSION(major, minor, patch) \
  TRV_STRING(major) "." TRV_STRING(minor) "." TRV_STRING(patch)

AtkObject* root_object = nullptr;

// What was added, by the id it was given (from 1).
template <typename Entry>
struct Added {
  std::map<guint, Entry> entries;
  guint last = 0;
  guint Add(Entry entry) {
    entries[++last] = entry;
    return last;
  }
};

struct SignalHook {
  guint signal;
  gulong hook;
};
Added<SignalHook> listeners;
void (*listened_to)(void*) = nullptr;
void* listened_to_data = nullptr;

struct KeyListener {
  AtkKeySnoopFunc listener;
  gpointer data;
};
Added<KeyListener> key_listeners;

AtkObject* Root() { return root_object; }
const gchar* ToolkitName() { return "FLTK"; }
const gchar* ToolkitVersion() {
  return TRV_VERSION(FL_MAJOR_VERSION, FL_MINOR_VERSION, FL_PATCH_VERSION);
}

// "Toolkit:Type:signal", or "window:signal" for AtkWindow's signals: an
// emission hook on that signal of every object. 0 when there is no such
// signal.
guint AddListener(GSignalEmissionHook listener, const gchar* event_type) {
  gchar** parts = g_strsplit(event_type, ":", 3);
  const guint count = g_strv_length(parts);
  GType type = G_TYPE_INVALID;
  const gchar* signal = nullptr;
  if (count == 2 && std::strcmp(parts[0], "window") == 0) {
    type = ATK_TYPE_WINDOW;
    signal = parts[1];
  } else if (count == 3) {
    type = g_type_from_name(parts[1]);
    signal = parts[2];
  }
  guint id = 0;
  const guint signal_id =
      type == G_TYPE_INVALID ? 0 : g_signal_lookup(signal, type);
  if (signal_id != 0) {
    gulong hook = g_signal_add_emission_hook(signal_id, 0, listener,
                                             g_strdup(event_type), g_free);
    id = listeners.Add({signal_id, hook});
  }
  g_strfreev(parts);
  if (auto callback = std::exchange(listened_to, nullptr)) {
    callback(listened_to_data);
  }
  return id;
}

void RemoveListener(guint id) {
  auto found = listeners.entries.find(id);
  if (found == listeners.entries.end()) return;
  g_signal_remove_emission_hook(found->second.signal, found->second.hook);
  listeners.entries.erase(found);
}

guint AddKeyListener(AtkKeySnoopFunc listener, gpointer data) {
  return key_listeners.Add({listener, data});
}

void RemoveKeyListener(guint id) { key_listeners.entries.erase(id); }

}  // namespace

void WhenListenedTo(void (*callback)(void*), void* data) {
  listened_to = callback;
  listened_to_data = data;
}

bool KeyConsumed(AtkKeyEventStruct* event) {
  // A listener may remove itself while it runs: walk a copy.
  const std::map<guint, KeyListener> current = key_listeners.entries;
  for (const auto& [id, key_listener] : current) {
    if (key_listener.listener(event, key_listener.data)) return true;
  }
  return false;
}

void InstallUtilHooks(AtkObject* root) {
  root_object = root;
  auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = Root;
  util->get_toolkit_name = ToolkitName;
  util->get_toolkit_version = ToolkitVersion;
  util->add_global_event_listener = AddListener;
  util->remove_global_event_listener = RemoveListener;
  util->add_key_event_listener = AddKeyListener;
  util->remove_key_event_listener = RemoveKeyListener;
}

}  // namespace forms::fltk::accessibility
