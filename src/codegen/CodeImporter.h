#pragma once

#include "CodeGenerator.h"

#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "DesignElement.h"
#include "DesignSettings.h"
#include "Kind.h"
#include "Placement.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {

// One component or text read back from its code.
struct ImportedElement {
    Kind kind = Kind::Picture;
    // The record as the layer holds it: column 0 the kind word, the save
    // flag "1" (arrows keep only their word, as when they are added).
    std::vector<std::string> cells;
    // The settings file's keys in the order the panel writes them, for the
    // kinds that have one; values as the panel saves them.
    std::vector<std::pair<std::string, std::string>> settings;
    // Where it stands, from its values; a carousel's arrows from the
    // carousel's place and their offsets.
    Placement placement;
    // For texts, what the label shows; the program's defaults otherwise.
    TextLook look;
};

// A stretch of the code that matched no block.
struct UnreadPart {
    size_t offset = 0; // bytes into the text
    int line = 1;      // 1-based
    int column = 1;    // 1-based, in characters
    std::string excerpt;
};

struct ImportedDesign {
    // Row 0 of the background layer.
    std::vector<std::string> pageSettings;
    // In code order; a carousel is followed by its two arrows.
    std::vector<ImportedElement> components;
    std::vector<ImportedElement> texts;
    // In text order. Empty when every byte was read.
    std::vector<UnreadPart> unread;

    // Empties the layers and fills them with this design, and the settings
    // with those of its carousels, countdowns, search boxes and texts under
    // their new numbers.
    void ApplyTo(ComponentLayer& components, BackgroundLayer& background, DesignSettings& settings) const;
    // The components, then the texts, as copies and design files carry them:
    // settings as the bytes of their file.
    std::vector<DesignElement> Elements() const;
};

// The way back from code to design. Takes the code as the generator wrote
// it, for any edition, with or without the basic edition's wrapper and
// with or without a preview page around it, as UTF-8 text, and the
// template texts it was generated with; the page frame, wrapper and preview
// pages are read with their own steps. Every block of code is matched
// against each kind's template and steps and kept only when generating
// the values read gives the block again, so a value that holds a
// placeholder word of a later step is read the way that generates the same
// code, or the block is reported. Both the blocks of earlier versions (a
// countdown and a two-sided image closing divisions of the frame, a search
// box leaving one open) and the current ones are read. The random class
// numbers are dropped; keys the code does not carry get the panels'
// defaults. Linear in the size of the text; runs on any thread.
//
// Turning the result into a design: ApplyTo() for the bare tables, or
// pageSettings for row 0 and Elements() for a paste of the whole.
class CodeImporter {
public:
    static ImportedDesign ImportCode(std::string_view code, const TemplateTexts& texts);
};

} // namespace morvane
