#include "pages/PageResources.h"

#include <gtest/gtest.h>

#include <string>

#include "browser/ScriptText.h"
#include "content/Maker.h"
#include "support/PictureSize.h"

namespace lumivra {
namespace {

using testing::ByteAt;
using testing::PictureSize;

bool IsJpeg(std::string_view d) { return d.size() > 10 && ByteAt(d, 0) == 0xFF && ByteAt(d, 1) == 0xD8 && d.substr(6, 4) == "JFIF"; }

TEST(PageResources, PicturesHaveTheirSizesAndFormats) {
  struct Expected {
    const char* name;
    int w, h;
    bool jpeg;
  };
  const Expected pictures[] = {
      {"HLEFT_GIF", 68, 39, false},      {"HMIDDLE_GIF", 3840, 39, false},    {"HRIGHT_GIF", 68, 39, false},
      {"C_GIF", 11, 14, false},          {"TR_GIF", 1, 1, false},             {"SP_GIF", 255, 1, false},
      {"BULLET_GIF", 8, 8, false},       {"LOGOMAIN_GIF", 427, 61, false},    {"ONLINE_GIF", 32, 32, false},
      {"VIEWONLINE_GIF", 82, 60, false}, {"SEARCHVIEW_GIF", 94, 73, true},    {"SEARCHREPORT_GIF", 94, 73, true},
      {"LUMIVRAIMAGE_GIF", 318, 490, true},
  };
  for (const Expected& e : pictures) {
    SCOPED_TRACE(e.name);
    const PageResource* r = FindPageResource(e.name, kResourceTypePicture);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->type, kResourceTypePicture);
    EXPECT_EQ(PictureSize(r->bytes), std::make_pair(e.w, e.h));
    EXPECT_EQ(IsJpeg(r->bytes), e.jpeg);
    if (!e.jpeg) {
      EXPECT_EQ(r->bytes.substr(0, 3), "GIF");
    }
    // a picture is not a page
    EXPECT_EQ(FindPageResource(e.name, kResourceTypePage), nullptr);
  }
}

TEST(PageResources, NamesMatchWithoutRegardToCaseWithinTheirType) {
  const PageResource* upper = FindPageResource("HOMEPAGE", kResourceTypePage);
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(FindPageResource("homepage", kResourceTypePage), upper);
  EXPECT_EQ(FindPageResource("HomePage", kResourceTypePage), upper);
  EXPECT_EQ(FindPageResource("styles_css", kResourceTypePage), FindPageResource("STYLES_CSS", kResourceTypePage));
  EXPECT_NE(FindPageResource("lumivraimage_gif", kResourceTypePicture), nullptr);
  EXPECT_NE(FindPageResource("mainolvarpage_default", kResourceTypePage),
            FindPageResource("mainolvarpage", kResourceTypePage));

  EXPECT_EQ(FindPageResource("homepage", kResourceTypePicture), nullptr);
  EXPECT_EQ(FindPageResource("homepage", 0), nullptr);
  EXPECT_EQ(FindPageResource("", kResourceTypePage), nullptr);
  EXPECT_EQ(FindPageResource("homepag", kResourceTypePage), nullptr);
  EXPECT_EQ(FindPageResource("homepage ", kResourceTypePage), nullptr);
  EXPECT_EQ(FindPageResource("hleft.gif", kResourceTypePicture), nullptr);
}

TEST(PageResources, StyleSheetBytesAreExact) {
  const PageResource* css = FindPageResource("styles_css", kResourceTypePage);
  ASSERT_NE(css, nullptr);
  const std::string expected =
      "body{border-width:0px} \r\n"
      "table.t1{width:100%; border:none} \r\n"
      "td.sp{colspan:2; background-image : url(res://Olvar.exe/sp_gif)}\r\n"
      "td.spi{background-image : url(res://Olvar.exe/sp_gif)}\r\n"
      "td.df{width:60; height:8}\r\n"
      "td.d1{background-color:white;width:1}\r\n"
      "td.d2{background-color:white; color:white; border-top:1px solid #95AEC2}\r\n"
      "font.f1{font-family:verdana,arial; font-size:13px; color:black}\r\n"
      "font.g1{font-family:verdana,arial; font-size:13px; color:#404040}\r\n"
      "font.f2{font-family:verdana,arial; font-size:9px; color:white}\r\n"
      "font.f3{font-family:verdana,arial; font-size:13px; color:#95AEC2}\r\n"
      "font.f4{font-family:verdana,arial; font-size:13px; color:#404040}\r\n"
      "font.a1{font-family:arial; font-size:26px; color:black}\r\n"
      "font.a2{font-family:arial; font-size:26px; color:#404040}\r\n";
  EXPECT_EQ(css->bytes, expected);
}

TEST(PageResources, TitlePagesAreExactLineByLine) {
  const std::string head =
      "<html>\r\n<style>\r\n<!--\r\n"
      "font.f1{font-family:verdana,arial; font-size:13px; color:#808000}\r\n-->\r\n</style>\r\n";
  const std::string tail =
      "<font class=\"f1\">Read! In the Name of your Lord,\r\n"
      "Who has created (all that exists). [96:1]</font></p>\r\n\r\n\r\n</body>\r\n</html>\r\n";
  const std::string plain =
      head + "\r\n" +
      "<body leftmargin=\"0\" topmargin=\"3\" style=\"border-width:0px\" "
      "onselectstart=\"window.event.returnValue=false\">\r\n\r\n"
      "<p align=\"center\"><img border=\"0\" src=\"lumivraimage_gif\" width=\"318\" height=\"490\"><br>\r\n" +
      tail;
  const std::string fading =
      head +
      "<script>\r\nfunction go()\r\n{\r\n"
      " oDiv.style.filter=\"blendtrans(duration=2)\";oDiv.filters.blendtrans.apply();"
      "oDiv.style.visibility=\"visible\";oDiv.filters.blendtrans.play();\r\n"
      "}\r\n\r\n</script>\r\n\r\n"
      "<body onload=\"go()\" leftmargin=\"0\" topmargin=\"3\" style=\"border-width:0px\" "
      "onselectstart=\"window.event.returnValue=false\">\r\n\r\n"
      "<p align=\"center\"><img id=\"oDiv\" style=\"visibility:hidden\" border=\"0\" src=\"lumivraimage_gif\" "
      "width=\"318\" height=\"490\"><br>\r\n" +
      tail;
  ASSERT_NE(FindPageResource("MAINOLVARPAGE", kResourceTypePage), nullptr);
  ASSERT_NE(FindPageResource("MAINOLVARPAGE_DEFAULT", kResourceTypePage), nullptr);
  EXPECT_EQ(FindPageResource("MAINOLVARPAGE", kResourceTypePage)->bytes, plain);
  EXPECT_EQ(FindPageResource("MAINOLVARPAGE_DEFAULT", kResourceTypePage)->bytes, fading);
}

TEST(PageResources, HomePageCarriesTheMakerAndItsFixedWords) {
  const PageResource* home = FindPageResource("HOMEPAGE", kResourceTypePage);
  ASSERT_NE(home, nullptr);
  const std::string_view page = home->bytes;
  EXPECT_EQ(page.find("@k"), std::string_view::npos) << "unfilled placeholder";
  for (std::string_view word :
       {std::string_view("Web Address : "), std::string_view("E-mail : "), std::string_view("On-line Options"),
        std::string_view("Click Here"), std::string_view("Updates"), std::string_view("New Products (Software)"),
        std::string_view("Latest Development News"), std::string_view("link=\"#00cc00\""),
        std::string_view("onselectstart=\"window.event.returnValue=false\""),
        std::string_view("src=\"logomain_gif\" width=\"427\" height=\"61\""), std::string_view("src=\"bullet_gif\""),
        std::string_view("src=\"online_gif\""), std::string_view("src=\"viewonline_gif\" width=\"82\" height=\"60\""),
        std::string_view("height=\"27\""), std::string_view("width=\"5%\""), std::string_view("width=\"66%\""),
        std::string_view("#A8D0E8"), std::string_view("#D8F0F8"), std::string_view("#C0C0C0")}) {
    EXPECT_NE(page.find(word), std::string_view::npos) << word;
  }
  EXPECT_NE(page.find(std::string("Web Address : <a href=\"") + kMakerWebAddress + "\">"), std::string_view::npos);
  EXPECT_NE(page.find(std::string("E-mail : <a href=\"mailto:") + kMakerEmail + "\">"), std::string_view::npos);
  EXPECT_NE(page.find(std::string("href=\"") + kMakerWebAddress + "/news/productnews.html\""),
            std::string_view::npos);
  EXPECT_NE(page.find(kMakerName), std::string_view::npos);
  // every line ends in CR LF
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') {
      ASSERT_TRUE(i > 0 && page[i - 1] == '\r') << "bare LF at " << i;
    }
  }
  EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
}

TEST(PageResources, PageScriptIsEmbeddedButNeverServedAsAPage) {
  EXPECT_NE(PageCompatScript().find("blendtrans"), std::string_view::npos);
  EXPECT_EQ(FindPageResource("page_compat", kResourceTypePage), nullptr);
  EXPECT_EQ(FindPageResource("page_compat_js", kResourceTypePage), nullptr);
}

}  // namespace
}  // namespace lumivra
