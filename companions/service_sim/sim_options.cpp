#include "sim_options.h"

namespace service_sim {
namespace {

bool isHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
unsigned digitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return c - L'A' + 10;
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

std::optional<uint32_t> parseParameter(const std::wstring& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && text[i] == L'-') negative = true, ++i;
  unsigned base = 10;
  if (!negative && text.size() > i + 1 && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) base = 16, i += 2;
  if (i == text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    wchar_t c = text[i];
    bool digit = base == 16 ? isHexDigit(c) : (c >= L'0' && c <= L'9');
    if (!digit) return std::nullopt;
    value = value * base + digitValue(c);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<uint32_t>(0x100000000ull - value);
  }
  return static_cast<uint32_t>(value);
}

ParsedOptions parseOptions(const std::vector<std::wstring>& arguments) {
  Options options;
  bool modeChosen = false;
  auto fail = [](std::string why) { return ParsedOptions{std::nullopt, std::move(why)}; };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& option = arguments[i];
    size_t left = arguments.size() - i - 1;
    auto chooseMode = [&](Mode mode) {
      bool first = !modeChosen;
      options.mode = mode;
      modeChosen = true;
      return first;
    };
    if (option == L"--log" || option == L"--settings") {
      if (left < 1 || arguments[i + 1].empty()) return fail(narrow(option) + " needs a path");
      (option == L"--log" ? options.logPath : options.settingsFolder) = arguments[++i];
    } else if (option == L"--send" || option == L"--send-to-service" || option == L"--post-to-service") {
      Mode mode = option == L"--send" ? Mode::SendToMain : option == L"--send-to-service" ? Mode::SendToService : Mode::PostToService;
      if (!chooseMode(mode)) return fail("only one of --send, --send-to-service, --post-to-service, --ping, --quit");
      if (left < 3) return fail(narrow(option) + " needs <message> <wParam> <lParam>");
      auto message = parseParameter(arguments[i + 1]);
      auto wParam = parseParameter(arguments[i + 2]);
      auto lParam = parseParameter(arguments[i + 3]);
      if (!message || *message == 0 || *message > 0xFFFF) return fail("bad message number " + narrow(arguments[i + 1]));
      if (!wParam) return fail("bad wParam " + narrow(arguments[i + 2]));
      if (!lParam) return fail("bad lParam " + narrow(arguments[i + 3]));
      options.message = *message;
      options.wParam = *wParam;
      options.lParam = static_cast<int32_t>(*lParam);
      i += 3;
    } else if (option == L"--busy") {
      options.busy = true;
    } else if (option == L"--seed") {
      auto seed = left < 1 ? std::nullopt : parseParameter(arguments[i + 1]);
      if (!seed) return fail("--seed needs a number");
      options.seed = *seed;
      ++i;
    } else if (option == L"--ping" || option == L"--quit") {
      if (!chooseMode(option == L"--ping" ? Mode::Ping : Mode::Quit))
        return fail("only one of --send, --send-to-service, --post-to-service, --ping, --quit");
    } else {
      return fail("unknown option " + narrow(option));
    }
  }
  return ParsedOptions{options, {}};
}

const char* usageText() {
  return "usage:\n"
         "  service_sim [--log <file>] [--settings <folder>]  run the service window\n"
         "      [--busy [--seed <n>]]                          ... counting clicks, reporting device changes\n"
         "  service_sim --send <msg> <wParam> <lParam>        send to the main window\n"
         "  service_sim --send-to-service <msg> <w> <l>       send to the running simulator\n"
         "  service_sim --post-to-service <msg> <w> <l>       post to the running simulator\n"
         "  service_sim --ping | --quit                       find / close the running simulator\n";
}

}  // namespace service_sim
