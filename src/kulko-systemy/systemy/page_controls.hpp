#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kulko {

// The controls of a page of the systems window as plain values, which the
// Qt front shows and fills back from what the player does. Texts are UTF-8.

struct Toggle {
    bool checked = false;
};

// An edit field, or a label when only the program writes it.
struct TextField {
    std::string text;
};

struct Button {
    std::string caption;
    bool enabled = true;
};

// percent below zero: the end cannot be told, the bar only shows that work
// goes on.
struct ProgressBar {
    int percent = 0;
    bool visible = false;
};

struct Choice {
    std::vector<std::string> items;
    int index = 0;
};

// Lines that may run into the tens of thousands; the revision tells the
// screen whether they changed.
struct TextLines {
    void Assign(std::vector<std::string> lines) {
        all = std::move(lines);
        ++revision;
    }
    std::vector<std::string> all;
    std::uint64_t revision = 0;
};

// Lines the player may tick one by one.
struct CheckList {
    void Assign(std::vector<std::string> lines) {
        items = std::move(lines);
        checked.assign(items.size(), false);
    }
    std::vector<std::string> items;
    std::vector<bool> checked;  // as many as items
};

// A small table: its column headings and rows of cells.
struct TextTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

}  // namespace kulko
