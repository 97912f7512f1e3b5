// The gradient builder and the colour picker as an author drives them.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "editors/color_picker.h"
#include "editors/gradient_builder.h"
#include "ui/headless/ui_headless.h"

namespace {
// The builder's controls in the order it creates them.
enum Control {
  TypeLabel, TypeList, AngleLabel, AngleField, DegLabel,
  Color1Label, Color1Field, Color1Pick, Color1Swatch,
  Color2Label, Color2Field, Color2Pick, Color2Swatch,
  PreviewLabel, PreviewField, OkButton, CancelButton, ControlCount
};

struct GradientTest : ::testing::Test {
  // Steps run one per wait; each gets the builder's controls. What the
  // controls showed at the last wait is kept by value: the controls go
  // with the builder's window.
  std::vector<std::function<void(const std::vector<UiControl*>&)>> steps;
  std::vector<UiControl*> seen;
  std::vector<HeadlessControl> seenStates;
  HeadlessWindow seenWindow;

  void SetUp() override {
    headlessSetDriver([this](UiWindow* window) {
      const std::vector<UiControl*>& controls = headlessWindow(window).controls;
      ASSERT_EQ(controls.size(), static_cast<size_t>(ControlCount));
      seen = controls;
      seenStates.clear();
      for (UiControl* control : controls) seenStates.push_back(headlessControl(control));
      seenWindow = headlessWindow(window);
      if (steps.empty()) return;
      auto step = steps.front();
      steps.erase(steps.begin());
      step(controls);
    });
  }
  void TearDown() override { headlessReset(); }

  void then(std::function<void(const std::vector<UiControl*>&)> step) { steps.push_back(std::move(step)); }
  void press(Control c) { then([c](auto& k) { headlessClick(k[c]); }); }
  void type(Control c, std::u16string text) { then([c, text](auto& k) { headlessType(k[c], text); }); }
  void choose(int position) { then([position](auto& k) { headlessChoose(k[TypeList], position); }); }
  std::u16string text(Control c) { return seenStates[c].text; }
  bool shown(Control c) { return seenStates[c].visible; }
  UiColor swatch(Control c) { return seenStates[c].color; }
};

bool sameColor(UiColor a, UiColor b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
}  // namespace

TEST_F(GradientTest, OkAtOnceGivesTheDefaultGradientWhateverTheValue) {
  press(OkButton);
  EXPECT_EQ(buildGradient(u"radial-gradient(circle,#000,#fff)"), u"linear-gradient(135deg,#cc2244,#2244cc)");
  EXPECT_EQ(seenWindow.title, u"Build Gradient");
  EXPECT_EQ(seenWindow.innerWidth, 380);
  EXPECT_EQ(seenWindow.innerHeight, 230);
  EXPECT_EQ(text(AngleField), u"135");
  EXPECT_EQ(text(Color1Field), u"#cc2244");
  EXPECT_TRUE(sameColor(swatch(Color1Swatch), {0xcc, 0x22, 0x44}));
  EXPECT_TRUE(sameColor(swatch(Color2Swatch), {0x22, 0x44, 0xcc}));
  EXPECT_TRUE(seenStates[PreviewField].readOnly);
  EXPECT_TRUE(headlessWindows().empty());  // the builder's window is gone
}

TEST_F(GradientTest, CancelAndCloseBoxReturnTheValueUntouched) {
  type(AngleField, u"10");
  press(CancelButton);
  EXPECT_EQ(buildGradient(u"  #abc "), u"  #abc ");
  type(Color1Field, u"red");  // then the driver runs out: the close box
  EXPECT_EQ(buildGradient(u"keep"), u"keep");
}

TEST_F(GradientTest, RadialHidesTheAngleAndLinearBringsItBack) {
  type(AngleField, u"-30");
  choose(1);
  then([this](auto&) {
    EXPECT_EQ(text(PreviewField), u"radial-gradient(circle,#cc2244,#2244cc)");
    EXPECT_FALSE(shown(AngleLabel) || shown(AngleField) || shown(DegLabel));
    headlessChoose(seen[TypeList], 0);
  });
  then([this](auto&) {
    EXPECT_TRUE(shown(AngleLabel) && shown(AngleField) && shown(DegLabel));
    EXPECT_EQ(text(AngleField), u"-30");
    headlessClick(seen[OkButton]);
  });
  EXPECT_EQ(buildGradient(u""), u"linear-gradient(-30deg,#cc2244,#2244cc)");
}

TEST_F(GradientTest, TypedPartsGoInAsTyped) {
  type(AngleField, u" 45.5 ");
  type(Color1Field, u"red");
  type(Color2Field, u"  rgba(0,0,255,0.5) ");
  then([this](auto&) {
    EXPECT_TRUE(sameColor(swatch(Color1Swatch), {0, 0, 0}));  // no colour paints black
    EXPECT_TRUE(sameColor(swatch(Color2Swatch), {0, 0, 255}));
    headlessClick(seen[OkButton]);
  });
  EXPECT_EQ(buildGradient(u""), u"linear-gradient(45.5deg,red,rgba(0,0,255,0.5))");
}

TEST_F(GradientTest, PickButtonsGoThroughTheColourDialog) {
  std::vector<UiColor> offered;
  HeadlessDialogs dialogs;
  dialogs.color = [&](UiColor initial, UiColor& chosen) {
    offered.push_back(initial);
    chosen = {1, 2, 3};
    return true;
  };
  headlessSetDialogs(dialogs);
  press(Color2Pick);
  press(OkButton);
  EXPECT_EQ(buildGradient(u""), u"linear-gradient(135deg,#cc2244,#010203)");
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_TRUE(sameColor(offered[0], {0x22, 0x44, 0xcc}));
  EXPECT_TRUE(sameColor(swatch(Color2Swatch), {1, 2, 3}));
}

TEST(ColorPicker, OffersTheTextsColourAndReturnsTheChoice) {
  UiColor offered{9, 9, 9};
  bool accept = true;
  HeadlessDialogs dialogs;
  dialogs.color = [&](UiColor initial, UiColor& chosen) {
    offered = initial;
    chosen = {255, 0, 0};
    return accept;
  };
  headlessSetDialogs(dialogs);
  EXPECT_EQ(pickColor(nullptr, u"rgba(255,0,0,0.5)"), u"#ff0000");
  EXPECT_TRUE(sameColor(offered, {255, 0, 0}));
  EXPECT_EQ(pickColor(nullptr, u"linear-gradient(135deg,#cc2244,#2244cc)"), u"#ff0000");
  EXPECT_TRUE(sameColor(offered, {0, 0, 0}));
  accept = false;
  EXPECT_EQ(pickColor(nullptr, u"rgba(255,0,0,0.5)"), u"rgba(255,0,0,0.5)");
  headlessReset();
}
