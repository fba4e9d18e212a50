#include "TemplatePattern.h"

#include "TextTemplate.h"

#include <algorithm>

namespace morvane {

namespace {
// Stands for a value while the steps are worked through: no placeholder
// holds it, since placeholders are whole UTF-8 text.
constexpr char kMark = '\xFF';
} // namespace

TemplatePattern::TemplatePattern(std::string_view text, std::vector<Step> steps)
    : text_(text), steps_(std::move(steps)), compiled_(std::make_unique<CompiledTemplate>(text))
{
    for (const Step& step : steps_) {
        if (step.source.type == Source::Type::Variable)
            variableCount_ = std::max(variableCount_, step.source.variable + 1);
        else if (step.source.type == Source::Type::Nested)
            variableCount_ = std::max(variableCount_, step.source.nested->VariableCount());
    }
    const Symbolic worked = Work();
    for (size_t i = 0; i < worked.text.size(); ++i) {
        const int variable = worked.variables[i];
        if (variable >= 0) {
            items_.push_back({variable, {}});
        } else {
            if (items_.empty() || items_.back().variable >= 0)
                items_.push_back({-1, {}});
            items_.back().literal += worked.text[i];
        }
    }
}

TemplatePattern::Symbolic TemplatePattern::Work() const
{
    Symbolic out{text_, std::vector<int>(text_.size(), -1)};
    for (const Step& step : steps_) {
        if (step.placeholder.empty() || step.maxCount <= 0)
            continue;
        Symbolic insert;
        switch (step.source.type) {
        case Source::Type::Variable:
            insert = {std::string(1, kMark), {step.source.variable}};
            break;
        case Source::Type::Fixed:
            insert = {std::string(step.source.text), std::vector<int>(step.source.text.size(), -1)};
            break;
        case Source::Type::Nested:
            insert = step.source.nested->Work();
            break;
        }
        size_t pos = 0;
        for (long long count = 0; count < step.maxCount; ++count) {
            const size_t at = TextTemplate::FindPlaceholder(out.text, step.placeholder, pos);
            if (at == std::string::npos)
                break;
            out.text.replace(at, step.placeholder.size(), insert.text);
            const auto first = out.variables.begin() + static_cast<std::ptrdiff_t>(at);
            out.variables.erase(first, first + static_cast<std::ptrdiff_t>(step.placeholder.size()));
            out.variables.insert(out.variables.begin() + static_cast<std::ptrdiff_t>(at), insert.variables.begin(),
                                 insert.variables.end());
            pos = at + insert.text.size();
        }
    }
    return out;
}

void TemplatePattern::AppendFilled(std::string& out, std::span<const std::string> values) const
{
    static const std::string kEmpty;
    std::vector<std::string> nested;
    nested.reserve(steps_.size());
    std::vector<CompiledTemplate::Step> steps;
    steps.reserve(steps_.size());
    for (const Step& step : steps_) {
        switch (step.source.type) {
        case Source::Type::Variable: {
            const auto variable = static_cast<size_t>(step.source.variable);
            steps.push_back({step.placeholder, variable < values.size() ? values[variable] : kEmpty, step.maxCount});
            break;
        }
        case Source::Type::Fixed:
            steps.push_back({step.placeholder, step.source.text, step.maxCount, true});
            break;
        case Source::Type::Nested:
            nested.push_back(step.source.nested->Filled(values));
            steps.push_back({step.placeholder, nested.back(), step.maxCount});
            break;
        }
    }
    compiled_->AppendApplied(out, steps);
}

std::string TemplatePattern::Filled(std::span<const std::string> values) const
{
    std::string out;
    AppendFilled(out, values);
    return out;
}

size_t TemplatePattern::Scanner::Find(const std::string& literal, size_t from)
{
    const auto it = memo_.find(&literal);
    if (it == memo_.end())
        return memo_.emplace(&literal, Memo{from, text_.find(literal, from)}).first->second.found;
    Memo& memo = it->second;
    if (memo.from <= from && from <= memo.found)
        return memo.found;
    if (from < memo.from) {
        // Only the stretch before the one already searched is new.
        const size_t limit = std::min(text_.size(), memo.from + literal.size() - 1);
        const size_t found = text_.substr(0, limit).find(literal, from);
        memo.from = from;
        if (found != std::string_view::npos)
            memo.found = found;
        return memo.found;
    }
    memo = {from, text_.find(literal, from)};
    return memo.found;
}

size_t TemplatePattern::Match(Scanner& scanner, size_t pos, size_t end,
                              std::vector<std::optional<std::string_view>>& values, int greedyVariable) const
{
    const std::string_view text = scanner.Text().substr(0, end);
    if (values.size() < static_cast<size_t>(variableCount_))
        values.resize(static_cast<size_t>(variableCount_));
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.variable < 0) {
            if (text.substr(pos, item.literal.size()) != item.literal)
                return std::string::npos;
            pos += item.literal.size();
            continue;
        }
        std::optional<std::string_view>& value = values[static_cast<size_t>(item.variable)];
        if (value) {
            if (text.substr(pos, value->size()) != *value)
                return std::string::npos;
            pos += value->size();
            continue;
        }
        // A slot before another slot or at the end takes nothing: the
        // templates always put text between two values.
        size_t stop = pos;
        if (item.variable == greedyVariable) {
            stop = end;
            if (i + 1 < items_.size() && items_[i + 1].variable < 0) {
                const std::string& next = items_[i + 1].literal;
                stop = end - pos < next.size() ? std::string::npos : text.rfind(next, end - next.size());
                if (stop == std::string::npos || stop < pos)
                    return std::string::npos;
            }
        } else if (i + 1 < items_.size() && items_[i + 1].variable < 0) {
            stop = scanner.Find(items_[i + 1].literal, pos);
            if (stop == std::string::npos || stop + items_[i + 1].literal.size() > end)
                return std::string::npos;
        }
        value = text.substr(pos, stop - pos);
        pos = stop;
    }
    return pos;
}

} // namespace morvane
