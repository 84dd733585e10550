#include "app/web_command.h"

namespace ko {

namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

Text browserExecutable(TextView commandTemplate, const std::function<bool(const Text&)>& isFile) {
  size_t first = 0, last = commandTemplate.size();
  while (first < last && isBlank(commandTemplate[first])) ++first;
  while (last > first && isBlank(commandTemplate[last - 1])) --last;
  Text unquoted;
  for (size_t i = first; i < last; ++i)
    if (commandTemplate[i] != u'"') unquoted.push_back(commandTemplate[i]);
  for (size_t i = 0; i < unquoted.size(); ++i) {
    if (unquoted[i] != u' ') continue;
    Text candidate = unquoted.substr(0, i);
    if (isFile(candidate)) return candidate;
  }
  return unquoted;
}

Text browserCommandLine(TextView executable, TextView address) {
  return u"\"" + Text(executable) + u"\" " + Text(address);
}

}  // namespace ko
