#include <gtest/gtest.h>
#include <string>
#include "text/character_references.h"
#include "text/xml_document.h"

namespace ko {
namespace {

bool contains(const Text& text, const char16_t* part) { return text.find(part) != Text::npos; }

// The child text of the path of names below the root, or "<missing>".
Text textAt(XmlDocument& document, std::initializer_list<const char16_t*> path) {
  size_t step = 0;
  for (const char16_t* name : path) {
    if (!document.findChild(name)) return u"<missing>";
    if (++step < path.size() && !document.enterChild()) return u"<missing>";
  }
  return document.childText();
}

TEST(XmlReferences, NamedDecimalAndHexadecimalReferencesDecode) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><t>&amp;|&#65;|&#x41;|&nbsp;|&lt;&gt;&quot;&apos;|&euro;&hearts;|&#x1F5B1;</t></r>"));
  EXPECT_EQ(textAt(document, {u"t"}), u"&|A|A|\u00A0|<>\"'|\u20AC\u2665|\U0001F5B1");
}

TEST(XmlReferences, MalformedReferencesStayAsWritten) {
  EXPECT_EQ(DecodeCharacterReferences(u"a & b &unknown; &amp &#; &#xZZ; &#0; &#xD800; &#1114112; &AMP;"),
            u"a & b &unknown; &amp &#; &#xZZ; &#0; &#xD800; &#1114112; &AMP;");
  EXPECT_EQ(DecodeCharacterReferences(u"&&amp;&"), u"&&&");
}

TEST(XmlReferences, LeadingZerosAreAnyNumberAndHugeValuesStayAsWritten) {
  EXPECT_EQ(DecodeCharacterReferences(u"&#0000000000000000065;|&#x00000000000000000041;|&#0000000000001114111;"),
            u"A|A|\U0010FFFF");
  EXPECT_EQ(DecodeCharacterReferences(u"&#99999999999999999999999999;&#x100000000000000000041;"),
            u"&#99999999999999999999999999;&#x100000000000000000041;");
}

TEST(XmlReferences, TableHoldsXmlAndHtmlNamesCaseSensitively) {
  EXPECT_EQ(NamedReferenceCount(), 253u);
  EXPECT_EQ(NamedReferenceCodePoint(u"Aacute"), 193);
  EXPECT_EQ(NamedReferenceCodePoint(u"aacute"), 225);
  EXPECT_EQ(NamedReferenceCodePoint(u"thetasym"), 977);
  EXPECT_EQ(NamedReferenceCodePoint(u"diams"), 9830);
  EXPECT_EQ(NamedReferenceCodePoint(u"apos"), 39);
  EXPECT_EQ(NamedReferenceCodePoint(u"Apos"), -1);
  EXPECT_EQ(NamedReferenceCodePoint(u""), -1);
}

TEST(XmlDocumentText, CdataIsLiteralAndCommentsAndChildrenAreLeftOut) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><t>a<!-- no --><![CDATA[<&amp;>]]><?pi x?>b<c>inner</c>c</t><e/></r>"));
  EXPECT_EQ(textAt(document, {u"t"}), u"a<&amp;>bc");
  XmlDocument again;
  ASSERT_TRUE(again.loadBytes("<r><t>a</t><e/></r>"));
  EXPECT_EQ(textAt(again, {u"e"}), u"");
}

TEST(XmlDocumentText, WhitespaceAndAttributesAreKept) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><t a=\"1 > 2\" b='/>'> two words </t></r>"));
  EXPECT_EQ(textAt(document, {u"t"}), u" two words ");
}

TEST(XmlDocumentIllFormed, EachProblemIsRefusedWithItsDescription) {
  struct Case {
    const char* bytes;
    const char16_t* phrase;
  };
  const Case cases[] = {
      {"", u"Empty document"},
      {"just text", u"No root element"},
      {"<!-- only a comment -->", u"No root element"},
      {"<a/><b/>", u"Root element has sibling"},
      {"<a>text", u"Element 'a' at offset 0 not ended"},
      {"<a></b></a>", u"No start tag for end tag 'b' at offset 3"},
      {"<a><b></a>", u"End tag 'a' at offset 6 does not match start tag 'b' at offset 3"},
      {"<a><!-- open", u"Comment unterminated"},
      {"<a><![CDATA[ open", u"CDATA Section unterminated"},
      {"<?xml version='1.0'", u"Processing instruction unterminated"},
      {"<!DOCTYPE a [ <!ENTITY x '>'> ", u"Doctype unterminated"},
      {"<a><!x></a>", u"Incorrect ! tag"},
      {"<a><!-x></a>", u"Incorrect comment tag"},
      {"<a>< b></a>", u"Incorrect tag name character at offset 4"},
      {"<a><1/></a>", u"Incorrect tag name character"},
      {"<a b='1></a>", u"Element tag unterminated"},
      {"<a></a", u"Element end tag unterminated"},
  };
  for (const Case& c : cases) {
    XmlDocument document;
    EXPECT_FALSE(document.loadBytes(c.bytes)) << c.bytes;
    EXPECT_TRUE(contains(document.diagnostic(), c.phrase)) << c.bytes << " -> " << toUtf8(document.diagnostic());
    EXPECT_FALSE(document.isWellFormed());
    // Nothing can be looked up in a refused document.
    EXPECT_FALSE(document.findChild());
    EXPECT_EQ(document.childText(), u"");
  }
}

TEST(XmlDocumentIllFormed, TwoTopLevelElementsYieldNothing) {
  XmlDocument document;
  EXPECT_FALSE(document.loadBytes("<a><k>v</k></a><b><k>w</k></b>"));
  EXPECT_FALSE(document.findChild(u"k"));
  EXPECT_EQ(document.childText(), u"");
}

TEST(XmlDocumentWellFormed, PrologDoctypeCommentsAndInstructionsAreSteppedOver) {
  XmlDocument document;
  EXPECT_TRUE(document.loadBytes("<?xml version=\"1.0\"?>\n<!DOCTYPE r [ <!ELEMENT r ANY> ]>\n"
                                 "<!-- c --><r><?pi?><k>v</k></r>\n<!-- after -->"));
  EXPECT_EQ(textAt(document, {u"k"}), u"v");
  EXPECT_FALSE(contains(document.diagnostic(), u"offset"));
}

TEST(XmlDocumentWellFormed, QuotesAndBracketsInSubsetCommentsAndInstructionsAreFreeText) {
  const char* documents[] = {
      "<!DOCTYPE r [ <!-- keep the translator's notes --> <!ELEMENT r ANY> ]><r><k>v</k></r>",
      "<!DOCTYPE r [ <!-- a \"quoted\" word --> ]><r><k>v</k></r>",
      "<!DOCTYPE r [ <!-- ] ends nothing > --> <!ATTLIST r a CDATA '>'> ]><r><k>v</k></r>",
      "<!DOCTYPE r [ <?note it's [here] > ?> <!ELEMENT r ANY> ]><r><k>v</k></r>",
  };
  for (const char* bytes : documents) {
    XmlDocument document;
    EXPECT_TRUE(document.loadBytes(bytes)) << bytes << " -> " << toUtf8(document.diagnostic());
    EXPECT_EQ(textAt(document, {u"k"}), u"v") << bytes;
  }
  XmlDocument open;
  EXPECT_FALSE(open.loadBytes("<!DOCTYPE r [ <!-- never closed ]><r/>"));
  EXPECT_TRUE(contains(open.diagnostic(), u"Doctype unterminated"));
}

TEST(XmlDocumentPosition, FindChildSearchesOnlyDirectChildrenOnwardsFromTheLastFind) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><k>1</k><x><k>deep</k></x><k>2</k><j>3</j></r>"));
  ASSERT_TRUE(document.findChild(u"k"));
  EXPECT_EQ(document.childText(), u"1");
  ASSERT_TRUE(document.findChild(u"k"));
  EXPECT_EQ(document.childText(), u"2");
  EXPECT_FALSE(document.findChild(u"k"));
  EXPECT_EQ(document.childText(), u"2");  // a failed search leaves the position alone
  EXPECT_FALSE(document.findChild(u"x"));  // x lies before the child position
}

TEST(XmlDocumentPosition, NamesAreExactAndCutAtSeparators) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><Key>a</Key><KEY>b</KEY></r>"));
  ASSERT_TRUE(document.findChild(u"KEY[1]"));
  EXPECT_EQ(document.childText(), u"b");
  XmlDocument other;
  ASSERT_TRUE(other.loadBytes("<r><Key>a</Key><KEY>b</KEY></r>"));
  ASSERT_TRUE(other.findChild(u""));
  EXPECT_EQ(other.childName(), u"Key");
  ASSERT_TRUE(other.findChild(u"/anything"));  // cut to the empty name: any element
  EXPECT_EQ(other.childName(), u"KEY");
}

TEST(XmlDocumentPosition, EnterChildNeedsAChild) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><s><k>v</k></s></r>"));
  EXPECT_FALSE(document.enterChild());
  ASSERT_TRUE(document.findChild(u"s"));
  ASSERT_TRUE(document.enterChild());
  EXPECT_FALSE(document.enterChild());
  EXPECT_EQ(document.childText(), u"");
  ASSERT_TRUE(document.findChild(u"k"));
  EXPECT_EQ(document.childText(), u"v");
}

TEST(XmlDocumentIndex, LinksDescribeTheTreeAndGrowPastTheFirstBlock) {
  // Many short elements: far more than the first block of (length / 64 + 8) records.
  std::string bytes = "<r>";
  for (int i = 0; i < 500; ++i) bytes += "<e" + std::to_string(i) + "><x/></e" + std::to_string(i) + ">";
  bytes += "</r>";
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes(bytes));
  ASSERT_EQ(document.elementCount(), 1u + 1u + 500u * 2u);
  const uint32_t root = document.element(0).firstChild;
  EXPECT_EQ(document.elementName(root), u"r");
  EXPECT_EQ(document.element(root).parent, 0u);
  EXPECT_EQ(document.element(root).nextSibling, 0u);
  int children = 0;
  for (uint32_t e = document.element(root).firstChild; e != 0; e = document.element(e).nextSibling) {
    EXPECT_EQ(document.elementName(e), u"e" + decimal(children));
    EXPECT_EQ(document.element(e).parent, root);
    const uint32_t x = document.element(e).firstChild;
    EXPECT_EQ(document.elementName(x), u"x");
    EXPECT_EQ(document.element(x).parent, e);
    ++children;
  }
  EXPECT_EQ(children, 500);
}

TEST(XmlDocumentIndex, EndTagClosesTheInnermostElementOfItsName) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<a><a>inner</a>outer</a>"));
  ASSERT_TRUE(document.findChild(u"a"));
  EXPECT_EQ(document.childText(), u"inner");
  EXPECT_EQ(document.elementText(document.element(0).firstChild), u"outer");
}

TEST(XmlDocumentLoad, AReloadReplacesEverything) {
  XmlDocument document;
  ASSERT_TRUE(document.loadBytes("<r><k>1</k></r>"));
  ASSERT_TRUE(document.findChild(u"k"));
  EXPECT_FALSE(document.loadBytes("<r>"));
  EXPECT_EQ(document.childText(), u"");
  ASSERT_TRUE(document.loadBytes("<q><k>2</k></q>"));
  EXPECT_EQ(textAt(document, {u"k"}), u"2");
}

TEST(XmlDocumentLoad, MissingFileIsRefused) {
  XmlDocument document;
  EXPECT_FALSE(document.load(u"/no/such/folder/Strings.xml"));
  EXPECT_FALSE(document.load(u""));
  EXPECT_FALSE(document.findChild());
}

}  // namespace
}  // namespace ko
