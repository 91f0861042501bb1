#include "curves/CoefficientTable.h"

#include "curves/CoefficientEncoding.h"
#include "curves/CurveData.h"

namespace gauge {

CoefficientTable::Entry CoefficientTable::entry(int gaugeType, int unitIndex,
                                                int senderIndex) const
{
    if (!inRange(gaugeType, unitIndex, senderIndex))
        return {};
    return m_entries[position(gaugeType, unitIndex, senderIndex)];
}

bool CoefficientTable::setEntry(int gaugeType, int unitIndex, int senderIndex, const Entry &words)
{
    if (!inRange(gaugeType, unitIndex, senderIndex))
        return false;
    m_entries[position(gaugeType, unitIndex, senderIndex)] = words;
    return true;
}

bool CoefficientTable::inRange(int gaugeType, int unitIndex, int senderIndex)
{
    return gaugeType >= 0 && gaugeType < GaugeTypeCount && unitIndex >= 0
        && unitIndex < UnitCount && senderIndex >= 0 && senderIndex < SenderCount;
}

// The gauge type runs fastest, as in the firmware documentation's element numbering.
int CoefficientTable::position(int gaugeType, int unitIndex, int senderIndex)
{
    return gaugeType + GaugeTypeCount * (unitIndex + UnitCount * senderIndex);
}

void BuildCoefficientTable(CoefficientTable &table)
{
    for (const CurveSet &set : curveSets()) {
        for (const CurveRow &row : set.rows) {
            CoefficientTable::Entry words {};
            for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
                words[2 * k] = EncodeCoefficient(row.coefficients[k], 1);
                words[2 * k + 1] = EncodeCoefficient(row.coefficients[k], 0);
            }
            for (int gaugeType : set.gaugeTypes) {
                for (int unit : set.unitIndexes)
                    table.setEntry(gaugeType, unit, row.sender, words);
            }
        }
    }
}

} // namespace gauge
