#include "TemplatePattern.h"

#include "TextTemplate.h"

#include "AsciiFold.h"

#include <algorithm>
#include <atomic>

namespace morvane {

namespace {
// Stands for a value while the steps are worked through: no placeholder
// holds it, since placeholders are whole UTF-8 text.
constexpr char kMark = '\xFF';
std::atomic<std::uint32_t> nextPieceId{0};
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
    std::vector<std::string> placeholders;
    const auto collect = [&](const auto& self, const TemplatePattern& pattern) -> void {
        for (const Step& step : pattern.steps_) {
            placeholders.push_back(step.placeholder);
            if (step.source.type == Source::Type::Nested)
                self(self, *step.source.nested);
        }
    };
    collect(collect, *this);
    for (const std::string& placeholder : placeholders) {
        for (size_t i = 0; i < placeholder.size();) {
            const auto lead = static_cast<unsigned char>(placeholder[i]);
            const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            if (lead >= 0x80)
                placeholderCharacters_.push_back(placeholder.substr(i, length));
            i += length;
        }
    }
    std::sort(placeholderCharacters_.begin(), placeholderCharacters_.end());
    placeholderCharacters_.erase(std::unique(placeholderCharacters_.begin(), placeholderCharacters_.end()),
                                 placeholderCharacters_.end());
    const Symbolic worked = Work();
    for (size_t i = 0; i < worked.text.size(); ++i) {
        const int variable = worked.variables[i];
        if (variable >= 0) {
            items_.push_back({variable, {}, 0});
        } else {
            if (items_.empty() || items_.back().variable >= 0)
                items_.push_back({-1, {}, nextPieceId++});
            items_.back().literal += worked.text[i];
        }
    }
    // A slot against the start or the end of a placeholder.
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].variable < 0)
            continue;
        std::string_view before;
        std::string_view after;
        if (i > 0 && items_[i - 1].variable < 0)
            before = items_[i - 1].literal;
        if (i + 1 < items_.size() && items_[i + 1].variable < 0)
            after = items_[i + 1].literal;
        for (const std::string_view placeholder : placeholders) {
            for (size_t k = 1; k < placeholder.size(); ++k) {
                const std::string_view head = placeholder.substr(0, k);
                const std::string_view tail = placeholder.substr(k);
                if ((before.size() >= head.size() &&
                     AsciiFold::Same(before.substr(before.size() - head.size()), head)) ||
                    (after.size() >= tail.size() && AsciiFold::Same(after.substr(0, tail.size()), tail)))
                    slotsStandClear_ = false;
            }
        }
    }
}

bool TemplatePattern::Inert(std::string_view value) const
{
    if (!slotsStandClear_)
        return false;
    for (size_t i = 0; i < value.size();) {
        const auto lead = static_cast<unsigned char>(value[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const size_t length = std::min(value.size() - i, lead >= 0xF0   ? size_t{4}
                                                         : lead >= 0xE0 ? size_t{3}
                                                                        : size_t{2});
        if (std::binary_search(placeholderCharacters_.begin(), placeholderCharacters_.end(), value.substr(i, length)))
            return false;
        i += length;
    }
    return true;
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
    size_t size = text_.size();
    for (const std::string& value : values)
        size += 2 * value.size();
    out.reserve(size);
    AppendFilled(out, values);
    return out;
}

size_t TemplatePattern::Scanner::Find(const Item& piece, size_t from, size_t end)
{
    const std::string& literal = piece.literal;
    end = std::min(end, text_.size());
    if (end < from || end - from < literal.size())
        return std::string::npos;
    // Starts before last end in time; only they are searched.
    const size_t last = end - literal.size() + 1;
    const auto search = [&](size_t first) {
        return TextTemplate::FindBytes(text_.substr(0, last + literal.size() - 1), literal, first);
    };
    if (piece.id >= kRemembered)
        return search(from);
    if (memo_.size() <= piece.id)
        memo_.resize(std::min<size_t>(kRemembered, 2 * (piece.id + 1)));
    Memo& memo = memo_[piece.id];
    if (memo.from <= from && from <= memo.to) {
        if (memo.found != std::string::npos && memo.found >= from)
            return memo.found < last ? memo.found : std::string::npos;
        if (memo.found == std::string::npos) {
            if (last <= memo.to)
                return std::string::npos;
            // Only the stretch after the one already searched is new.
            memo.found = search(memo.to);
            memo.to = memo.found == std::string::npos ? last : memo.found + 1;
            return memo.found;
        }
    }
    memo.from = from;
    memo.found = search(from);
    memo.to = memo.found == std::string::npos ? last : memo.found + 1;
    return memo.found;
}

size_t TemplatePattern::Match(Scanner& scanner, size_t pos, size_t end,
                              std::vector<std::optional<std::string_view>>& values, int greedyVariable) const
{
    const std::string_view text = scanner.Text().substr(0, end);
    // Most blocks are told apart by their first piece.
    if (!items_.empty() && items_[0].variable < 0 && text.substr(pos, items_[0].literal.size()) != items_[0].literal)
        return std::string::npos;
    values.assign(static_cast<size_t>(variableCount_), std::nullopt);
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
            stop = scanner.Find(items_[i + 1], pos, end);
            if (stop == std::string::npos || stop + items_[i + 1].literal.size() > end)
                return std::string::npos;
            // The piece found is the next item: step over it too.
            value = text.substr(pos, stop - pos);
            pos = stop + items_[++i].literal.size();
            continue;
        }
        value = text.substr(pos, stop - pos);
        pos = stop;
    }
    return pos;
}

} // namespace morvane
