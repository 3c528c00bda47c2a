#include "tcl/script_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kelvane {
namespace {

std::string filled(std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    std::string out;
    appendTemplate(out, lineTemplate, args);
    return out;
}

TEST(ScriptTemplates, FillEveryPlaceholderKindKeepingTheTextAround) {
    EXPECT_EQ(filled("node %D %0.4E %0.4E %0.4E", {1, 0.0, 3000.0, -1500.0}),
              "node 1 0.000E+000 3.000E+003 -1.500E+003");
    EXPECT_EQ(filled("geomTransf %s %D %0.3F %0.3F %0.3F ", {"Linear", 4, -0.7071, 0.0, 1.0}),
              "geomTransf Linear 4 -0.707 0.000 1.000 ");
    EXPECT_EQ(filled("section PlateFiber %d %d %0.2f", {701, 601, 150.0}),
              "section PlateFiber 701 601 150.00");
    EXPECT_EQ(filled("x %0.0f y", {1000.4}), "x 1000 y");
    EXPECT_EQ(filled("uniaxialMaterial Elastic %d %0.4e", {1, 200000.0}),
              "uniaxialMaterial Elastic 1 2.000E+005");
    EXPECT_EQ(filled("##%S ", {"COL1"}), "##COL1 ");
    EXPECT_EQ(filled("no placeholders  ", {}), "no placeholders  ");
}

TEST(ScriptTemplates, MismatchedValuesAreProgrammingErrors) {
    EXPECT_THROW(filled("node %D", {}), std::logic_error);
    EXPECT_THROW(filled("node %D", {1, 2}), std::logic_error);
    EXPECT_THROW(filled("node %D", {1.0}), std::logic_error);
    EXPECT_THROW(filled("mass %0.4E", {1}), std::logic_error);
    EXPECT_THROW(filled("odd %x", {1}), std::logic_error);
}

} // namespace
} // namespace kelvane
