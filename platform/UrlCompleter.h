#pragma once

#include <cstdint>

class QLineEdit;

namespace quorlane {

// Puts a completer on the edit that offers this run's addresses from the
// sources the flags select, updated as the history grows.
void AttachUrlCompleter(QLineEdit &edit, std::uint32_t flags);

} // namespace quorlane
