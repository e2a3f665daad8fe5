#include "app/session/failure_box.h"

#include <gtest/gtest.h>

namespace tensorium {
namespace {

TEST(FailureText, AppendsAFullStopAfterALetterOrDigitOnly)
{
    EXPECT_EQ(FailureText("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(FailureText("'5x' is not a valid floating point value"),
              "'5x' is not a valid floating point value.");
    EXPECT_EQ(FailureText("Value 2"), "Value 2.");
    EXPECT_EQ(FailureText("Already ends."), "Already ends.");
    EXPECT_EQ(FailureText("Quoted 'x'"), "Quoted 'x'");
    EXPECT_EQ(FailureText(""), "");
}

}  // namespace
}  // namespace tensorium
