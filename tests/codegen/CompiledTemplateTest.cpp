#include "CompiledTemplate.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

using morvane::CompiledTemplate;
using Step = CompiledTemplate::Step;

namespace {

std::string Applied(const CompiledTemplate& compiled, const std::vector<Step>& steps)
{
    std::string out = "<";
    compiled.AppendApplied(out, steps);
    return out;
}

std::string InOrder(std::string_view text, const std::vector<Step>& steps)
{
    return "<" + CompiledTemplate::ApplyInOrder(text, steps);
}

} // namespace

TEST(CompiledTemplate, ReplaysTheSameStepsWithNewValues)
{
    const std::string text = "w:宽度;h:高度;w2:宽度;c:#链接;";
    const CompiledTemplate compiled(text);
    for (const auto& [width, height, link] :
         std::vector<std::array<std::string, 3>>{{"1", "2", "#a"}, {"950", "", "x"}, {"", "", ""}}) {
        const std::vector<Step> steps = {{"宽度", width, 2}, {"高度", height, 1}, {"#链接", link, 1}};
        EXPECT_EQ(Applied(compiled, steps), InOrder(text, steps));
    }
    EXPECT_EQ(Applied(compiled, {{"宽度", "1", 2}, {"高度", "2", 1}, {"#链接", "u", 1}}), "<w:1;h:2;w2:1;c:u;");
}

TEST(CompiledTemplate, ValuesThatMakeLaterPlaceholdersAreCompletedInOrder)
{
    // The value holds a later placeholder; the value "图层0" meets the
    // template's "1"; an empty value joins "宽" and "度"; a fixed piece
    // brings placeholders that the next steps fill.
    const std::string text = "[A]图层0[B]1|宽[C]度|[D]";
    const CompiledTemplate compiled(text);
    const std::vector<std::vector<Step>> cases = {
        {{"[A]", "高度", 1}, {"高度", "5", 1}, {"图层01", "S", 1}},
        {{"[B]", "图层0", 1}, {"图层01", "S", 2}},
        {{"[B]", "x", 1}, {"[C]", "", 1}, {"宽度", "W", 1}},
        {{"[D]", "<a 链接>", 1, true}, {"链接", "L", 1}, {"[A]", "a", 1}},
        {{"[A]", "宝贝", 1}, {"宝贝ID", "7", 1}, {"[B]", "Id", 1}},
    };
    for (const auto& steps : cases)
        EXPECT_EQ(Applied(compiled, steps), InOrder(text, steps));
    EXPECT_EQ(Applied(compiled, cases[1]), "<[A]图层0S|宽[C]度|[D]");
}

// Random templates, step lists and values, each step list applied with many
// value sets, must give exactly what applying the steps in order gives.
TEST(CompiledTemplate, AgreesWithApplyingInOrderOnRandomInput)
{
    const std::vector<std::string> placeholders = {"宽度",   "高度", "图层01", "图层02", "序号0", "#链接",
                                                   "宝贝id", "距左", "左",     "0",      "@",     "ab"};
    const std::vector<std::string> pieces = {"宽", "度", "高", "图", "层",   "序",   "号",  "0", "1",
                                             "2",  "#",  "链", "接", "<",    ">",    "a",   "B", "Id",
                                             " ",  "@",  "左", "距", "\xE5", "\xFF", "\xBD"};
    std::mt19937 random(20261209);
    const auto pick = [&random](const std::vector<std::string>& list) -> const std::string& {
        return list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)];
    };
    const auto chance = [&random](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
    const auto randomText = [&](int maxPieces) {
        std::string text;
        const int count = std::uniform_int_distribution<int>(0, maxPieces)(random);
        for (int i = 0; i < count; ++i)
            text += chance(40) ? pick(placeholders) : pick(pieces);
        return text;
    };

    for (int round = 0; round < 1500; ++round) {
        const std::string text = randomText(30);
        const CompiledTemplate compiled(text);
        const int stepCount = std::uniform_int_distribution<int>(1, 8)(random);
        std::vector<std::string> stepPlaceholders;
        std::vector<long long> counts;
        std::vector<std::string> fixedValues;
        for (int s = 0; s < stepCount; ++s) {
            stepPlaceholders.push_back(pick(placeholders));
            counts.push_back(std::uniform_int_distribution<long long>(0, 3)(random));
            fixedValues.push_back(chance(15) ? randomText(3) + "x" : std::string());
        }
        for (int values = 0; values < 12; ++values) {
            std::vector<std::string> storage;
            storage.reserve(static_cast<size_t>(stepCount));
            std::vector<Step> steps;
            for (int s = 0; s < stepCount; ++s) {
                const bool fixed = !fixedValues[static_cast<size_t>(s)].empty();
                storage.push_back(fixed        ? fixedValues[static_cast<size_t>(s)]
                                  : chance(25) ? std::string()
                                               : randomText(3));
                steps.push_back(
                    {stepPlaceholders[static_cast<size_t>(s)], storage.back(), counts[static_cast<size_t>(s)], fixed});
            }
            ASSERT_EQ(Applied(compiled, steps), InOrder(text, steps)) << "template [" << text << "] round " << round;
        }
    }
}
