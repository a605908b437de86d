// The page of a run opened in a real headless browser (Debian's chromium): every figure is
// decoded and laid out (complete, with a natural size), no script or load error is raised,
// and the screenshot is a picture, not a blank. Skipped only when chromium is not installed;
// `make test` installs it.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "results/figure_fixture.h"
#include "results/run_plots.h"
#include "test_support.h"

namespace tavik::results {
namespace {

using tavik::testing::Read_File;
using tavik::testing::ScratchDir;
using tavik::testing::Write_File;
using testing::Sample_Run;

constexpr const char* kChromium = "/usr/bin/chromium";
// The browser is stopped after this long (seconds); it takes about three.
constexpr int kBrowserTimeout = 60;

// Added to a copy of the page, first thing in its head: records script errors and failed
// loads (an image that cannot be decoded, anything fetched from elsewhere) and, once the page
// has loaded, writes into the page how many images it has and which are broken.
constexpr const char* kProbe = R"(<script>
window.renderErrors = [];
window.addEventListener('error', function (e) {
  var t = e.target;
  window.renderErrors.push(t && t !== window && t.tagName ? 'load error: ' + t.tagName + ' ' +
      (t.alt || t.src || t.href || '') : 'script error: ' + e.message);
}, true);
window.addEventListener('load', function () {
  var images = document.images, broken = [];
  for (var i = 0; i < images.length; ++i) {
    var image = images[i];
    if (!(image.complete && image.naturalWidth > 0 && image.naturalHeight > 0)) broken.push(image.alt);
  }
  var status = document.createElement('pre');
  status.id = 'render-status';
  status.textContent = 'images=' + images.length + ' broken=' + broken.length + ' errors=' +
      window.renderErrors.length + ' ' + broken.concat(window.renderErrors).join('; ');
  document.body.appendChild(status);
});
</script>
)";

struct Picture {
  bool ok = false;
  std::size_t colours = 0;
  double ink = 0.0;  // share of pixels that differ from the top-left one
};

Picture Read_Png(const std::string& path) {
  Picture picture;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return picture;
  }
  std::set<unsigned> colours;
  std::size_t ink = 0;
  const unsigned background = pixels[0] << 16 | pixels[1] << 8 | pixels[2];
  for (std::size_t k = 0; k + 2 < pixels.size(); k += 3) {
    const unsigned colour = pixels[k] << 16 | pixels[k + 1] << 8 | pixels[k + 2];
    colours.insert(colour);
    if (colour != background) ++ink;
  }
  picture.ok = true;
  picture.colours = colours.size();
  picture.ink = static_cast<double>(ink) / static_cast<double>(pixels.size() / 3);
  return picture;
}

std::string Status_Of(const std::string& dom) {
  const std::string open = "<pre id=\"render-status\">";
  const std::size_t at = dom.find(open);
  if (at == std::string::npos) return "";
  const std::size_t end = dom.find("</pre>", at);
  return dom.substr(at + open.size(), end - at - open.size());
}

TEST(PageInBrowser, ShowsEveryFigureWithoutErrors) {
  if (!std::filesystem::exists(kChromium)) {
    GTEST_SKIP() << "chromium is not installed (Debian package chromium, installed by `make "
                    "test`): the page was not opened in a browser";
  }
  ScratchDir dir;
  const PlotsWritten written =
      Write_Run_Plots(Sample_Run(), {"sample", "The analysis ended normally.", "sample.plt", ""},
                      dir.File("plots"), FigureFormat::kSvg);
  ASSERT_TRUE(written.ok) << written.error;
  std::string page = Read_File(written.page);
  const std::size_t head = page.find("<head>\n");
  ASSERT_NE(head, std::string::npos);
  page.insert(head + 7, kProbe);
  Write_File(dir.File("plots/probed.html"), page);

  // One browser run dumps the page after its load event and takes the screenshot.
  const std::string command =
      std::string("timeout -k 5 ") + std::to_string(kBrowserTimeout) + " " + kChromium +
      " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
      " --disable-background-networking --disable-component-update --disable-sync"
      " --user-data-dir=" +
      dir.File("profile") + " --window-size=1200,3000 --screenshot=" + dir.File("shot.png") +
      " --dump-dom file://" + dir.File("plots/probed.html") + " 2>" + dir.File("browser.log");
  std::string dom;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    dom.append(buffer.data(), n);
  }
  const int status = ::pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "chromium failed or timed out: " << Read_File(dir.File("browser.log"));

  EXPECT_EQ(Status_Of(dom), "images=13 broken=0 errors=0 ")
      << "the page did not finish loading, or a figure or script failed";
  const Picture shot = Read_Png(dir.File("shot.png"));
  ASSERT_TRUE(shot.ok) << "no screenshot";
  // Black text, grey rules and grid, the palette of the curves and their anti-aliasing.
  EXPECT_GT(shot.colours, 50u);
  EXPECT_GT(shot.ink, 0.02);
}

}  // namespace
}  // namespace tavik::results
