#include <gtest/gtest.h>

#include "upload/ProgressFormat.h"

namespace {

TEST(ProgressFormatTest, SizesInAtMostFourFigures)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"},           {999, "999"},         {1000, "0.98K"},        {1024, "1.00K"},
        {1536, "1.50K"},    {10239, "10.00K"},    {10240, "10.0K"},       {102399, "100.0K"},
        {102400, "100K"},   {150000, "146K"},     {999999, "977K"},       {1000000, "0.95M"},
        {1048576, "1.00M"}, {12345678, "11.8M"},  {3221225472LL, "3072M"}, {768, "768"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(FormatSize(bytes), text) << bytes;
}

TEST(ProgressFormatTest, NumbersGetDecimalsByTheirSize)
{
    EXPECT_EQ(FormatNumber(9.999), "10.00");
    EXPECT_EQ(FormatNumber(99.99), "100.0");
    EXPECT_EQ(FormatNumber(100.4), "100");
    EXPECT_EQ(FormatNumber(5), "5.00");
}

TEST(ProgressFormatTest, PercentagesRoundHalvesUp)
{
    const struct {
        std::int64_t done, total;
        int percent;
    } cases[] = {{0, 256, 0}, {255, 256, 100}, {1, 3, 33}, {2, 3, 67}, {7, 100, 7}, {1, 200, 1},
                 {(std::int64_t{1} << 32), (std::int64_t{1} << 33), 50}, {5, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Percentage(c.done, c.total), c.percent) << c.done << " of " << c.total;
}

} // namespace
