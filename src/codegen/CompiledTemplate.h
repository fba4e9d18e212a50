#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morvane {

// A code template whose substitution steps are worked out once and then
// replayed. Applying steps one after the other searches the whole text for
// every step and shifts its tail for every replacement; for a design of
// thousands of components that is most of the generation time. Where the
// step list is the same, the places the steps fill are the same too, as
// long as no value takes part in a later step's match. A value that might
// (it holds a later placeholder, or could form one with its neighbours, or
// is too long to check cheaply) sends the call the step-by-step way, so
// the result is always that of applying the steps in order.
class CompiledTemplate {
public:
    struct Step {
        std::string_view placeholder;
        std::string_view value;
        long long maxCount = 1;
        // The value is itself a fixed piece of template that later steps
        // are meant to complete; it is replayed as part of the template.
        bool fixedValue = false;
    };

    explicit CompiledTemplate(std::string_view text);

    // Appends to out what applying the steps in order to the text gives.
    void AppendApplied(std::string& out, std::span<const Step> steps) const;

    // Applies the steps one after the other to a copy of text.
    static std::string ApplyInOrder(std::string_view text, std::span<const Step> steps);

    // Switched off, every template applies its steps one after the other
    // instead of replaying a plan; the generator's fuzz target generates
    // each design both ways and compares. On by default.
    static void SetReplay(bool enabled);

private:
    struct Part {
        // kTemplateSource, kValueSource, or the index of a fixed-value step.
        std::int32_t source;
        std::uint32_t offset; // into the source; the step index for values
        std::uint32_t length;
    };
    // What a value must not be for the plan to hold, worked out from where
    // its mark stood when each later step searched the text.
    struct ValueChecks {
        // A later placeholder would run from the text before the value into
        // it: the value must not start with (or be a start of) any of these.
        std::vector<std::string> starts;
        // A later placeholder would run from the value into the text after it.
        std::vector<std::string> ends;
        // Later placeholders that must not stand inside the value, and the
        // first bytes of them (ASCII letters in both cases).
        std::vector<std::string> contains;
        std::array<bool, 256> containsFirstBytes{};
    };
    // What a plan was worked out for: per step the placeholder, the count,
    // whether the value was fixed, empty or variable, and a fixed value.
    struct StepShape {
        std::string placeholder;
        long long maxCount;
        char kind;
        std::string fixedValue;
    };
    struct Plan {
        std::vector<StepShape> shape;
        std::vector<Part> parts;
        std::vector<ValueChecks> checks; // by step
    };
    static constexpr std::int32_t kTemplateSource = -1;
    static constexpr std::int32_t kValueSource = -2;

    std::shared_ptr<const Plan> PlanFor(std::span<const Step> steps) const;
    std::shared_ptr<const Plan> Compile(std::span<const Step> steps) const;
    static char KindOf(const Step& step);
    static bool Fits(const Plan& plan, std::span<const Step> steps);
    static bool TakesPartInLaterMatch(const ValueChecks& checks, std::string_view value);

    std::string text_;
    mutable std::mutex mutex_;
    // By a hash of the step shapes; plans with the same hash side by side.
    mutable std::unordered_map<std::uint64_t, std::vector<std::shared_ptr<const Plan>>> plans_;
    mutable size_t planCount_ = 0;
    // Components of one kind mostly share their step shape: the plan used
    // last is tried before any hashing.
    mutable std::shared_ptr<const Plan> lastPlan_;
};

} // namespace morvane
