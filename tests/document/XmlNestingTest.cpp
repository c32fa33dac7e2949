// The nesting guard against TinyXML itself: whatever comes before or between the elements,
// the depth the guard counts is never below the depth TinyXML's recursion reaches, and no
// text TinyXML reads without error is refused.
#include "document/XmlLoading.h"

#include <tinyxml.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zentyra {
namespace {

int ElementDepth(const TiXmlNode* node) {
    int deepest = 0;
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
        deepest = std::max(deepest, ElementDepth(child));
    return node->ToElement() ? deepest + 1 : deepest;
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Nodes of every kind TinyXML tells apart, including the ones whose end it finds differently
// from an XML parser: an unknown node ends at the first '>', a declaration's quoted values and
// an attribute's quotes may hold '>' and '<'.
const std::vector<std::string> kNodes = {
    "",
    "<?xml version=\"1.0\"?>",
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone='yes'?>",
    "<?XML version='>' ?>",
    "<?xml-stylesheet href=\"a.xsl\" ?>",
    "<?xml foo>bar ?>",
    "<?xml version=\"1.0",
    "<?>",
    "<?x >",
    "<?pi a=\">\" <b> ?>",
    "<!-- c -->",
    "<!-- a > b <c> -- d -->",
    "<!---->",
    "<!-->-->",
    "<!-- open",
    "<!DOCTYPE x>",
    "<!DOCTYPE x [ <!ENTITY e \"v\"> ]>",
    "<!DOCTYPE x [ >",
    "<!DOCTYPE x SYSTEM \"a>b\">",
    "<![CDATA[ <a> ]]>",
    "<![CDATA[ ]]]>",
    "<![CDATA[ open <a>",
    "<!>",
    "< a>",
    "<1>",
    "<r a=\">\" b='<a>'/>",
    "<r a=b/>",
    "<r a=\"open/>",
    "<r a = 'x' >text &amp; &#x41; &lt;</r>",
    "<r></r >",
    "<r></rs>",
    "<r></r\n\t>",
    "<r>",
    "</r>",
    "text",
};

const std::vector<std::string> kBodies = {
    Repeat("<a>", 40),
    Repeat("<a>", 40) + Repeat("</a>", 40),
    Repeat("<a x='>' y=\"</a>\">", 40),
    Repeat("<a>t<![CDATA[<b>]]><?p <c> ?><!-- <d> -->", 40) + Repeat("</a>", 40),
    Repeat("<a><b/>", 40) + Repeat("</a>", 40),
    Repeat("<a><b></b>", 40) + Repeat("</a>", 40),
    Repeat("<a><b></c>", 40),
};

TEST(XmlNesting, GuardNeverCountsBelowTinyXmlBehindOrInsideAnyNode) {
    TiXmlBase::SetCondenseWhiteSpace(false);
    int compared = 0;
    for (const std::string& node : kNodes) {
        for (const std::string& body : kBodies) {
            for (const std::string& text :
                 {node + body, node + "\n" + node + body, "<r>" + node + body + "</r>",
                  "<r>" + node + "<s>" + node + body}) {
                TiXmlDocument doc;
                doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
                const int tinyXmlDepth = ElementDepth(&doc);
                const XmlNestingScan scan = ScanXmlNesting(text, 1000);
                EXPECT_GE(scan.maxDepth, tinyXmlDepth) << text;
                if (!doc.Error() && doc.RootElement()) {
                    EXPECT_TRUE(scan.followed) << text;
                    EXPECT_EQ(scan.maxDepth, tinyXmlDepth) << text;
                }
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, static_cast<int>(kNodes.size() * kBodies.size() * 4));
}

// Random mixtures of the same nodes with start and end tags, from a fixed seed.
TEST(XmlNesting, GuardNeverCountsBelowTinyXmlOnMixtures) {
    TiXmlBase::SetCondenseWhiteSpace(false);
    const std::vector<std::string> tags = {"<a>", "<a>", "<a>", "</a>", "<b/>", "t ", "<a k='>'>"};
    unsigned state = 12345;
    const auto next = [&](std::size_t bound) {
        state = state * 1103515245u + 12345u;
        return static_cast<std::size_t>((state >> 8) % bound);
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text = "<r>";
        const std::size_t parts = 1 + next(12);
        for (std::size_t i = 0; i < parts; ++i)
            text += next(3) == 0 ? kNodes[next(kNodes.size())] : tags[next(tags.size())];
        if (next(2) == 0) text += "</r>";
        TiXmlDocument doc;
        doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
        const XmlNestingScan scan = ScanXmlNesting(text, 1000);
        EXPECT_GE(scan.maxDepth, ElementDepth(&doc)) << text;
        if (!doc.Error() && doc.RootElement()) {
            EXPECT_TRUE(scan.followed) << text;
        }
    }
}

TEST(XmlNesting, DeepNestingIsRefusedWhateverComesFirst) {
    for (const std::string& prologue :
         {std::string(), std::string("<?>"), std::string("<?x >"), std::string("<!DOCTYPE x [ >"),
          std::string("<!-- a > b -->"), std::string("<?xml version='>'?>")}) {
        const std::string deep = prologue + Repeat("<a>", 40000);
        EXPECT_FALSE(NestingDepthWithin(deep, kMaxXmlNestingDepth)) << prologue;
        TiXmlDocument doc;
        EXPECT_FALSE(ParseXmlText(deep, doc)) << prologue;
    }
}

TEST(XmlNesting, TheLimitCountsTheRootAsLevelOne) {
    const auto nested = [](int levels) {
        return "<?xml version=\"1.0\"?><!DOCTYPE a SYSTEM \"a.dtd\"><!-- > -->" +
               Repeat("<a k='>'>", levels) + Repeat("</a>", levels);
    };
    EXPECT_TRUE(NestingDepthWithin(nested(kMaxXmlNestingDepth), kMaxXmlNestingDepth));
    EXPECT_FALSE(NestingDepthWithin(nested(kMaxXmlNestingDepth + 1), kMaxXmlNestingDepth));
    TiXmlDocument doc;
    EXPECT_TRUE(ParseXmlText(nested(kMaxXmlNestingDepth), doc));
    // A million siblings are flat, not deep.
    EXPECT_TRUE(NestingDepthWithin("<r>" + Repeat("<a/>", 1000000) + "</r>", 2));
}

} // namespace
} // namespace zentyra
