// The coefficient encoding and the table of encoded sender curves.
#include "curves/CoefficientEncoding.h"
#include "curves/CoefficientTable.h"
#include "curves/CurveData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gauge::test {
namespace {

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
    EXPECT_EQ(EncodeCoefficient(e.value, 1), e.integerWord);
    EXPECT_EQ(EncodeCoefficient(e.value, 0), e.fractionWord);
    // Every selector other than 1 asks for the fraction word.
    EXPECT_EQ(EncodeCoefficient(e.value, 7), e.fractionWord);
}

INSTANTIATE_TEST_SUITE_P(Examples, Encoding,
                         testing::Values(Encoded {5.99f, 5, 990}, Encoded {600.0f, 600, 0},
                                         Encoded {-125.0f, 16509, 0},
                                         Encoded {-0.214f, 16384, 214},
                                         Encoded {-0.032f, 16384, 32},
                                         Encoded {-527.2f, 16911, 200},
                                         Encoded {8.9929f, 8, 993}, Encoded {0.3577f, 0, 358},
                                         Encoded {-2.8703f, 16386, 870}, Encoded {0.0f, 0, 0}));

// Single precision lands these three exactly on a half; ties go to the even neighbour.
INSTANTIATE_TEST_SUITE_P(SinglePrecisionTies, Encoding,
                         testing::Values(Encoded {-0.7445f, 16384, 744},
                                         Encoded {5.9245f, 5, 924}, Encoded {0.8465f, 0, 846}));

class Table : public testing::Test
{
protected:
    void SetUp() override { BuildCoefficientTable(table); }
    CoefficientTable table;
};

TEST_F(Table, WholeEntriesReadWordByWord)
{
    EXPECT_EQ(table.entry(2, 0, 0),
              (CoefficientTable::Entry {0, 54, 16384, 214, 1, 534, 16384, 32}));
    EXPECT_EQ(table.entry(8, 0, 0), (CoefficientTable::Entry {0, 0, 0, 0, 5, 990, 0, 0}));
}

TEST_F(Table, MultiUnitTypesRepeatTheCurveAtEachUnit)
{
    const auto oilPressure = table.entry(3, 0, 5);
    EXPECT_NE(oilPressure, CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(3, 1, 5), oilPressure);
    EXPECT_EQ(table.entry(3, 2, 5), oilPressure);
    EXPECT_EQ(table.entry(3, 3, 5), CoefficientTable::Entry {});
    for (int type : {5, 6, 7}) {
        EXPECT_NE(table.entry(type, 0, 0), CoefficientTable::Entry {});
        EXPECT_EQ(table.entry(type, 1, 0), table.entry(type, 0, 0)) << "type " << type;
        EXPECT_EQ(table.entry(type, 2, 0), CoefficientTable::Entry {});
    }
    EXPECT_EQ(table.entry(10, 0, 3), table.entry(4, 0, 3));
}

TEST_F(Table, UnlistedEntriesReadAsZero)
{
    EXPECT_EQ(table.entry(6, 0, 2), CoefficientTable::Entry {});  // Oil Temperature, ZOR
    EXPECT_NE(table.entry(7, 0, 2), CoefficientTable::Entry {});  // Water Temperature, ZOR
    EXPECT_EQ(table.entry(1, 1, 0), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(1, 0, 7), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(9, 0, 5), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(0, 0, 0), CoefficientTable::Entry {});
}

TEST_F(Table, IndexesOutsideTheTableReadAsZeroAndStoreNothing)
{
    EXPECT_EQ(table.entry(11, 0, 0), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(255, 255, 255), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(-1, 0, 0), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(1, 11, 0), CoefficientTable::Entry {});
    EXPECT_EQ(table.entry(1, 0, 21), CoefficientTable::Entry {});
    EXPECT_FALSE(table.setEntry(1, 0, 21, {1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(table.setEntry(10, 10, 20, {1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(table.entry(10, 10, 20), (CoefficientTable::Entry {1, 1, 1, 1, 1, 1, 1, 1}));
}

// Decodes every filled entry back into reals and compares them with the curve data; a mistyped
// row or a word put in the wrong place shows up here without restating the encoder.
TEST_F(Table, EveryEntryDecodesToItsCurve)
{
    int checked = 0;
    for (const CurveSet &set : curveSets()) {
        for (const CurveRow &row : set.rows) {
            for (int type : set.gaugeTypes) {
                for (int unit : set.unitIndexes) {
                    const auto words = table.entry(type, unit, row.sender);
                    for (std::size_t k = 0; k < 4; ++k) {
                        const int integerWord = words[2 * k];
                        const int fractionWord = words[2 * k + 1];
                        ASSERT_GE(fractionWord, 0);
                        ASSERT_LT(fractionWord, 1000);
                        const bool negative = (integerWord & 16384) != 0;
                        const double magnitude = (integerWord & ~16384) + fractionWord / 1000.0;
                        const double decoded = negative ? -magnitude : magnitude;
                        EXPECT_NEAR(decoded, row.coefficients[k], 0.0005)
                                << "type " << type << " unit " << unit << " sender "
                                << row.sender << " c" << k + 1;
                        ++checked;
                    }
                }
            }
        }
    }
    // 7 + 1 + 3*8 + 2*7 + 2*1 + 2*2*8 + 2*1 + 2 + 5 rows, four coefficients each.
    EXPECT_EQ(checked, 4 * (7 + 1 + 24 + 14 + 2 + 32 + 2 + 2 + 5));
}

} // namespace
} // namespace gauge::test
