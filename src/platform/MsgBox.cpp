#include "platform/MsgBox.h"

#include <cstdio>
#include <utility>

namespace {
MsgBoxSeam::Presenter& presenter() {
  static MsgBoxSeam::Presenter current;
  return current;
}
}  // namespace

void MsgBox(const std::string& text) {
  if (presenter()) {
    presenter()(text);
    return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

void MsgBoxSeam::SetPresenter(Presenter next) {
  presenter() = std::move(next);
}
