// A command given while the window is open travels to it as WM_COPYDATA: the tag below,
// the command's words (see handOverText) as UTF-16, and the window's answer, the outcome,
// as the message's result.
#pragma once
#include <windows.h>
#include <optional>
#include "app/command_line.h"

namespace ko {

inline constexpr ULONG_PTR kCommandHandOverTag = 0x4B434D44;  // "KCMD"

// Answers start above 0, which a window that does not know the tag returns.
inline constexpr LRESULT kFirstCommandAnswer = 0x100;
inline LRESULT commandAnswer(CommandOutcome outcome) { return kFirstCommandAnswer + static_cast<LRESULT>(outcome); }
inline std::optional<CommandOutcome> outcomeOfAnswer(LRESULT answer) {
  if (answer < kFirstCommandAnswer || answer > commandAnswer(CommandOutcome::SettingsUnreadable)) return std::nullopt;
  return static_cast<CommandOutcome>(answer - kFirstCommandAnswer);
}

}  // namespace ko
