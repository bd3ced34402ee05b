#include "forms/fltk/accessibility/glib_in_fltk.h"

#include <FL/Fl.H>

namespace forms::fltk::accessibility {
namespace {

// Rounds of dispatching before one wait, while sources stay ready; then
// FLTK does not block until the next round.
constexpr int kRounds = 4;

}  // namespace

GlibInFltk::GlibInFltk() : context_(g_main_context_default()) {
  g_main_context_acquire(context_);
  Fl::add_check(BeforeWait, this);
  Iterate();
}

GlibInFltk::~GlibInFltk() {
  Fl::remove_check(BeforeWait, this);
  Fl::remove_timeout(OnTimeout, this);
  Unwatch();
  g_main_context_release(context_);
}

void GlibInFltk::BeforeWait(void* data) {
  static_cast<GlibInFltk*>(data)->Iterate();
}

// Only notes what is ready: FLTK is walking its list of descriptors, which
// must not change under it. The dispatch follows before the next wait.
void GlibInFltk::OnReady(int fd, void* data) {
  auto* watch = static_cast<Watch*>(data);
  for (GPollFD& polled : watch->loop->fds_) {
    if (polled.fd == fd) polled.revents |= watch->condition;
  }
}

// Waking FLTK is all a timeout has to do.
void GlibInFltk::OnTimeout(void*) {}

void GlibInFltk::Iterate() {
  // A handler that waits in a loop of its own (a dialog) must not start
  // another round inside this one.
  if (iterating_) return;
  iterating_ = true;
  bool ready = false;
  for (int round = 0; round < kRounds; ++round) {
    if (prepared_ && g_main_context_check(context_, priority_, fds_.data(),
                                          static_cast<gint>(fds_.size()))) {
      g_main_context_dispatch(context_);
    }
    ready = g_main_context_prepare(context_, &priority_);
    prepared_ = true;
    gint wanted = static_cast<gint>(fds_.size());
    do {
      fds_.resize(static_cast<size_t>(wanted));
      wanted = g_main_context_query(context_, priority_, &timeout_ms_,
                                    fds_.data(), wanted);
    } while (wanted > static_cast<gint>(fds_.size()));
    fds_.resize(static_cast<size_t>(wanted));
    for (GPollFD& polled : fds_) polled.revents = 0;
    if (!ready) break;
  }
  iterating_ = false;
  Rewatch();
  Fl::remove_timeout(OnTimeout, this);
  if (ready) {
    Fl::add_timeout(0.0, OnTimeout, this);
  } else if (timeout_ms_ >= 0) {
    Fl::add_timeout(timeout_ms_ / 1000.0, OnTimeout, this);
  }
}

void GlibInFltk::Rewatch() {
  std::vector<std::pair<int, gushort>> wanted;
  for (const GPollFD& polled : fds_) {
    wanted.emplace_back(polled.fd, polled.events);
  }
  if (wanted == watched_) return;
  Unwatch();
  watched_ = wanted;
  for (const GPollFD& polled : fds_) {
    const struct {
      gushort glib;
      int fltk;
    } conditions[] = {
        {G_IO_IN, FL_READ}, {G_IO_OUT, FL_WRITE}, {G_IO_PRI, FL_EXCEPT}};
    for (const auto& condition : conditions) {
      if (polled.events & condition.glib) {
        watches_.push_back({this, polled.fd, condition.glib});
        Fl::add_fd(polled.fd, condition.fltk, OnReady, &watches_.back());
      }
    }
  }
}

void GlibInFltk::Unwatch() {
  for (const Watch& watch : watches_) Fl::remove_fd(watch.fd);
  watches_.clear();
  watched_.clear();
}

}  // namespace forms::fltk::accessibility
