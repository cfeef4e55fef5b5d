// A window placed at the centre of the screen is centred in the size the window system shows it
// in, which at another resolution than 96 dpi is not its stored size.
#include <gtest/gtest.h>

#include "tests/support/HeadlessApp.h"
#include "toolkit/Form.h"

using namespace tk;

namespace {

class ScaledBackend : public HeadlessBackend {
 public:
  TSize ShownSize(const TControl&) override { return shown; }
  TRect Screen() override { return TRect{-1280, 0, 0, 1024}; }  // left of the origin
  TSize shown;
};

struct PlacementCase {
  TSize shown;
  TPoint origin;
};

class FormPlacementTest : public HeadlessApp {
 protected:
  FormPlacementTest() { Application().SetBackend(&scaled); }
  ScaledBackend scaled;
};

TEST_F(FormPlacementTest, CentredInTheShownSizeOnThePrimaryScreen) {
  const PlacementCase cases[] = {
      {{381, 256}, {-831, 384}},    // as stored
      {{569, 381}, {-925, 321}},    // at 144 dpi
      {{1400, 1100}, {-1340, -38}},  // larger than the screen
  };
  for (const PlacementCase& c : cases) {
    TForm form(nullptr);
    form.SetClientWidth(375);
    form.SetClientHeight(231);
    form.SetPosition(poScreenCenter);
    scaled.shown = c.shown;
    form.Show();
    EXPECT_EQ((TPoint{form.Left(), form.Top()}), c.origin) << c.shown.width;
    EXPECT_EQ(form.ClientWidth(), 375);  // the stored size stays
  }
}

}  // namespace
