// The coefficient encoding and the table of encoded sender curves.
#include "gauge/CoefficientTable.h"
#include "gauge/Catalogue.h"
#include "wire/CoefficientEncoding.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

using wire::CoefficientWords;
using Entry = CoefficientTable::Entry;

struct Encoded
{
    float value;
    int integerWord;
    int fractionWord;
};

void PrintTo(const Encoded &e, std::ostream *out)
{
    *out << e.value;
}

class Encoding : public testing::TestWithParam<Encoded>
{
};

TEST_P(Encoding, GivesTheWordPair)
{
    const Encoded &e = GetParam();
    const CoefficientWords words = wire::encodeCoefficient(e.value);
    EXPECT_EQ(words.integer, e.integerWord);
    EXPECT_EQ(words.fraction, e.fractionWord);
}

INSTANTIATE_TEST_SUITE_P(Examples, Encoding,
                         testing::Values(Encoded {5.99f, 5, 990}, Encoded {600.0f, 600, 0},
                                         Encoded {-125.0f, 16509, 0}, Encoded {-0.214f, 16384, 214},
                                         Encoded {-0.032f, 16384, 32},
                                         Encoded {-527.2f, 16911, 200}, Encoded {8.9929f, 8, 993},
                                         Encoded {0.3577f, 0, 358}, Encoded {-2.8703f, 16386, 870},
                                         Encoded {0.0f, 0, 0}));

// Single precision lands these three exactly on a half; ties go to the even neighbour.
INSTANTIATE_TEST_SUITE_P(SinglePrecisionTies, Encoding,
                         testing::Values(Encoded {-0.7445f, 16384, 744}, Encoded {5.9245f, 5, 924},
                                         Encoded {0.8465f, 0, 846}));

TEST(CoefficientText, ReadsTheWordPairBack)
{
    EXPECT_EQ(wire::coefficientText(16384, 214), "-0.214");
    EXPECT_EQ(wire::coefficientText(16911, 200), "-527.200");
    EXPECT_EQ(wire::coefficientText(5, 990), "5.990");
}

class Table : public testing::Test
{
protected:
    void SetUp() override { buildCoefficientTable(table); }
    CoefficientTable table;
};

// One entry of every gauge type with curves, written out by hand from the published
// coefficients: integer part plus 16384 when negative, then the thousandths. A coefficient
// mistyped in the curve data shows up here.
TEST_F(Table, EntriesHoldThePublishedCurves)
{
    struct Row
    {
        int type;
        int unit;
        int sender;
        Entry words;
    };
    const Row rows[] = {
        // 3.89, -9.774, 33.76, -24.395
        {FuelLevel, 0, 1, {3, 890, 16393, 774, 33, 760, 16408, 395}},
        // 0.054, -0.214, 1.534, -0.032
        {Consumption, 0, 0, {0, 54, 16384, 214, 1, 534, 16384, 32}},
        // 0.8465 (a tie, to even), -4.923, 9.92, -5.82
        {OilPressure, 2, 5, {0, 846, 16388, 923, 9, 920, 16389, 820}},
        // 0, -14.015, 35.909, 87: Water Level's sender 0 reads like a reed sender
        {WaterLevel, 0, 0, {0, 0, 16398, 15, 35, 909, 87, 0}},
        {WasteLevel, 0, 0, {0, 0, 16398, 15, 35, 909, 87, 0}},
        // 0, 0, -32.602, 142.53
        {AirTemperature, 1, 0, {0, 0, 0, 0, 16416, 602, 142, 530}},
        // -4.6551, 42.866, -154.56, 274.9
        {OilTemperature, 0, 4, {16388, 655, 42, 866, 16538, 560, 274, 900}},
        // 0, 0, -35.411, 152
        {WaterTemperature, 1, 2, {0, 0, 0, 0, 16419, 411, 152, 0}},
        // 0, 0, 70.71, 0
        {Voltmeter, 0, 1, {0, 0, 0, 0, 70, 710, 0, 0}},
        // 154.27, -527.2, -151.62, 516.79
        {Ammeter, 0, 0, {154, 270, 16911, 200, 16535, 620, 516, 790}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(table.entry(row.type, row.unit, row.sender), row.words)
            << "type " << row.type << " unit " << row.unit << " sender " << row.sender;
}

TEST_F(Table, MultiUnitTypesRepeatTheCurveAtEachUnit)
{
    const Entry oilPressure = table.entry(OilPressure, 0, 5);
    EXPECT_NE(oilPressure, Entry {});
    EXPECT_EQ(table.entry(OilPressure, 1, 5), oilPressure);
    EXPECT_EQ(table.entry(OilPressure, 2, 5), oilPressure);
    EXPECT_EQ(table.entry(OilPressure, 3, 5), Entry {});
    for (int type : {AirTemperature, OilTemperature, WaterTemperature}) {
        EXPECT_NE(table.entry(type, 0, 0), Entry {});
        EXPECT_EQ(table.entry(type, 1, 0), table.entry(type, 0, 0)) << "type " << type;
        EXPECT_EQ(table.entry(type, 2, 0), Entry {});
    }
}

TEST_F(Table, UnlistedEntriesReadAsZero)
{
    EXPECT_EQ(table.entry(OilTemperature, 0, 2), Entry {});
    EXPECT_EQ(table.entry(FuelLevel, 1, 0), Entry {});
    EXPECT_EQ(table.entry(FuelLevel, 0, 7), Entry {});
    EXPECT_EQ(table.entry(Ammeter, 0, 5), Entry {});
    EXPECT_EQ(table.entry(0, 0, 0), Entry {});
}

TEST_F(Table, IndexesOutsideTheTableReadAsZeroAndStoreNothing)
{
    EXPECT_EQ(table.entry(11, 0, 0), Entry {});
    EXPECT_EQ(table.entry(255, 255, 255), Entry {});
    EXPECT_EQ(table.entry(-1, 0, 0), Entry {});
    EXPECT_EQ(table.entry(1, 11, 0), Entry {});
    EXPECT_EQ(table.entry(1, 0, 21), Entry {});
    EXPECT_FALSE(table.setEntry(1, 0, 21, {1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(table.setEntry(10, 10, 20, {1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(table.entry(10, 10, 20), (Entry {1, 1, 1, 1, 1, 1, 1, 1}));
}

} // namespace
} // namespace gauge::test
