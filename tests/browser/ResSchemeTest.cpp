// The res: scheme, the offline interceptor, the page compatibility script and
// the fonts, in a real browser view.

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstring>
#include <memory>
#include <utility>

#include <gtest/gtest.h>

#include "browser/Fonts.h"
#include "browser/OfflineInterceptor.h"
#include "browser/PageCompat.h"
#include "browser/ResSchemeHandler.h"
#include "browser/ScriptText.h"
#include "pages/ChapterPageBuilder.h"
#include "pages/PageResources.h"
#include "support/QtWait.h"

using namespace lumivra;

namespace {

using lumivra::testing::WaitUntil;

void Pause(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qSleep(2);
  }
}

QString JsString(const QString& s) {
  return QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{s}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

class ResSchemeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    profile_ = new QWebEngineProfile(qApp);  // off the record
    profile_->installUrlSchemeHandler("res", new ResSchemeHandler(profile_));
    profile_->setUrlRequestInterceptor(new OfflineInterceptor(profile_));
    InstallPageCompat(profile_);
  }

  void SetUp() override {
    view_ = std::make_unique<QWebEngineView>();
    page_ = new QWebEnginePage(profile_, view_.get());
    view_->setPage(page_);
    view_->resize(1000, 800);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
  }

  void TearDown() override {
    view_.reset();
  }

  bool Load(const QString& url) {
    bool finished = false, ok = false;
    auto c = QObject::connect(page_, &QWebEnginePage::loadFinished, [&](bool result) {
      finished = true;
      ok = result;
    });
    page_->load(QUrl(url));
    const bool done = WaitUntil([&] { return finished; }, 20000);
    QObject::disconnect(c);
    return done && ok;
  }

  QVariant Eval(const QString& js) {
    // The answer may come after the wait has given up.
    auto answer = std::make_shared<std::pair<bool, QVariant>>();
    page_->runJavaScript(js, [answer](const QVariant& v) { *answer = {true, v}; });
    WaitUntil([&] { return answer->first; }, 20000);
    return answer->second;
  }

  // Runs an async expression (a promise) and waits for its settled value.
  QVariant EvalAsync(const QString& promiseJs) {
    Eval("window.__r = undefined; Promise.resolve(" + promiseJs +
         ").then(v => { window.__r = {v: v}; }, e => { window.__r = {v: 'failed'}; });");
    WaitUntil([&] { return Eval("window.__r !== undefined").toBool(); }, 20000);
    return Eval("window.__r.v");
  }

  // GET by a synchronous request from the current page: "status|content type|length|text",
  // or "failed" when the request fails.
  QString Get(const QString& url) {
    return Eval("(function(){try{var x=new XMLHttpRequest();x.open('GET','" + url +
                "',false);x.overrideMimeType('text/plain; charset=x-user-defined');x.send();"
                "return x.status+'|'+x.getResponseHeader('content-type')+'|'+x.responseText.length+'|'+"
                "x.responseText;}catch(e){return 'failed';}})()")
        .toString();
  }

  bool WaitForJs(const QString& condition, int timeoutMs = 10000) {
    return WaitUntil([&] { return Eval("!!(" + condition + ")").toBool(); }, timeoutMs);
  }

  void WritePage(const std::string& html) {
    Eval("document.open('text/html'); document.clear(); document.writeln(" + JsString(QString::fromLatin1(html)) +
         "); document.close();");
  }

  QPoint TextPoint(const QString& selector, bool end) {
    const QVariantList r = Eval("(function(){var e=document.querySelector('" + selector +
                                "');var q=document.createRange();q.selectNodeContents(e);var b=q.getClientRects()[0];"
                                "return [b.left,b.top,b.right,b.bottom];})()")
                               .toList();
    if (r.size() != 4) return {};
    const int y = static_cast<int>((r[1].toDouble() + r[3].toDouble()) / 2);
    return end ? QPoint(static_cast<int>(r[2].toDouble()) - 2, y) : QPoint(static_cast<int>(r[0].toDouble()) + 2, y);
  }

  // Drags the mouse across the first line of `selector` and returns the selected text.
  QString DragSelect(const QString& selector) {
    Eval("window.getSelection().removeAllRanges()");
    QWidget* target = view_->focusProxy();
    const QPoint from = TextPoint(selector, false), to = TextPoint(selector, true);
    if (!target || from.isNull()) return "no target";
    QTest::mouseMove(target, from);
    QTest::mousePress(target, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 10; ++i) {
      QTest::mouseMove(target, from + (to - from) * i / 10);
      Pause(15);
    }
    QTest::mouseRelease(target, Qt::LeftButton, {}, to);
    Pause(200);
    return Eval("window.getSelection().toString()").toString();
  }

  static QWebEngineProfile* profile_;
  std::unique_ptr<QWebEngineView> view_;
  QWebEnginePage* page_ = nullptr;
};

QWebEngineProfile* ResSchemeTest::profile_ = nullptr;

TEST_F(ResSchemeTest, FadingTitlePagePictureFadesInOverTwoSeconds) {
  ASSERT_TRUE(Load("res://Olvar.exe/mainolvarpage_default"));
  const QString opacity = "parseFloat(getComputedStyle(document.getElementById('oDiv')).opacity)";
  // onload has run go(): the picture is visible and starts transparent
  EXPECT_EQ(Eval("getComputedStyle(oDiv).visibility").toString(), "visible");
  EXPECT_LT(Eval(opacity).toDouble(), 0.9);
  EXPECT_EQ(Eval("oDiv.style.filter").toString(), "blendtrans(duration=2)");
  // it passes through the middle of the fade and ends opaque (read as it
  // goes: a busy machine stretches the gaps between readings)
  bool seenMiddle = false;
  EXPECT_TRUE(WaitUntil([&] {
    const double now = Eval(opacity).toDouble();
    seenMiddle |= now > 0.1 && now < 0.9;
    return now == 1.0;
  }, 10000));
  EXPECT_TRUE(seenMiddle);
  EXPECT_EQ(Eval("getComputedStyle(oDiv).visibility").toString(), "visible");
  EXPECT_EQ(Eval("oDiv.complete && oDiv.naturalWidth").toInt(), 318);
  EXPECT_EQ(Eval("oDiv.naturalHeight").toInt(), 490);
}

TEST_F(ResSchemeTest, BlendTransitionFadesOutWhenHidden) {
  ASSERT_TRUE(Load("res://Olvar.exe/mainolvarpage"));
  Eval("var p = document.images[0]; p.style.filter = 'blendTrans(duration=2)'; p.filters.blendtrans.apply();"
       "p.style.visibility = 'hidden'; p.filters.blendtrans.play();");
  // still shown while it fades
  EXPECT_TRUE(WaitForJs("getComputedStyle(p).visibility == 'visible' && "
                        "parseFloat(getComputedStyle(p).opacity) < 1", 3000));
  ASSERT_TRUE(WaitForJs("getComputedStyle(p).visibility == 'hidden'", 10000));
  // a real filter value still reaches the engine
  Eval("p.style.filter = 'grayscale(1)'");
  EXPECT_EQ(Eval("getComputedStyle(p).filter").toString(), "grayscale(1)");
}

TEST_F(ResSchemeTest, PlainTitlePageShowsItsPictureAtOnce) {
  ASSERT_TRUE(Load("res://Olvar.exe/mainolvarpage"));
  ASSERT_TRUE(WaitForJs("document.images[0].complete"));
  EXPECT_EQ(Eval("document.images[0].naturalWidth").toInt(), 318);
  EXPECT_DOUBLE_EQ(Eval("parseFloat(getComputedStyle(document.images[0]).opacity)").toDouble(), 1.0);
  // the page's own style: olive Verdana 13 px
  EXPECT_EQ(Eval("getComputedStyle(document.querySelector('font.f1')).color").toString(), "rgb(128, 128, 0)");
}

TEST_F(ResSchemeTest, NamesAreMatchedWithoutRegardToCase) {
  ASSERT_TRUE(Load("res://Olvar.exe/homepage"));
  const QString lower = Eval("document.documentElement.outerHTML").toString();
  ASSERT_TRUE(Load("res://Olvar.exe/HOMEPAGE"));
  EXPECT_EQ(Eval("document.documentElement.outerHTML").toString(), lower);
  ASSERT_TRUE(Load("res://OLVAR.EXE/HomePage"));
  EXPECT_EQ(Eval("document.documentElement.outerHTML").toString(), lower);

  // the bytes served are the resource's, with its content type
  const auto expect = [&](const char* url, const char* name, int type, const char* mime) {
    SCOPED_TRACE(url);
    const lumivra::PageResource* r = lumivra::FindPageResource(name, type);
    ASSERT_NE(r, nullptr);
    const QString got = Get(url);
    const QString head = QString("200|%1|%2|").arg(mime).arg(r->bytes.size());
    ASSERT_TRUE(got.startsWith(head)) << got.left(60).toStdString();
    if (type == lumivra::kResourceTypePage) {
      EXPECT_EQ(got.mid(head.size()).toStdString(), std::string(r->bytes));
    }
  };
  expect("res://Olvar.exe/HOMEPAGE", "HOMEPAGE", lumivra::kResourceTypePage, "text/html");
  expect("res://Olvar.exe/Styles_Css", "STYLES_CSS", lumivra::kResourceTypePage, "text/css");
  expect("res://Olvar.exe/mainolvarpage_default", "MAINOLVARPAGE_DEFAULT", lumivra::kResourceTypePage, "text/html");
  expect("res://Olvar.exe/hleft_gif", "HLEFT_GIF", lumivra::kResourceTypePicture, "image/gif");
  expect("res://Olvar.exe/SEARCHVIEW_GIF", "SEARCHVIEW_GIF", lumivra::kResourceTypePicture, "image/jpeg");
  expect("res://Olvar.exe/lumivraimage_gif", "LUMIVRAIMAGE_GIF", lumivra::kResourceTypePicture, "image/jpeg");
}

TEST_F(ResSchemeTest, UnknownNamesAndHostsAreNotFound) {
  ASSERT_TRUE(Load("res://Olvar.exe/homepage"));
  for (const char* url : {"res://Olvar.exe/nosuchpage", "res://Olvar.exe/", "res://Olvar.exe/homepage/x",
                          "res://Other.exe/homepage", "res://Olvar.exe/hleft.gif", "res://Olvar.exe/tree0"}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(Get(url), "failed");
  }
  EXPECT_FALSE(Load("res://Olvar.exe/nosuchpage"));
}

TEST_F(ResSchemeTest, PicturesDecodeWhateverTheirNames) {
  ASSERT_TRUE(Load("res://Olvar.exe/homepage"));
  ASSERT_TRUE(WaitForJs("Array.from(document.images).every(i => i.complete)"));
  EXPECT_EQ(Eval("Array.from(document.images).filter(i => i.naturalWidth == 0).length").toInt(), 0);
  EXPECT_EQ(Eval("document.images[0].naturalWidth").toInt(), 427);
  // JPEG data under _gif names
  Eval("window.sizes = {}; ['searchview_gif', 'searchreport_gif', 'lumivraimage_gif', 'hmiddle_gif', 'sp_gif']"
       ".forEach(n => { var i = new Image(); i.onload = () => sizes[n] = i.naturalWidth + 'x' + i.naturalHeight;"
       " i.onerror = () => sizes[n] = 'error'; i.src = 'res://Olvar.exe/' + n; });");
  ASSERT_TRUE(WaitForJs("Object.keys(sizes).length == 5"));
  EXPECT_EQ(Eval("sizes.searchview_gif").toString(), "94x73");
  EXPECT_EQ(Eval("sizes.searchreport_gif").toString(), "94x73");
  EXPECT_EQ(Eval("sizes.lumivraimage_gif").toString(), "318x490");
  EXPECT_EQ(Eval("sizes.hmiddle_gif").toString(), "3840x39");
  EXPECT_EQ(Eval("sizes.sp_gif").toString(), "255x1");
}

// A chapter page written into the current document finds the style sheet and
// its pictures by their absolute addresses, from a res: page and from a blank one.
TEST_F(ResSchemeTest, WrittenPagesLoadTheStyleSheetAndPictures) {
  const auto page = lumivra::BuildChapterPage(
      0, "2", {"&#1575;&#1604;&#1605;", "&#1584;&#1648;&#1604;&#1616;&#1603;&#1614;"},
      {"Alif, Lam, Meem.", "This is the Book about which there is no doubt."});
  ASSERT_TRUE(page.has_value());
  for (const char* start : {"res://Olvar.exe/homepage", "about:blank"}) {
    SCOPED_TRACE(start);
    ASSERT_TRUE(Load(start));
    WritePage(*page);
    ASSERT_TRUE(WaitForJs("document.readyState == 'complete' && document.images.length >= 5 && "
                          "Array.from(document.images).every(i => i.complete)"));
    EXPECT_EQ(Eval("Array.from(document.images).filter(i => i.naturalWidth == 0).length").toInt(), 0);
    EXPECT_EQ(Eval("document.querySelector('img[src$=\"hleft_gif\"]').naturalWidth").toInt(), 68);
    EXPECT_EQ(Eval("document.querySelector('img[src$=\"c_gif\"]').naturalWidth").toInt(), 11);
    // the style sheet applies
    ASSERT_TRUE(WaitForJs("document.styleSheets.length == 1 && document.styleSheets[0].cssRules.length == 14"));
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('font.f2')).color").toString(), "rgb(255, 255, 255)");
    EXPECT_EQ(Eval("getComputedStyle(document.querySelector('font.a1')).fontSize").toString(), "26px");
    EXPECT_NE(Eval("getComputedStyle(document.querySelector('td.sp')).backgroundImage").toString().indexOf("sp_gif"),
              -1);
  }
}

// A written page shows only once its style sheet is in, or has failed; until
// then it does not read as complete.
TEST_F(ResSchemeTest, AWrittenPageStaysHiddenUntilItsStyleSheetIsIn) {
  for (const std::string sheet : {"styles_css", "no_such_css"}) {
    SCOPED_TRACE(sheet);
    ASSERT_TRUE(Load("about:blank"));
    const std::string page = "<HTML><HEAD><link rel=\"stylesheet\" href=\"res://Olvar.exe/" + sheet +
                             "\"></HEAD><BODY><p>Text</p></BODY></HTML>";
    Eval(QString::fromStdString(lumivra::WriteDocumentScript(page) + lumivra::PagePresentationScript()));
    ASSERT_TRUE(WaitForJs(QString::fromStdString(lumivra::ReadyStateScript()) + " === 'complete'"));
    EXPECT_EQ(Eval("document.documentElement.style.visibility").toString(), "");
    EXPECT_EQ(Eval("document.styleSheets[0].cssRules.length > 0").toBool(), sheet == "styles_css");
  }
}

// The chapter title bar runs unbroken from one end to the other, however wide
// the pane: the page's table widens its outer cells beyond their pictures.
// The title stays clear of the bar's left end, however narrow.
TEST_F(ResSchemeTest, TitleBarIsWholeAtEveryPaneWidth) {
  const auto page = lumivra::BuildChapterPage(2, "8", {}, {"They ask you about the bounties."});
  ASSERT_TRUE(page.has_value());
  ASSERT_TRUE(Load("about:blank"));
  Eval(QString::fromStdString(lumivra::WriteDocumentScript(*page) + lumivra::PagePresentationScript()));
  ASSERT_TRUE(WaitForJs(QString::fromStdString(lumivra::ReadyStateScript()) + " === 'complete'"));
  for (int width : {300, 400, 700, 1000, 1240, 1600, 2000, 2560}) {
    SCOPED_TRACE(width);
    view_->resize(width, 240);
    ASSERT_TRUE(WaitForJs(QString("innerWidth == %1").arg(width)));
    // A row below the end medallions' stars, where the bar has no white.
    const int row = Eval("Math.round(document.querySelector('table.t1').getBoundingClientRect().top) + 31")
                        .toInt();
    Pause(300);
    const QImage shot = view_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(shot.width(), width);
    auto white = [&](int x) {
      const QRgb p = shot.pixel(x, row);
      return qRed(p) >= 250 && qGreen(p) >= 250 && qBlue(p) >= 250;
    };
    int first = 0, last = width - 1;
    while (first < last && white(first)) ++first;
    while (last > first && white(last)) --last;
    EXPECT_GT(last - first, width / 2);
    int gaps = 0;
    for (int x = first; x <= last; ++x) gaps += white(x) ? 1 : 0;
    EXPECT_EQ(gaps, 0) << "bar " << first << " to " << last;
    // The end's medallion and diamonds take its first 62 pixels.
    EXPECT_GE(Eval("(function(){var r=document.createRange();r.selectNodeContents(document.querySelector("
                   "'font.f1'));return r.getBoundingClientRect().left;})()")
                  .toDouble(),
              first + 62.0);
  }
}

TEST_F(ResSchemeTest, TextCannotBeSelectedOnTheFixedPagesOnly) {
  const QString cancelled =
      "(function(){var e = new Event('selectstart', {bubbles: true, cancelable: true});"
      "document.querySelector('%1').dispatchEvent(e); return e.defaultPrevented;})()";
  for (const char* url : {"res://Olvar.exe/homepage", "res://Olvar.exe/mainolvarpage",
                          "res://Olvar.exe/mainolvarpage_default"}) {
    SCOPED_TRACE(url);
    ASSERT_TRUE(Load(url));
    EXPECT_TRUE(Eval(cancelled.arg("font")).toBool());
  }
  // a mouse drag selects nothing on the title page ...
  ASSERT_TRUE(Load("res://Olvar.exe/mainolvarpage"));
  EXPECT_EQ(DragSelect("font.f1"), "");
  // ... but does on a written chapter page, which has no such handler
  const auto page = lumivra::BuildChapterPage(2, "3", {}, {"Alif, Lam, Meem.", "Allah - there is no deity except Him."});
  ASSERT_TRUE(page.has_value());
  WritePage(*page);
  ASSERT_TRUE(WaitForJs("document.readyState == 'complete'"));
  EXPECT_FALSE(Eval(cancelled.arg("font.g1")).toBool());
  EXPECT_FALSE(DragSelect("font.g1").isEmpty());
}

TEST_F(ResSchemeTest, PagesNeverReachTheNetwork) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  int connections = 0;
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* s = server.nextPendingConnection()) {
      ++connections;
      s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nAccess-Control-Allow-Origin: *\r\n\r\nhello");
      s->disconnectFromHost();
    }
  });
  const QString base = QString("http://127.0.0.1:%1/").arg(server.serverPort());
  ASSERT_TRUE(Load("about:blank"));
  EXPECT_EQ(EvalAsync("fetch('" + base + "news').then(r => r.text())").toString(), "failed");
  Eval("window.img = new Image(); img.onerror = () => img.failed = true; img.src = '" + base + "x.gif';");
  ASSERT_TRUE(WaitForJs("img.failed"));
  EXPECT_FALSE(Load(base + "page.html"));
  Pause(300);
  EXPECT_EQ(connections, 0);

  // the same page in a profile without the interceptor does reach the server
  QWebEngineProfile open;
  QWebEnginePage other(&open);
  bool finished = false;
  QObject::connect(&other, &QWebEnginePage::loadFinished, [&](bool) { finished = true; });
  other.load(QUrl(base + "page.html"));
  ASSERT_TRUE(WaitUntil([&] { return finished; }, 20000));
  EXPECT_GE(connections, 1);
}

// The Arabic of a chapter page (class a1, "arial") is set in Amiri Quran.
TEST_F(ResSchemeTest, ArabicIsSetInTheQuranicFont) {
  const auto page = lumivra::BuildChapterPage(
      0, "1",
      {"&#1576;&#1616;&#1587;&#1618;&#1605;&#1616; &#1649;&#1604;&#1604;&#1617;&#1614;&#1607;&#1616; "
       "&#1649;&#1604;&#1585;&#1617;&#1614;&#1581;&#1618;&#1605;&#1614;&#1648;&#1606;&#1616;",
       "&#1649;&#1604;&#1618;&#1581;&#1614;&#1605;&#1618;&#1583;&#1615; &#1604;&#1616;&#1604;&#1617;&#1614;"
       "&#1607;&#1616; &#1585;&#1614;&#1576;&#1617;&#1616; &#1649;&#1604;&#1618;&#1593;&#1614;&#1648;&#1604;"
       "&#1614;&#1605;&#1616;&#1610;&#1606;&#1614;"},
      {"In the name of Allah, the Entirely Merciful, the Especially Merciful.",
       "[All] praise is [due] to Allah, Lord of the worlds -"});
  ASSERT_TRUE(page.has_value());
  ASSERT_TRUE(Load("res://Olvar.exe/homepage"));
  WritePage(*page);
  ASSERT_TRUE(WaitForJs("document.readyState == 'complete' && document.fonts.status == 'loaded'"));
  // one word (spaces come from the Latin font), measured as the page sets it and in given fonts
  const QString width =
      "(function(f){var s=document.createElement('font');s.className='a1';if(f)s.style.fontFamily=f;"
      "s.textContent=document.querySelector('font.a1').textContent.split(' ')[1];document.body.appendChild(s);"
      "var w=s.getBoundingClientRect().width;s.remove();return w;})(%1)";
  // The fallback face can come a moment after the first layout that needs it:
  // measure until both settle.
  double asPage = 0, amiri = 0;
  WaitUntil([&] {
    asPage = Eval(width.arg("''")).toDouble();
    amiri = Eval(width.arg("'\"Amiri Quran\"'")).toDouble();
    return asPage == amiri;
  }, 5000);
  EXPECT_GT(asPage, 10);
  EXPECT_DOUBLE_EQ(asPage, amiri);
  EXPECT_NE(asPage, Eval(width.arg("'\"DejaVu Sans\"'")).toDouble());
  // right to left: the first letter is at the right end
  EXPECT_EQ(Eval("getComputedStyle(document.querySelector('font.a1')).direction").toString(), "ltr");
  const double firstLetterRight = Eval(
      "(function(){var t=document.querySelector('font.a1').firstChild;var r=document.createRange();"
      "r.setStart(t,0);r.setEnd(t,1);return r.getBoundingClientRect().right;})()").toDouble();
  const double lastLetterRight = Eval(
      "(function(){var t=document.querySelector('font.a1').firstChild;var r=document.createRange();"
      "r.setStart(t,t.length-1);r.setEnd(t,t.length);return r.getBoundingClientRect().right;})()").toDouble();
  EXPECT_GT(firstLetterRight, lastLetterRight);
  if (qEnvironmentVariableIsSet("LUMIVRA_SHOT")) view_->grab().save(qEnvironmentVariable("LUMIVRA_SHOT"));
}

TEST(FontsTest, ConfigureFontsKeepsAnExistingSetting) {
  // main() has run ConfigureFonts: the file beside the executable is in use
  const QString conf = qEnvironmentVariable("FONTCONFIG_FILE");
  EXPECT_TRUE(conf.endsWith("/fonts.conf")) << conf.toStdString();
  setenv("FONTCONFIG_FILE", "/elsewhere/fonts.conf", 1);
  ConfigureFonts();
  EXPECT_STREQ(std::getenv("FONTCONFIG_FILE"), "/elsewhere/fonts.conf");
  setenv("FONTCONFIG_FILE", conf.toUtf8().constData(), 1);
}

}  // namespace
