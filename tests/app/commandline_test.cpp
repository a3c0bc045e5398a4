// The program's arguments: playing (the working folder, a given folder,
// asking), checking, and what is refused.
#include "app/commandline.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

struct Case {
    QStringList arguments;
    Action action;
    bool ask;
    std::optional<QString> folder;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << '"' << c.arguments.join(u' ').toStdString() << '"';
}

class Arguments : public ::testing::TestWithParam<Case> { };

TEST_P(Arguments, AreUnderstood)
{
    const Case& c = GetParam();
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << line.problem.toStdString();
    EXPECT_EQ(line.ask, c.ask);
    EXPECT_EQ(line.courseFolder, c.folder);
}

const Case cases[] = {
    {{}, Action::Play, false, std::nullopt},
    {{"/media/cdrom"}, Action::Play, false, "/media/cdrom"},
    {{"--ask"}, Action::Play, true, std::nullopt},
    {{"--ask", "/media/cdrom"}, Action::Play, true, "/media/cdrom"},
    {{"--check"}, Action::Check, false, std::nullopt},
    {{"--check", "course"}, Action::Check, false, "course"},
    {{"--", "--odd-folder"}, Action::Play, false, "--odd-folder"},
    {{"--help"}, Action::Help, false, std::nullopt},
    {{"--version"}, Action::Version, false, std::nullopt},
    {{"--colour"}, Action::Misuse, false, std::nullopt},
    {{"a", "b"}, Action::Misuse, false, std::nullopt},
    {{"--ask", "--check"}, Action::Misuse, false, std::nullopt},
    {{"--help", "x"}, Action::Misuse, false, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(CommandLine, Arguments, ::testing::ValuesIn(cases));

} // namespace
