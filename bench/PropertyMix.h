#pragma once

#include <string>
#include <vector>

// One property of a realistic plan object, described apart from any property library so that
// ours and a peer are filled with the same properties.
struct MixEntry
{
    enum class Kind { Integer, Double, Price, Text, Boolean, Choice };

    Kind kind;
    std::string key;
    std::string label; // 10 to 40 characters, distinct per property
    std::string categoryKey;
    double number = 0.0; // Integer, Double, Price
    std::string unit;
    double minimum = 0.0;
    double maximum = 0.0;
    std::string text;
    bool flag = false;
    std::vector<std::string> choiceKeys; // 3 to 12
    int choice = 0;
};

constexpr int categoryCount = 10;

// Property i of an object: 15 % integers, 30 % doubles and 15 % prices under about 60
// distinct spin-box settings and 10 units, 15 % enumerations, 15 % texts, 10 % booleans, in
// 10 categories; values differ from row to row, and from one generation to the next, so that
// no plan finds the widths of its numbers remembered from an earlier one. The reference of
// every seventh differs.
MixEntry mixEntry(int i, int generation, bool reference = false);

// A generation not used before in this process.
int nextGeneration();

// The label of a category or enumeration value key.
std::string labelOfKey(const std::string &key);
