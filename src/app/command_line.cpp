#include "app/command_line.h"

namespace ko {
namespace {

constexpr char16_t kWordEnd = u'\0';

// A whole decimal number of at most three digits; -1 for anything else ("3x", "", "+2").
int smallNumber(TextView word) {
  if (word.empty() || word.size() > 3) return -1;
  int value = 0;
  for (char16_t c : word) {
    if (c < u'0' || c > u'9') return -1;
    value = value * 10 + (c - u'0');
  }
  return value;
}

Command wrong() { return Command{CommandKind::Wrong, 0, Text()}; }

CommandKind kindOfSwitch(TextView word) {
  if (word.size() < 2 || (word[0] != u'/' && word[0] != u'-')) return CommandKind::Wrong;
  const TextView name = word.substr(1);
  if (name == u"?") return CommandKind::Usage;
  if (equalsNoCase(name, u"profile")) return CommandKind::Profile;
  if (equalsNoCase(name, u"stage")) return CommandKind::Stage;
  if (equalsNoCase(name, u"export")) return CommandKind::Export;
  if (equalsNoCase(name, u"import")) return CommandKind::Import;
  return CommandKind::Wrong;
}

Text replaced(Text text, TextView value) {
  const size_t at = text.find(u"%1");
  if (at != Text::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

Command parseCommandLine(const std::vector<Text>& words) {
  if (words.empty()) return Command{};
  const CommandKind kind = kindOfSwitch(words[0]);
  switch (kind) {
    case CommandKind::Usage:
      return words.size() == 1 ? Command{kind, 0, Text()} : wrong();
    case CommandKind::Profile:
    case CommandKind::Stage: {
      if (words.size() != 2) return wrong();
      const int number = smallNumber(words[1]);
      const int highest = kind == CommandKind::Profile ? kCommandProfiles : kCommandStages;
      if (number < 1 || number > highest) return wrong();
      return Command{kind, number, Text()};
    }
    case CommandKind::Export:
    case CommandKind::Import:
      if (words.size() != 2 || words[1].empty()) return wrong();
      return Command{kind, 0, words[1]};
    default:
      return wrong();
  }
}

int exitCodeOf(CommandOutcome outcome) {
  switch (outcome) {
    case CommandOutcome::Done:
    case CommandOutcome::NothingToDo: return 0;
    case CommandOutcome::WrongCommandLine: return 1;
    case CommandOutcome::FileFailed: return 2;
    case CommandOutcome::SettingsUnreadable: return 3;
  }
  return 1;
}

Text handOverText(const Command& command) {
  Text text;
  switch (command.kind) {
    case CommandKind::Profile: text = u"/profile" + Text(1, kWordEnd) + decimal(command.number); break;
    case CommandKind::Stage: text = u"/stage" + Text(1, kWordEnd) + decimal(command.number); break;
    case CommandKind::Export: text = u"/export" + Text(1, kWordEnd) + command.file; break;
    case CommandKind::Import: text = u"/import" + Text(1, kWordEnd) + command.file; break;
    default: return Text();  // only the commands that change settings are handed over
  }
  return text + kWordEnd;
}

Command commandFromHandOver(TextView text) {
  // Anything not made by handOverText (a word without its end) is no command.
  if (text.empty() || text.back() != kWordEnd) return wrong();
  std::vector<Text> words;
  size_t start = 0;
  for (size_t end; (end = text.find(kWordEnd, start)) != TextView::npos; start = end + 1)
    words.emplace_back(text.substr(start, end - start));
  const Command command = parseCommandLine(words);
  return command.kind == CommandKind::Usage || command.kind == CommandKind::Window ? wrong() : command;
}

Text commandReport(const Command& command, CommandOutcome outcome, const std::function<Text(TextView)>& text) {
  const Text number = decimal(command.number);
  switch (outcome) {
    case CommandOutcome::WrongCommandLine: return text(u"WRONG") + u" " + text(u"USAGE");
    case CommandOutcome::SettingsUnreadable: return text(u"SETTINGSUNREADABLE");
    case CommandOutcome::NothingToDo: return replaced(text(u"PROFILEKEPT"), number);
    case CommandOutcome::FileFailed:
      return replaced(text(command.kind == CommandKind::Export ? u"NOTWRITTEN" : u"NOTREAD"), command.file);
    case CommandOutcome::Done: break;
  }
  switch (command.kind) {
    case CommandKind::Profile: return replaced(text(u"PROFILE"), number);
    case CommandKind::Stage: return replaced(text(u"STAGE"), number);
    case CommandKind::Export: return replaced(text(u"EXPORTED"), command.file);
    case CommandKind::Import: return replaced(text(u"IMPORTED"), command.file);
    default: return text(u"USAGE");
  }
}

}  // namespace ko
