#include <gtest/gtest.h>

#include "sim_options.h"

namespace service_sim {
namespace {

TEST(ParameterTest, ReadsDecimalHexAndNegativeAsTheir32BitPattern) {
  EXPECT_EQ(parseParameter(L"1285"), 1285u);
  EXPECT_EQ(parseParameter(L"0x4D2"), 0x4D2u);
  EXPECT_EQ(parseParameter(L"0XffffFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(parseParameter(L"-1"), 0xFFFFFFFFu);
  EXPECT_EQ(parseParameter(L"-2147483648"), 0x80000000u);
  EXPECT_EQ(parseParameter(L"4294967295"), 0xFFFFFFFFu);
  // A leading zero is not octal: "010" is ten, as a person typing it means.
  EXPECT_EQ(parseParameter(L"010"), 10u);
}

TEST(ParameterTest, RejectsJunkAndValuesBeyond32Bits) {
  for (const wchar_t* text : {L"", L"-", L"0x", L"12a", L"+1", L"--1", L" 1", L"1 ", L"-0x1", L"0x1g",
                              L"4294967296", L"0x100000000", L"-2147483649", L"99999999999999999999999"})
    EXPECT_FALSE(parseParameter(text).has_value()) << "accepted \"" << std::string(text, text + wcslen(text)) << '"';
}

TEST(OptionsTest, ServesByDefaultWithTheGivenLogAndSettingsFolder) {
  ParsedOptions parsed = parseOptions({L"--log", L"Z:\\tmp\\sim.log", L"--settings", L"C:\\set"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->mode, Mode::Serve);
  EXPECT_EQ(parsed.options->logPath, L"Z:\\tmp\\sim.log");
  EXPECT_EQ(parsed.options->settingsFolder, L"C:\\set");

  ParsedOptions bare = parseOptions({});
  ASSERT_TRUE(bare.options);
  EXPECT_EQ(bare.options->mode, Mode::Serve);
  EXPECT_TRUE(bare.options->logPath.empty());
}

TEST(OptionsTest, SendModesCarryMessageAndBothParameters) {
  ParsedOptions send = parseOptions({L"--send", L"1285", L"8", L"-1"});
  ASSERT_TRUE(send.options) << send.error;
  EXPECT_EQ(send.options->mode, Mode::SendToMain);
  EXPECT_EQ(send.options->message, 1285u);
  EXPECT_EQ(send.options->wParam, 8u);
  EXPECT_EQ(send.options->lParam, -1);

  ParsedOptions post = parseOptions({L"--post-to-service", L"1277", L"0", L"0xFFFFFFFF", L"--log", L"x"});
  ASSERT_TRUE(post.options) << post.error;
  EXPECT_EQ(post.options->mode, Mode::PostToService);
  EXPECT_EQ(post.options->lParam, -1);
  EXPECT_EQ(post.options->logPath, L"x");

  EXPECT_EQ(parseOptions({L"--send-to-service", L"1299", L"2", L"5"}).options->mode, Mode::SendToService);
  EXPECT_EQ(parseOptions({L"--quit"}).options->mode, Mode::Quit);
  EXPECT_EQ(parseOptions({L"--ping"}).options->mode, Mode::Ping);
}

TEST(OptionsTest, RefusesIncompleteOrContradictoryCommandLines) {
  const std::vector<std::vector<std::wstring>> bad = {
      {L"--send", L"1285", L"8"},                   // lParam missing
      {L"--send", L"1285", L"8", L"x"},             // lParam not a number
      {L"--send", L"0", L"0", L"0"},                // no message 0
      {L"--send", L"65536", L"0", L"0"},            // beyond the message range
      {L"--send", L"1285", L"8", L"3", L"--quit"},  // two actions
      {L"--ping", L"--quit"},
      {L"--log"},
      {L"--log", L""},
      {L"--settings"},
      {L"--verbose"},
  };
  for (const auto& arguments : bad) {
    ParsedOptions parsed = parseOptions(arguments);
    EXPECT_FALSE(parsed.options.has_value()) << "accepted a command line starting " << std::string(arguments[0].begin(), arguments[0].end());
    if (!parsed.options) {
      EXPECT_FALSE(parsed.error.empty());
    }
  }
}

}  // namespace
}  // namespace service_sim

namespace service_sim {
namespace {

TEST(OptionsTest, TheBusyModeTakesASeedAndIsOffByDefault) {
  ParsedOptions busy = parseOptions({L"--busy", L"--seed", L"42", L"--settings", L"C:\\set"});
  ASSERT_TRUE(busy.options) << busy.error;
  EXPECT_EQ(busy.options->mode, Mode::Serve);
  EXPECT_TRUE(busy.options->busy);
  EXPECT_EQ(busy.options->seed, 42u);
  EXPECT_FALSE(parseOptions({}).options->busy);
  EXPECT_FALSE(parseOptions({L"--busy", L"--seed"}).options.has_value());
  EXPECT_FALSE(parseOptions({L"--seed", L"x"}).options.has_value());
}

}  // namespace
}  // namespace service_sim
