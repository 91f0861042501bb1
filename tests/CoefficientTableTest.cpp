// The coefficient encoding and the table of encoded sender curves.
#include "gauge/CoefficientTable.h"
#include "gauge/Catalogue.h"
#include "wire/CoefficientEncoding.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <vector>

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

// The word pair a published coefficient travels as, worked out from its decimal digits alone:
// the integer part, with 16384 added when negative, and the first three decimals, rounded on the
// fourth with ties to even. The float arithmetic of the encoder plays no part here.
Entry::value_type integerWord(const std::string &decimal)
{
    const bool negative = decimal.front() == '-';
    const std::string digits = negative ? decimal.substr(1) : decimal;
    const int whole = std::stoi(digits.substr(0, digits.find('.')));
    return static_cast<Entry::value_type>(whole + (negative ? 16384 : 0));
}

Entry::value_type fractionWord(const std::string &decimal)
{
    const auto point = decimal.find('.');
    std::string decimals = point == std::string::npos ? "" : decimal.substr(point + 1);
    decimals.resize(4, '0');
    int thousandths = std::stoi(decimals.substr(0, 3));
    const int fourth = decimals[3] - '0';
    if (fourth > 5 || (fourth == 5 && thousandths % 2 == 1))
        ++thousandths;
    return static_cast<Entry::value_type>(thousandths);
}

struct PublishedCurve
{
    std::vector<int> gaugeTypes;
    std::vector<int> units;
    int sender;
    std::array<std::string, 4> coefficients;
};

// clang-format off
const std::vector<PublishedCurve> Published = {
    {{FuelLevel}, {0}, 0, {"0", "5.05", "-70.05", "175"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 1, {"3.89", "-9.774", "33.76", "-24.395"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 2, {"0", "-14.015", "35.909", "87"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 3, {"4.962", "-23.143", "47.176", "-27.039"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 4, {"0", "-14.015", "35.909", "87"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 5, {"4.962", "-23.143", "47.176", "-27.039"}},
    {{FuelLevel, WaterLevel, WasteLevel}, {0}, 6, {"0", "0", "-125", "600"}},
    {{WaterLevel, WasteLevel}, {0}, 0, {"0", "-14.015", "35.909", "87"}},
    {{Consumption}, {0}, 0, {"0.054", "-0.214", "1.534", "-0.032"}},
    {{OilPressure}, {0, 1, 2}, 0, {"-0.7445", "5.9245", "-17.401", "23.666"}},
    {{OilPressure}, {0, 1, 2}, 1, {"-0.99", "8.341", "-26.11", "35.66"}},
    {{OilPressure}, {0, 1, 2}, 2, {"-2.8703", "19.634", "-77.313", "186.48"}},
    {{OilPressure}, {0, 1, 2}, 3, {"0.3577", "-1.38", "2.63", "-1.29"}},
    {{OilPressure}, {0, 1, 2}, 4, {"1.3374", "-10.907", "30.89", "-28.996"}},
    {{OilPressure}, {0, 1, 2}, 5, {"0.8465", "-4.923", "9.92", "-5.82"}},
    {{OilPressure}, {0, 1, 2}, 6, {"2.858", "-11.306", "17.428", "-5.938"}},
    {{OilPressure}, {0, 1, 2}, 7, {"1.0214", "-4.6534", "8.9929", "-5"}},
    {{AirTemperature}, {0, 1}, 0, {"0", "0", "-32.602", "142.53"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 0, {"-10.15", "78.282", "-217.83", "300"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 1, {"-6.3718", "61.95", "-229.63", "402.11"}},
    {{WaterTemperature}, {0, 1}, 2, {"0", "0", "-35.411", "152"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 3, {"-4.99", "48.146", "-183.99", "340.7"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 4, {"-4.6551", "42.866", "-154.56", "274.9"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 5, {"0", "-2.3919", "-19.05", "178.73"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 6, {"-5.4143", "51.789", "-193.33", "352.74"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 7, {"-5.86", "57.321", "-218.56", "397.67"}},
    {{OilTemperature, WaterTemperature}, {0, 1}, 8, {"-6.521", "61.834", "-224.2", "395"}},
    {{Voltmeter}, {0}, 0, {"0", "0", "5.99", "0"}},
    {{Voltmeter}, {0}, 1, {"0", "0", "70.71", "0"}},
    {{Ammeter}, {0}, 0, {"154.27", "-527.2", "-151.62", "516.79"}},
    {{Ammeter}, {0}, 1, {"37.254", "-127.49", "-39.653", "135.73"}},
    {{Ammeter}, {0}, 2, {"27.556", "-89.032", "-24.584", "79.333"}},
    {{Ammeter}, {0}, 3, {"13.5", "-43.515", "-12.379", "39.603"}},
    {{Ammeter}, {0}, 4, {"4.2674", "-13.644", "-4.1712", "13.318"}},
};
// clang-format on

// Every published curve stands in the table where it belongs, and nothing else does: a
// coefficient mistyped in the curve data, or a curve put at the wrong place, shows up here.
TEST_F(Table, HoldsThePublishedCurvesAndNothingElse)
{
    std::set<std::tuple<int, int, int>> published;
    for (const PublishedCurve &curve : Published) {
        Entry words {};
        for (std::size_t k = 0; k < 4; ++k) {
            words[2 * k] = integerWord(curve.coefficients[k]);
            words[2 * k + 1] = fractionWord(curve.coefficients[k]);
        }
        for (const int type : curve.gaugeTypes) {
            for (const int unit : curve.units) {
                EXPECT_EQ(table.entry(type, unit, curve.sender), words)
                    << "type " << type << " unit " << unit << " sender " << curve.sender;
                published.emplace(type, unit, curve.sender);
            }
        }
    }
    for (int type = 0; type < CoefficientTable::GaugeTypeCount; ++type) {
        for (int unit = 0; unit < CoefficientTable::UnitCount; ++unit) {
            for (int sender = 0; sender < CoefficientTable::SenderCount; ++sender) {
                if (published.contains({type, unit, sender}))
                    continue;
                EXPECT_EQ(table.entry(type, unit, sender), Entry {})
                    << "type " << type << " unit " << unit << " sender " << sender;
            }
        }
    }
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
