// Choosing a sender: its curve words and the scale ends it loads.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace gauge::test {
namespace {

using Words = wire::CurveWords;

struct ScaleCase
{
    std::string name;
    int type;
    int supply; // option index
    int unit;
    int sender;
    int low;
    int high;
};

void PrintTo(const ScaleCase &c, std::ostream *out)
{
    *out << c.name;
}

class Scale : public testing::TestWithParam<ScaleCase>
{
};

TEST_P(Scale, FollowsTypeSenderUnitAndSupply)
{
    const ScaleCase &c = GetParam();
    StartedWindow f;
    f.choose(c.type);
    f.click(Choice::Supply, c.supply);
    f.click(Choice::Unit, c.unit);
    f.click(Choice::Sender, c.sender); // also reaches the senders only a record can choose
    EXPECT_EQ(f.config().senderIndex, c.sender);
    EXPECT_EQ(f.config().scale.low, c.low);
    EXPECT_EQ(f.config().scale.high, c.high);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
        EveryRow, Scale,
        testing::Values(ScaleCase {"FuelLevel", 1, 0, 0, 4, 0, 100},
                        ScaleCase {"WaterLevel", 4, 0, 0, 0, 0, 100},
                        ScaleCase {"WasteLevel", 10, 0, 0, 6, 0, 100},
                        ScaleCase {"Consumption", 2, 0, 0, 0, 9, 16},
                        ScaleCase {"Faria80Psi", 3, 0, 0, 0, 0, 80},
                        ScaleCase {"Teleflex80Atm", 3, 0, 1, 2, 0, 6},
                        ScaleCase {"Faria100Bar", 3, 0, 2, 1, 0, 7},
                        ScaleCase {"Vdo5BarPsi", 3, 0, 0, 3, 0, 70},
                        ScaleCase {"Vdo5BarBar", 3, 0, 2, 4, 0, 5},
                        ScaleCase {"Vdo10BarBar", 3, 0, 2, 5, 0, 10},
                        ScaleCase {"Vdo10BarPsi", 3, 0, 0, 5, 0, 145},
                        ScaleCase {"Vdo25BarPsi", 3, 0, 0, 6, 0, 362},
                        ScaleCase {"Vdo25BarAtm", 3, 0, 1, 7, 0, 25},
                        ScaleCase {"AirCelsius", 5, 0, 0, 0, 0, 100},
                        ScaleCase {"AirFahrenheit", 5, 0, 1, 0, 32, 212},
                        ScaleCase {"OilCelsius", 6, 0, 0, 3, 60, 130},
                        ScaleCase {"OilFahrenheit", 6, 0, 1, 8, 140, 266},
                        ScaleCase {"OilZorFromRecord", 6, 0, 0, 2, 60, 130},
                        ScaleCase {"WaterCelsius", 7, 0, 0, 0, 60, 130},
                        ScaleCase {"WaterZorCelsius", 7, 0, 0, 2, 0, 90},
                        ScaleCase {"WaterZorFahrenheit", 7, 0, 1, 2, 32, 194},
                        ScaleCase {"WaterZorSensorCelsius", 7, 0, 0, 9, 60, 110},
                        ScaleCase {"WaterZorSensorFahrenheit", 7, 0, 1, 9, 140, 230},
                        ScaleCase {"Voltmeter12", 8, 0, 0, 0, 9, 16},
                        ScaleCase {"Voltmeter24", 8, 1, 0, 0, 18, 30},
                        ScaleCase {"VoltmeterHighRange", 8, 0, 0, 1, 110, 220},
                        ScaleCase {"Ammeter200", 9, 0, 0, 0, 0, 200},
                        ScaleCase {"Ammeter50", 9, 0, 0, 1, 0, 50},
                        ScaleCase {"Ammeter30", 9, 0, 0, 2, 0, 30},
                        ScaleCase {"Ammeter15", 9, 0, 0, 3, 0, 15},
                        ScaleCase {"Ammeter5", 9, 0, 0, 4, 0, 5}),
        [](const auto &info) { return info.param.name; });
// clang-format on

TEST(SenderCurve, CombinationsWithoutAScaleKeepThePreviousOne)
{
    StartedWindow f;
    f.choose(9);
    f.click(Choice::Sender, 1);
    f.click(Choice::Sender, 5);
    EXPECT_EQ(f.config().scale.low, 0);
    EXPECT_EQ(f.config().scale.high, 50);
    EXPECT_EQ(f.config().curve, Words {});

    f.choose(3);
    f.click(Choice::Unit, 0);
    f.click(Choice::Sender, 6);
    f.click(Choice::Sender, 8);
    EXPECT_EQ(f.config().scale.high, 362);
}

TEST(SenderCurve, LoadsTheSendersTableEntry)
{
    StartedWindow f;
    f.choose(1);
    f.click(Choice::Sender, 6);
    EXPECT_EQ(f.config().curve, (Words {0, 0, 0, 0, 16509, 0, 600, 0}));
    EXPECT_EQ(f.config().scale.low, 0);
    EXPECT_EQ(f.config().scale.high, 100);

    f.choose(8);
    f.click(Choice::Sender, 0);
    EXPECT_EQ(f.config().curve, (Words {0, 0, 0, 0, 5, 990, 0, 0}));
}

TEST(SenderCurve, ChoosingConsumptionLoadsItsOnlySender)
{
    StartedWindow f;
    f.choose(2);
    EXPECT_EQ(f.config().senderIndex, 0);
    EXPECT_EQ(f.config().curve, (Words {0, 54, 16384, 214, 1, 534, 16384, 32}));
    EXPECT_EQ(f.config().scale.low, 9);
    EXPECT_EQ(f.config().scale.high, 16);
    EXPECT_EQ(f.config().unitCode, 10);
    EXPECT_TRUE(f.config().complete());
}

TEST(SenderCurve, AnEmptyEntryLoadsZeroWords)
{
    StartedWindow f;
    f.choose(1);
    f.click(Choice::Sender, 0);
    ASSERT_NE(f.config().curve, Words {});
    f.choose(6);
    f.click(Choice::Unit, 0);
    f.click(Choice::Sender, 2);
    EXPECT_EQ(f.config().curve, Words {});
}

TEST(SenderCurve, ANewUnitKeepsTheOldCurveUntilASenderIsChosen)
{
    StartedWindow f;
    f.choose(3);
    f.click(Choice::Unit, 0);
    f.click(Choice::Sender, 5);
    const Words curve = f.config().curve;
    f.click(Choice::Unit, 2);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_EQ(f.config().curve, curve);
    EXPECT_EQ(f.config().scale.high, 145);
    f.click(Choice::Sender, 5);
    EXPECT_EQ(f.config().scale.high, 10);
    EXPECT_EQ(f.config().curve, curve);
}

TEST(SenderCurve, WithoutAGaugeTypeNothingIsReadOutOfRange)
{
    StartedWindow f;
    f.click(Choice::Sender, 19);
    EXPECT_EQ(f.config().curve, Words {});
    EXPECT_EQ(f.config().scale.low, 0);
    EXPECT_EQ(f.config().scale.high, 0);
}

} // namespace
} // namespace gauge::test
