#include "runtime/core/command_line.h"

#include <gtest/gtest.h>

namespace tessel::runtime {
namespace {

const CommandLineTexts kTexts{"wuerfel", "Würfelt.", "Würfel 2.5", "Frei."};

// Each case: the arguments, whether the program runs, the status, and the start of what goes
// to standard output and to standard error.
TEST(AnswerCommandLine, RunsHelpsTellsTheVersionOrRefuses) {
  struct Case {
    std::vector<std::string_view> arguments;
    bool run;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {{}, true, 0, "", ""},
      {{"--help"}, false, 0, "Aufruf: wuerfel [-h | --help | -V | --version]\nWürfelt.\n", ""},
      {{"-h"}, false, 0, "Aufruf: wuerfel ", ""},
      {{"--version"}, false, 0, "Würfel 2.5\nFrei.\n", ""},
      {{"-V"}, false, 0, "Würfel 2.5\n", ""},
      // The first request wins, as a user typing both would read it.
      {{"--version", "--help"}, false, 0, "Würfel 2.5\n", ""},
      {{"-h", "-V"}, false, 0, "Aufruf: ", ""},
      // A wrong word anywhere refuses the whole line, even after a good option.
      {{"--bogus"}, false, 2, "", "wuerfel: unbekannte Option „--bogus“\nAufruf: wuerfel ["},
      {{"--help", "--bogus"}, false, 2, "", "wuerfel: unbekannte Option „--bogus“\n"},
      {{"würfeln"}, false, 2, "", "wuerfel: unerwartetes Argument „würfeln“\n"},
      {{"--HELP"}, false, 2, "", "wuerfel: unbekannte Option „--HELP“\n"},
      {{"--hel"}, false, 2, "", "wuerfel: unbekannte Option „--hel“\n"},
      {{"--help=1"}, false, 2, "", "wuerfel: unbekannte Option „--help=1“\n"},
      {{""}, false, 2, "", "wuerfel: unerwartetes Argument „“\n"},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string_view a : c.arguments) line += " [" + std::string(a) + "]";
    SCOPED_TRACE("arguments:" + line);
    const CommandLineAnswer answer = AnswerCommandLine(c.arguments, kTexts);
    EXPECT_EQ(answer.run, c.run);
    EXPECT_EQ(answer.status, c.status);
    EXPECT_TRUE(answer.out.starts_with(c.out)) << answer.out;
    EXPECT_TRUE(answer.err.starts_with(c.err)) << answer.err;
    EXPECT_EQ(answer.out.empty(), c.out.empty()) << answer.out;
    EXPECT_EQ(answer.err.empty(), c.err.empty()) << answer.err;
  }
}

// What a user needs in the texts themselves: every option the help lists is one the command
// line takes, and a refusal ends with the way to the help.
TEST(AnswerCommandLine, HelpListsOnlyOptionsThatWorkAndRefusalPointsToIt) {
  const std::string help = AnswerCommandLine({"--help"}, kTexts).out;
  std::vector<std::string> listed;
  for (std::size_t at = help.find("\n  -"); at != std::string::npos;
       at = help.find("\n  -", at + 1)) {
    const std::size_t end = help.find("  ", at + 3);
    std::string names = help.substr(at + 3, end - at - 3);  // "-h, --help"
    for (std::size_t comma; (comma = names.find(", ")) != std::string::npos;) {
      listed.push_back(names.substr(0, comma));
      names.erase(0, comma + 2);
    }
    listed.push_back(names);
  }
  EXPECT_EQ(listed, (std::vector<std::string>{"-h", "--help", "-V", "--version"}));
  for (const std::string& option : listed) {
    EXPECT_EQ(AnswerCommandLine({option}, kTexts).status, 0) << option;
  }
  const std::string refusal = AnswerCommandLine({"-x"}, kTexts).err;
  EXPECT_TRUE(refusal.ends_with("Mehr mit „wuerfel --help“.\n")) << refusal;
}

}  // namespace
}  // namespace tessel::runtime
