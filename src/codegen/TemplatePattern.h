#pragma once

#include "CompiledTemplate.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// A template with its substitution steps, read both ways: filled with
// values, as an emitter fills it, and matched against code, giving back the
// values. Working the steps through once with a mark in place of every
// value turns the template into a row of literal pieces and value slots;
// that row is what the code of a block must look like as long as no value
// takes part in a later step's match. Values are numbered variables, so a
// variable the steps put in several places must read the same in each.
class TemplatePattern {
public:
    struct Source {
        enum class Type { Variable, Fixed, Nested };
        Type type = Type::Fixed;
        int variable = -1;
        std::string_view text{};
        const TemplatePattern* nested = nullptr;

        static Source Var(int variable) { return {Type::Variable, variable, {}, nullptr}; }
        // A fixed piece of text; later steps may complete it.
        static Source Fixed(std::string_view text) { return {Type::Fixed, -1, text, nullptr}; }
        // Another template, filled with the same variables, put in as a value.
        static Source Nested(const TemplatePattern& pattern) { return {Type::Nested, -1, {}, &pattern}; }
    };
    struct Step {
        std::string placeholder;
        Source source;
        long long maxCount = 1;
    };
    // A literal piece, or a slot of a variable (literal empty).
    struct Item {
        int variable = -1;
        std::string literal;
        // Numbers the literal pieces of all patterns, for the scanner.
        std::uint32_t id = 0;
    };

    TemplatePattern(std::string_view text, std::vector<Step> steps);
    TemplatePattern(const TemplatePattern&) = delete;
    TemplatePattern& operator=(const TemplatePattern&) = delete;

    // What the emitter appends for these values (missing ones read empty).
    void AppendFilled(std::string& out, std::span<const std::string> values) const;
    std::string Filled(std::span<const std::string> values) const;

    const std::vector<Item>& Items() const { return items_; }
    // Whether a value can have taken no part in a later step's match:
    // it holds no character of any placeholder of the steps, and no slot
    // stands against text that a value could complete into a placeholder.
    // Such values fill the template exactly where they were read.
    bool Inert(std::string_view value) const;

    // The first variable number not used, nested templates included.
    int VariableCount() const { return variableCount_; }

    // Finds literal pieces in one text, remembering for each piece the last
    // answer, so that trying blocks at later and later places never searches
    // the same stretch for the same piece twice over.
    class Scanner {
    public:
        explicit Scanner(std::string_view text) : text_(text) {}
        std::string_view Text() const { return text_; }
        // Leftmost occurrence of the piece at or after from that ends by
        // end, or npos.
        size_t Find(const Item& piece, size_t from, size_t end);

    private:
        // The first pieces made (the blocks' templates, made once) are
        // remembered; the few made for one text are searched afresh.
        static constexpr std::uint32_t kRemembered = 4096;
        // Starts in [from, to) were searched; found is the first of them
        // that holds the piece, or npos for none.
        struct Memo {
            size_t from = std::string::npos;
            size_t to = 0;
            size_t found = std::string::npos;
        };
        std::string_view text_;
        std::vector<Memo> memo_;
    };

    // Matches the items at pos, no further than end. A slot takes the text
    // up to the next occurrence of the piece after it; a variable seen
    // before must be there again. Returns the end of the match, or npos.
    // values holds a slot per variable. The slot of greedyVariable takes
    // the text up to the last occurrence of its next piece instead, for
    // a value that is the code itself, around which the text is wrapped.
    size_t Match(Scanner& scanner, size_t pos, size_t end, std::vector<std::optional<std::string_view>>& values,
                 int greedyVariable = -1) const;

private:
    // The text worked through so far: a byte per place, and for each place
    // the variable whose mark it is (-1 for a literal byte).
    struct Symbolic {
        std::string text;
        std::vector<int> variables;
    };
    Symbolic Work() const;

    std::string text_;
    std::vector<Step> steps_;
    std::vector<Item> items_;
    int variableCount_ = 0;
    // The characters beyond ASCII of the placeholders, nested ones included.
    std::vector<std::string> placeholderCharacters_;
    bool slotsStandClear_ = true;
    std::unique_ptr<CompiledTemplate> compiled_;
};

} // namespace morvane
