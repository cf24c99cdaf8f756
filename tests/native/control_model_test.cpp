#include "control_model.h"

#include <gtest/gtest.h>

namespace {

// A container that records what it was asked to redraw.
class RecordingContainer : public ControlContainer {
  public:
    void InvalidateArea(const Bounds& area) override { invalidated.push_back(area); }
    std::vector<Bounds> invalidated;
};

class Plain : public Control {
  public:
    Plain(ControlKind kind, const wchar_t* name, int tag, Bounds b) : Control(kind, name, tag) { SetBounds(b); }
};

} // namespace

TEST(ControlModel, FindByTagWalksFromTheLastCreatedAndMatchesTheKind) {
    RecordingContainer form;
    Control& firstImage = form.Add<Plain>(ControlKind::Image, L"EQEQENImage", 7, Bounds{0, 0, 10, 10});
    Control& label = form.Add<Plain>(ControlKind::Label, L"EQEQENLabel", 7, Bounds{0, 12, 10, 10});
    Control& secondImage = form.Add<Plain>(ControlKind::Image, L"Shadow", 7, Bounds{0, 0, 10, 10});
    EXPECT_EQ(form.FindByTag(ControlKind::Image, 7), &secondImage);
    EXPECT_EQ(form.FindByTag(ControlKind::Label, 7), &label);
    EXPECT_EQ(form.FindByTag(ControlKind::Shape, 7), nullptr);
    EXPECT_EQ(form.FindByTag(ControlKind::Image, 8), nullptr);
    EXPECT_EQ(form.FindByName(L"EQEQENImage"), &firstImage);
    EXPECT_EQ(form.FindByName(L"Missing"), nullptr);
}

TEST(ControlModel, HitTestingTakesTheTopmostVisibleDirectChild) {
    RecordingContainer form;
    Control& background = form.Add<Plain>(ControlKind::Image, L"MainFormImage", 0, Bounds{0, 0, 100, 100});
    Control& bar = form.Add<Plain>(ControlKind::Image, L"EQ60HzBarImage", 129, Bounds{10, 10, 10, 80});
    Control& thumb = form.Add<Plain>(ControlKind::Image, L"EQ60HzSliderImage", 29, Bounds{5, 40, 20, 10});

    EXPECT_EQ(form.ControlAt(12, 45, false), &thumb);
    EXPECT_EQ(form.ControlAt(12, 20, false), &bar);
    EXPECT_EQ(form.ControlAt(50, 50, false), &background);
    EXPECT_EQ(form.ControlAt(100, 50, false), nullptr); // right edge is outside
    EXPECT_EQ(form.ControlAt(-1, 0, false), nullptr);

    thumb.SetEnabled(false);
    EXPECT_EQ(form.ControlAt(12, 45, false), &bar);
    EXPECT_EQ(form.ControlAt(12, 45, true), &thumb); // disabled controls count when asked
    thumb.SetVisible(false);
    EXPECT_EQ(form.ControlAt(12, 45, true), &bar); // hidden ones never do

    form.BringToFront(background);
    EXPECT_EQ(form.ControlAt(12, 20, false), &background);
    form.SendToBack(background);
    EXPECT_EQ(form.ControlAt(12, 20, false), &bar);
    EXPECT_EQ(form.Controls().front().get(), &background);
}

TEST(ControlModel, GeometryAndVisibilityChangesAskForRedrawOfOldAndNewArea) {
    RecordingContainer form;
    Control& c = form.Add<Plain>(ControlKind::Label, L"L", 0, Bounds{1, 2, 3, 4});
    form.invalidated.clear();
    c.SetLeft(10);
    EXPECT_EQ(form.invalidated, (std::vector<Bounds>{{1, 2, 3, 4}, {10, 2, 3, 4}}));
    form.invalidated.clear();
    c.SetLeft(10); // no change, no redraw
    EXPECT_TRUE(form.invalidated.empty());
    c.SetVisible(false);
    EXPECT_EQ(form.invalidated, (std::vector<Bounds>{{10, 2, 3, 4}}));
    form.invalidated.clear();
    c.SetTop(20); // hidden controls need no redraw
    EXPECT_TRUE(form.invalidated.empty());
    EXPECT_EQ(c.GetBounds(), (Bounds{10, 20, 3, 4}));
    EXPECT_EQ(c.Parent(), &form);
}
