#include "bench/PropertyMix.h"

#include <array>
#include <cmath>

namespace {

struct Range
{
    double minimum;
    double maximum;
};

// Six ranges by ten units give the spread of spin-box settings a plan has.
constexpr std::array<Range, 6> ranges{{{0.0, 1e3}, {0.0, 1e4}, {-500.0, 500.0}, {0.0, 1e5}, {1.0, 2e5}, {0.0, 1e6}}};
const std::array<const char *, 8> physicalUnits{"mm", "m", "kg", "s", "min", "N", "kW", "degC"};

// Spread evenly and never twice the same, however many rows.
double spread(long long i, const Range &range)
{
    const double fraction = std::fmod(static_cast<double>(i) * 0.6180339887498949, 1.0);
    return range.minimum + fraction * (range.maximum - range.minimum);
}

std::string labelOfLength(int i, std::size_t length)
{
    static const std::string words = "Clamping force at spindle of the finishing pass on the rear side";
    const std::string number = " " + std::to_string(i);
    return words.substr(0, length - number.size()) + number;
}

} // namespace

MixEntry mixEntry(int i, int generation, bool reference)
{
    const int shift = reference && i % 7 == 0 ? 1 : 0;
    MixEntry entry;
    entry.key = "P_" + std::to_string(i);
    entry.label = labelOfLength(i, 10 + static_cast<std::size_t>(i * 13 % 31));
    entry.categoryKey = "CAT_" + std::to_string(i / 3 % categoryCount);
    const int slot = i / 20;
    const Range &range = ranges[static_cast<std::size_t>(slot % ranges.size())];
    entry.minimum = range.minimum;
    entry.maximum = range.maximum;
    entry.number = spread(i + generation * 1000003LL, range) + shift;
    const int kind = i % 20;
    if (kind < 3) {
        entry.kind = MixEntry::Kind::Integer;
        entry.number = std::floor(entry.number);
        entry.unit = slot % 2 ? "pcs" : "";
    } else if (kind < 9) {
        entry.kind = MixEntry::Kind::Double;
        entry.unit = physicalUnits[static_cast<std::size_t>((slot + kind) % physicalUnits.size())];
    } else if (kind < 12) {
        entry.kind = MixEntry::Kind::Price;
        entry.unit = "usd";
    } else if (kind < 15) {
        entry.kind = MixEntry::Kind::Choice;
        const int count = 3 + i % 10;
        for (int c = 0; c < count; ++c)
            entry.choiceKeys.push_back("CH_" + std::to_string(count) + "_" + std::to_string(c));
        entry.choice = (i + shift) % count;
    } else if (kind < 18) {
        entry.kind = MixEntry::Kind::Text;
        entry.text = "Deburr <edge " + std::to_string(i + shift) + "> before the next clamping";
    } else {
        entry.kind = MixEntry::Kind::Boolean;
        entry.flag = (i / 20 + shift) % 2 == 0;
    }
    return entry;
}

int nextGeneration()
{
    static int generation = 0;
    return generation++;
}

std::string labelOfKey(const std::string &key)
{
    return "Label of " + key;
}
