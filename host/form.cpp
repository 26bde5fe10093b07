#include "host/form.h"

namespace host {

Place centredPlace(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

std::optional<std::size_t> findControl(const FormSpec& form, std::string_view name) {
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].name == name) return i;
  }
  return std::nullopt;
}

std::vector<std::size_t> creationOrder(const FormSpec& form) {
  const auto count = form.controls.size();
  std::vector<std::size_t> order;
  std::vector<bool> placed(count, false);
  // Each pass places every control whose parent is already placed; a pass that places nothing
  // leaves the rest (unknown parents, cycles) out.
  for (bool progress = true; progress && order.size() < count;) {
    progress = false;
    for (std::size_t i = 0; i < count; ++i) {
      if (placed[i]) continue;
      const auto& parent = form.controls[i].parent;
      const auto parentIndex = parent.empty() ? std::nullopt : findControl(form, parent);
      if (!parent.empty() && (!parentIndex || !placed[*parentIndex])) continue;
      placed[i] = true;
      order.push_back(i);
      progress = true;
    }
  }
  return order;
}

}  // namespace host
