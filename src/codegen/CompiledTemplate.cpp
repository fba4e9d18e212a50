#include "CompiledTemplate.h"

#include "AsciiFold.h"
#include "TextTemplate.h"

#include <algorithm>
#include <atomic>

namespace morvane {

namespace {

// Longer values are not worth checking against every later placeholder;
// they are rare (long text contents) and go the step-by-step way.
constexpr size_t kMaxCheckedValue = 512;
// Step lists differ by which values are empty and by carousel sizes, so a
// template sees a handful of plans; the bound only guards against growth.
constexpr size_t kMaxPlans = 1024;
// Stands for a value while a plan is worked out. It can never be part of a
// placeholder, since placeholders are whole UTF-8 text.
constexpr char kValueMark = '\xFF';

// One is the start of the other.
bool SamePrefix(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    return AsciiFold::Same(a.substr(0, n), b.substr(0, n));
}

void AddOnce(std::vector<std::string>& list, std::string_view item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.emplace_back(item);
}

constexpr std::uint64_t kHashStart = 14695981039346656037ull;

// FNV-1a, with the length first so that pieces cannot run into each other.
std::uint64_t Hash(std::uint64_t hash, std::string_view piece)
{
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    const auto size = static_cast<std::uint32_t>(piece.size());
    for (size_t i = 0; i < sizeof size; ++i)
        mix(static_cast<unsigned char>(size >> (8 * i)));
    for (const char c : piece)
        mix(static_cast<unsigned char>(c));
    return hash;
}

std::atomic<bool> replayEnabled{true};

struct Origin {
    std::int32_t source;
    std::uint32_t offset;
};

} // namespace

CompiledTemplate::CompiledTemplate(std::string_view text) : text_(text)
{
}

std::string CompiledTemplate::ApplyInOrder(std::string_view text, std::span<const Step> steps)
{
    std::string result(text);
    for (const Step& step : steps)
        TextTemplate::SubstituteInPlace(result, step.placeholder, step.value, step.maxCount);
    return result;
}

void CompiledTemplate::SetReplay(bool enabled)
{
    replayEnabled = enabled;
}

void CompiledTemplate::AppendApplied(std::string& out, std::span<const Step> steps) const
{
    if (!replayEnabled) {
        out += ApplyInOrder(text_, steps);
        return;
    }
    const std::shared_ptr<const Plan> plan = PlanFor(steps);
    bool replayable = plan != nullptr;
    for (size_t i = 0; replayable && i < steps.size(); ++i) {
        if (!steps[i].fixedValue && TakesPartInLaterMatch(plan->checks[i], steps[i].value))
            replayable = false;
    }
    if (!replayable) {
        out += ApplyInOrder(text_, steps);
        return;
    }
    for (const Part& part : plan->parts) {
        if (part.source == kValueSource) {
            out += steps[part.offset].value;
        } else {
            const std::string_view source = part.source == kTemplateSource
                                                ? std::string_view(text_)
                                                : steps[static_cast<size_t>(part.source)].value;
            out.append(source.substr(part.offset, part.length));
        }
    }
}

char CompiledTemplate::KindOf(const Step& step)
{
    return step.fixedValue ? 'f' : step.value.empty() ? 'e' : 'v';
}

bool CompiledTemplate::Fits(const Plan& plan, std::span<const Step> steps)
{
    if (plan.shape.size() != steps.size())
        return false;
    for (size_t i = 0; i < steps.size(); ++i) {
        const StepShape& shape = plan.shape[i];
        const Step& step = steps[i];
        if (shape.placeholder != step.placeholder || shape.maxCount != step.maxCount || shape.kind != KindOf(step) ||
            (step.fixedValue && shape.fixedValue != step.value))
            return false;
    }
    return true;
}

std::shared_ptr<const CompiledTemplate::Plan> CompiledTemplate::PlanFor(std::span<const Step> steps) const
{
    std::lock_guard lock(mutex_);
    if (lastPlan_ && Fits(*lastPlan_, steps))
        return lastPlan_;
    // The plan depends on the placeholders, the counts, which values are
    // empty (their neighbours meet) and the text of fixed values.
    std::uint64_t hash = kHashStart;
    for (const Step& step : steps) {
        hash = Hash(hash, step.placeholder);
        hash = Hash(hash, std::string_view(reinterpret_cast<const char*>(&step.maxCount), sizeof step.maxCount));
        const char kind = KindOf(step);
        hash = Hash(hash, std::string_view(&kind, 1));
        if (step.fixedValue)
            hash = Hash(hash, step.value);
    }
    for (const auto& plan : plans_[hash]) {
        if (Fits(*plan, steps)) {
            lastPlan_ = plan;
            return plan;
        }
    }
    if (planCount_ >= kMaxPlans) {
        plans_.clear();
        planCount_ = 0;
    }
    auto plan = Compile(steps);
    if (plan) {
        plans_[hash].push_back(plan);
        ++planCount_;
        lastPlan_ = plan;
    }
    return plan;
}

std::shared_ptr<const CompiledTemplate::Plan> CompiledTemplate::Compile(std::span<const Step> steps) const
{
    for (const Step& step : steps) {
        if (step.placeholder.find(kValueMark) != std::string_view::npos)
            return nullptr;
    }
    // Apply the steps to the text with every value replaced by one mark,
    // remembering where each byte came from.
    std::string text = text_;
    std::vector<Origin> origins(text.size());
    for (size_t i = 0; i < origins.size(); ++i)
        origins[i] = {kTemplateSource, static_cast<std::uint32_t>(i)};
    auto plan = std::make_shared<Plan>();
    plan->checks.resize(steps.size());
    for (const Step& step : steps) {
        plan->shape.push_back({std::string(step.placeholder), step.maxCount, KindOf(step),
                               step.fixedValue ? std::string(step.value) : std::string()});
    }

    // Before a step searches, every value mark in the text is looked at
    // with the bytes around it, up to the next mark or the end of the text.
    // A mark further on in the same step's search only has fewer bytes
    // before it, so these checks cover the whole step.
    const auto addChecks = [&](std::string_view placeholder) {
        const size_t n = placeholder.size();
        for (size_t m = 0; m < origins.size(); ++m) {
            if (origins[m].source != kValueSource)
                continue;
            ValueChecks& checks = plan->checks[origins[m].offset];
            size_t leftStart = m;
            while (leftStart > 0 && m - leftStart < n - 1 && origins[leftStart - 1].source != kValueSource)
                --leftStart;
            const bool leftOpen = leftStart > 0 && m - leftStart < n - 1;
            const std::string_view left(text.data() + leftStart, m - leftStart);
            size_t rightEnd = m + 1;
            while (rightEnd < origins.size() && rightEnd - m - 1 < n - 1 && origins[rightEnd].source != kValueSource)
                ++rightEnd;
            const bool rightOpen = rightEnd < origins.size() && rightEnd - m - 1 < n - 1;
            const std::string_view right(text.data() + m + 1, rightEnd - m - 1);
            for (size_t t = 1; t < n; ++t) {
                // The placeholder's first t bytes just before the value.
                const bool fits =
                    left.size() >= t
                        ? AsciiFold::Same(left.substr(left.size() - t), placeholder.substr(0, t))
                        : leftOpen && AsciiFold::Same(left, placeholder.substr(t - left.size(), left.size()));
                if (fits)
                    AddOnce(checks.starts, placeholder.substr(t));
            }
            for (size_t r = 1; r < n; ++r) {
                // The placeholder's last r bytes just after the value.
                const bool fits = right.size() >= r
                                      ? AsciiFold::Same(right.substr(0, r), placeholder.substr(n - r))
                                      : rightOpen && AsciiFold::Same(right, placeholder.substr(n - r, right.size()));
                if (fits)
                    AddOnce(checks.ends, placeholder.substr(0, n - r));
            }
            AddOnce(checks.contains, placeholder);
            const auto b = static_cast<unsigned char>(placeholder.front());
            checks.containsFirstBytes[b] = true;
            if (AsciiFold::IsLetter(b))
                checks.containsFirstBytes[b ^ 0x20] = true;
        }
    };

    for (size_t s = 0; s < steps.size(); ++s) {
        const Step& step = steps[s];
        if (step.placeholder.empty() || step.maxCount <= 0)
            continue;
        addChecks(step.placeholder);
        std::string insert;
        std::vector<Origin> insertOrigins;
        if (step.fixedValue) {
            insert = step.value;
            for (size_t i = 0; i < insert.size(); ++i)
                insertOrigins.push_back({static_cast<std::int32_t>(s), static_cast<std::uint32_t>(i)});
        } else if (!step.value.empty()) {
            insert = std::string(1, kValueMark);
            insertOrigins.push_back({kValueSource, static_cast<std::uint32_t>(s)});
        }
        size_t pos = 0;
        for (long long count = 0; count < step.maxCount; ++count) {
            const size_t at = TextTemplate::FindPlaceholder(text, step.placeholder, pos);
            if (at == std::string::npos)
                break;
            text.replace(at, step.placeholder.size(), insert);
            const auto first = origins.begin() + static_cast<std::ptrdiff_t>(at);
            origins.erase(first, first + static_cast<std::ptrdiff_t>(step.placeholder.size()));
            origins.insert(origins.begin() + static_cast<std::ptrdiff_t>(at), insertOrigins.begin(),
                           insertOrigins.end());
            pos = at + insert.size();
        }
    }

    for (const Origin& origin : origins) {
        Part* last = plan->parts.empty() ? nullptr : &plan->parts.back();
        if (last && origin.source != kValueSource && last->source == origin.source &&
            last->offset + last->length == origin.offset) {
            ++last->length;
        } else {
            plan->parts.push_back({origin.source, origin.offset, 1});
        }
    }

    return plan;
}

bool CompiledTemplate::TakesPartInLaterMatch(const ValueChecks& checks, std::string_view value)
{
    if (value.empty())
        return false;
    if (value.size() > kMaxCheckedValue)
        return true;
    for (const std::string& start : checks.starts) {
        if (SamePrefix(value, start))
            return true;
    }
    for (const std::string& end : checks.ends) {
        if (value.size() >= end.size() && AsciiFold::Same(value.substr(value.size() - end.size()), end))
            return true;
    }
    const bool mayContain = std::any_of(
        value.begin(), value.end(), [&](char c) { return checks.containsFirstBytes[static_cast<unsigned char>(c)]; });
    if (mayContain) {
        for (const std::string& placeholder : checks.contains) {
            for (size_t at = 0; at + placeholder.size() <= value.size(); ++at) {
                if (AsciiFold::Same(value.substr(at, placeholder.size()), placeholder))
                    return true;
            }
        }
    }
    return false;
}

} // namespace morvane
