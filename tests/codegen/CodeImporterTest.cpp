#include "CodeImporter.h"
#include "GeneratorFixture.h"

#include "KindColumns.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace morvane;

namespace {

// The texts the program ships, as the template server hands them out.
std::string ShippedText(const std::string& name)
{
    std::ifstream in(std::string(MORVANE_TEMPLATES_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string out = text.str();
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

TemplateTexts Shipped()
{
    TemplateTexts texts;
    texts.pageFrame = ShippedText("tyb.txt.in");
    texts.basicWrapper = ShippedText("jcb.txt.in");
    texts.tmallPreview = "<html><body class=\"tmall\">527304816</body></html>";
    texts.marketPreview = "<html><body>527304816</body></html>";
    return texts;
}

void Replace(std::string& text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

} // namespace

class Import : public GeneratorFixture {
protected:
    // Imports the code into a design of its own and generates that with
    // the same random numbers as the first run.
    std::string Regenerate(const ImportedDesign& design)
    {
        ComponentLayer otherComponents;
        BackgroundLayer otherBackground;
        DesignSettings otherSettings;
        design.ApplyTo(otherComponents, otherBackground, otherSettings);
        RandomSource again{7};
        return CodeGenerator::GenerateCode(otherComponents, otherBackground, otherSettings, texts, again).code;
    }

    TemplateTexts texts = Shipped();
};

TEST_F(Import, EveryKindInEveryEditionComesBackAsTheSameCode)
{
    AddEveryKind();
    // A placeholder word of a later step in a value: the text's content is
    // completed by the link step, and read the way that gives the same code.
    const int text = background.AppendText();
    background.SetCell(text, ComponentRecord::Saved, "1");
    WriteSettings(Kind::Text, text, {{"宽度", "10"}, {"内容", "买链接送"}, {"链接", ""}});
    for (const std::string edition : {"天猫版", "专业版", "基础版"}) {
        SCOPED_TRACE(edition);
        SetPage(edition, "1920", "500", "20");
        random = RandomSource(7);
        const GenerationResult generated = Generate(texts);
        for (const std::string* input : {&generated.code, &generated.previewPage}) {
            const ImportedDesign design = CodeImporter::ImportCode(*input, texts);
            ASSERT_TRUE(design.unread.empty()) << design.unread.front().offset << ": " << design.unread.front().excerpt;
            EXPECT_EQ(design.pageSettings[PageSettings::Edition], edition);
            EXPECT_EQ(design.components.size(), 17u);
            EXPECT_EQ(design.texts.size(), 3u);
            EXPECT_EQ(Regenerate(design), generated.code);
        }
    }
    const ImportedDesign design = CodeImporter::ImportCode(Generate(texts).code, texts);
    // What the code does not carry comes from the panels; arrows stand at
    // their offsets from the carousel.
    const std::vector<DesignElement> elements = design.Elements();
    ASSERT_EQ(elements.size(), 20u);
    const SettingsFile countdown = SettingsFile::FromBytes(*elements[6].settings);
    EXPECT_EQ(countdown.Value("年字"), "年");
    EXPECT_EQ(countdown.Value("号字"), "日");
    EXPECT_EQ(elements[1].cells[ComponentRecord::Kind], "轮播");
    EXPECT_EQ(elements[3].placement, (Placement{30 + 460, 40 + 160, 40, 40, true}));
    EXPECT_EQ(elements[10].cells[CustomerServiceColumn::Account], "店小二");
    EXPECT_EQ(elements[9].cells[QrCodeColumn::Number], "777");
    EXPECT_EQ(elements[19].look.caption, "买送");
}

TEST_F(Import, BlocksOfEarlierVersionsAreRead)
{
    AddEveryKind();
    SetPage("专业版", "950", "500", "20");
    random = RandomSource(7);
    const std::string current = Generate(texts).code;
    std::string old = current;
    Replace(old, "已结束\r\n    </div>\r\n</div>\r\n", "已结束\r\n    </div>\r\n</div>\r\n</div></div></div>");
    Replace(old, "alt=\"\"></a></span></div></div>", "alt=\"\"></a></span></div></div></div></div>");
    Replace(old, "\t</form>\r\n</div></div>", "\t</form>\r\n</div>");
    const ImportedDesign design = CodeImporter::ImportCode(old, texts);
    EXPECT_TRUE(design.unread.empty());
    EXPECT_EQ(Regenerate(design), current);
}

TEST_F(Import, WhatCannotBeReadIsReportedAndTheRestImported)
{
    AddEveryKind();
    const std::string code = Generate(texts).code;
    std::string edited = code;
    Replace(edited, "<img src=\"http://p/a.jpg\"", "<img class=\"x\" src=\"http://p/a.jpg\"");
    const size_t picture = code.find("<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:20px");
    const size_t lineStart = code.rfind('\n', picture) + 1;

    struct Case {
        std::string name;
        std::string text;
        size_t components;
        size_t firstOffset;
        std::string excerptStart;
    };
    const std::vector<Case> cases = {
        {"hand-edited block", edited, 16, picture, "<div class=\"most-footer"},
        {"not HTML", "Hello, 店主\r\nno code here", 0, 0, "Hello, 店主"},
        {"truncated", code.substr(0, code.find("data-like")), 15,
         code.find("<div class=\"most-footer", code.find("J_TokenSign")), "<div"},
        {"empty", "", 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportedDesign design = CodeImporter::ImportCode(c.text, texts);
        ASSERT_FALSE(design.unread.empty());
        EXPECT_EQ(design.unread.front().offset, c.firstOffset);
        EXPECT_TRUE(design.unread.front().excerpt.starts_with(c.excerptStart)) << design.unread.front().excerpt;
        EXPECT_EQ(design.components.size(), c.components);
        if (c.name == "hand-edited block") {
            EXPECT_EQ(design.unread.size(), 1u);
            EXPECT_EQ(design.texts.size(), 2u);
            EXPECT_EQ(design.unread.front().column, static_cast<int>(picture - lineStart) + 1);
        }
    }
    // Megabytes of block beginnings that never end are read in one pass.
    std::string endless;
    while (endless.size() < (4u << 20))
        endless += "<div class=\"most-footer footer-more-trigger\" style=\"z-index:2;top:1px;left:宽度";
    const ImportedDesign design = CodeImporter::ImportCode(endless, texts);
    EXPECT_TRUE(design.components.empty());
    EXPECT_FALSE(design.unread.empty());
}
