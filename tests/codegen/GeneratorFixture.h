#pragma once

#include "CodeGenerator.h"
#include "TempDir.h"

#include "ComponentRecord.h"
#include "Kind.h"
#include "PageSettings.h"
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A design with page settings in place and a program directory of its own.
class GeneratorFixture : public ::testing::Test {
protected:
    GeneratorFixture() : store(dir.Path())
    {
        store.CreateWorkingDirectory();
        SetPage("专业版", "950", "500", "20");
    }

    void SetPage(const std::string& edition, const std::string& width, const std::string& height,
                 const std::string& spacing)
    {
        using P = morvane::PageSettings;
        background.SetCell(P::Row, P::Edition, edition);
        background.SetCell(P::Row, P::Width, width);
        background.SetCell(P::Row, P::Height, height);
        background.SetCell(P::Row, P::BackColour, "#ffffff");
        background.SetCell(P::Row, P::BackPicture, "bg.jpg");
        background.SetCell(P::Row, P::Attachment, "scroll");
        background.SetCell(P::Row, P::Repeat, "no-repeat");
        background.SetCell(P::Row, P::VerticalPos, "top");
        background.SetCell(P::Row, P::HorizontalPos, "center");
        background.SetCell(P::Row, P::TopSpacing, spacing);
    }

    // Adds a component whose columns 1.. are the given cells.
    int Add(morvane::Kind kind, const std::vector<std::string>& cells)
    {
        const int row = components.AppendComponent(kind);
        for (size_t i = 0; i < cells.size(); ++i)
            components.SetCell(row, static_cast<int>(i) + 1, cells[i]);
        return row;
    }

    void WriteSettings(morvane::Kind kind, int number, const std::vector<std::pair<std::string, std::string>>& values)
    {
        morvane::SettingsStore::WriteValues(store.PathFor(kind, number), values);
    }

    morvane::GenerationResult Generate(const morvane::TemplateTexts& texts = {})
    {
        return morvane::CodeGenerator::GenerateCode(components, background, store, texts, random);
    }

    // The block that a design holding only the given component emits.
    std::string Block()
    {
        morvane::TemplateTexts texts;
        texts.marketPreview = "527304816";
        std::string code = Generate(texts).code;
        const std::string closing = "</div></div></div>";
        EXPECT_GE(code.size(), closing.size());
        return code.substr(0, code.size() - closing.size());
    }

    TempDir dir;
    morvane::SettingsStore store;
    morvane::ComponentLayer components;
    morvane::BackgroundLayer background;
    morvane::RandomSource random{7};
};
