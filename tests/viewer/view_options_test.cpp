#include "viewer/view_options.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(ViewOptionSwitchesTest, EachCheckBoxMapsToItsOwnSwitch) {
    // Turning on one check box at a time must turn on exactly the layer named beside it.
    const std::array<bool ViewOptions::*, kViewOptionCount> byCaption = {
        &ViewOptions::node,         &ViewOptions::nodeLabels,    &ViewOptions::frame,
        &ViewOptions::frameLabels,  &ViewOptions::frameAxis,     &ViewOptions::nodeSupport,
        &ViewOptions::diaphragms,   &ViewOptions::hingeCircle,   &ViewOptions::shellElement,
        &ViewOptions::shellLabels,  &ViewOptions::momentRelease, &ViewOptions::solidElement,
        &ViewOptions::solidLabel};
    EXPECT_STREQ(kViewOptionCaptions[0], "Node");
    EXPECT_STREQ(kViewOptionCaptions[5], "Node Support");
    EXPECT_STREQ(kViewOptionCaptions[12], "Solid Label");
    for (std::size_t s = 0; s < byCaption.size(); ++s) {
        ViewOptionSwitches switches{};
        switches[s] = true;
        const ViewOptions options = viewOptionsFromSwitches(switches);
        for (std::size_t other = 0; other < byCaption.size(); ++other)
            EXPECT_EQ(options.*byCaption[other], other == s) << kViewOptionCaptions[s];
        EXPECT_EQ(viewOptionSwitches(options), switches);
    }
}

TEST(ShowLoad, CaseListHoldsTheModelsCasesInOrder) {
    ModelStore model;
    EXPECT_TRUE(loadCaseItems(model).empty());
    model.loadCaseCount = -1;
    EXPECT_TRUE(loadCaseItems(model).empty());
    model.loadCaseNames = {"", "DEAD", "LIVE"};
    model.loadCaseCount = 2;
    EXPECT_EQ(loadCaseItems(model), (std::vector<std::string>{"DEAD", "LIVE"}));
    // A count beyond the names held lists the names there are.
    model.loadCaseCount = 12;
    EXPECT_EQ(loadCaseItems(model).size(), 2u);
    model.loadCaseNames.resize(13, "C");
    EXPECT_EQ(loadCaseItems(model).size(), 12u);
}

TEST(ShowLoad, OkStoresPositionsCountedFromOne) {
    EXPECT_EQ(showLoadChoice(1, 1).loadCase, 2);
    EXPECT_EQ(showLoadChoice(1, 1).loadType, 2);
    EXPECT_EQ(showLoadChoice(0, 0).loadType, 1);
    // With no load cases the list is empty: case 0, nothing drawn.
    EXPECT_EQ(showLoadChoice(-1, 0).loadCase, 0);
    LoadDisplay display{2, 1};
    hideLoads(display);
    EXPECT_EQ(display.loadCase, 0);
    EXPECT_EQ(display.loadType, 1);
}

} // namespace
} // namespace kelvane
