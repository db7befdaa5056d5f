#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas.hpp"
#include "canvas/font.hpp"
#include "canvas/picture.hpp"

namespace kulko {

class Tgenerator;

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds&) const = default;
};

enum class ControlKind {
    Label,
    Button,       // a caption, a look and a handler to call when clicked
    RadioButton,  // exclusive within its parent group
    CheckBox,
    ComboBox,  // drop-down with an edit field
    Edit,      // one-line edit
    Memo,      // read-only lines
    ListBox,
    StringGrid,
    Image,  // a drawn picture, or a decoration the screen draws itself
    Panel,
    GroupBox,
    Bevel,  // a frame or, with height 0 or 1, a horizontal line
};

// How a button shows on screen.
enum class ButtonLook {
    Push,     // a raised button with its caption alone
    Tool,     // a flat button with its ball beside the caption
    MainRow,  // a button of the main row with its ball above the caption
};

// Rows of a long list that are made into text only when they are shown
// (the million lines of a results file).
class ItemRows {
  public:
    virtual ~ItemRows() = default;
    virtual std::size_t Size() const = 0;
    virtual std::string Row(std::size_t index) = 0;
    // Grows when the rows changed by themselves (the file they come from
    // was changed), so that the screen shows them anew.
    virtual std::uint64_t Revision() const = 0;
};

// A list of texts that counts its changes, so the screen can tell cheaply
// whether a long list must be shown anew. Its items are texts, or rows made
// into text when asked for.
class ItemList {
  public:
    void Clear() {
        items_.clear();
        rows_.reset();
        revision_ += kStep;
    }
    void Add(std::string item) {
        items_.push_back(std::move(item));
        revision_ += kStep;
    }
    void Assign(std::vector<std::string> items) {
        items_ = std::move(items);
        rows_.reset();
        revision_ += kStep;
    }
    void Assign(std::unique_ptr<ItemRows> rows) {
        items_.clear();
        rows_ = std::move(rows);
        revision_ += kStep;
    }
    std::size_t Size() const { return rows_ ? rows_->Size() : items_.size(); }
    bool Empty() const { return Size() == 0; }
    std::string operator[](std::size_t i) const { return rows_ ? rows_->Row(i) : items_[i]; }
    std::vector<std::string> All() const {
        if (!rows_) {
            return items_;
        }
        std::vector<std::string> all;
        for (std::size_t i = 0; i < rows_->Size(); ++i) {
            all.push_back(rows_->Row(i));
        }
        return all;
    }
    std::uint64_t Revision() const { return revision_ + (rows_ ? rows_->Revision() : 0); }

  private:
    // Room between the list's own changes for those of its rows.
    static constexpr std::uint64_t kStep = std::uint64_t{1} << 32;
    std::vector<std::string> items_;
    std::unique_ptr<ItemRows> rows_;
    std::uint64_t revision_ = 0;
};

// Cells of a string grid, column-major per row: Cell(col, row).
class GridCells {
  public:
    void Resize(int cols, int rows) {
        cols_ = cols;
        rows_ = rows;
        cells_.assign(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows), {});
        ++revision_;
    }
    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    const std::string& Cell(int col, int row) const { return cells_[Index(col, row)]; }
    void SetCell(int col, int row, std::string text) {
        cells_[Index(col, row)] = std::move(text);
        ++revision_;
    }
    // For edits typed into the grid on screen: no new revision, since the
    // screen already shows the text.
    void SetCellFromScreen(int col, int row, std::string text) {
        cells_[Index(col, row)] = std::move(text);
    }
    std::uint64_t Revision() const { return revision_; }

  private:
    std::size_t Index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> cells_;
    std::uint64_t revision_ = 0;
};

// The picture an image shows. Like ItemList it counts its changes, so the
// screen can tell cheaply whether it must draw the picture anew; a new
// picture is put in by assignment.
class ShownPicture : public Picture {
  public:
    ShownPicture() = default;
    ShownPicture(const ShownPicture&) = delete;
    ShownPicture& operator=(const ShownPicture&) = delete;
    ShownPicture& operator=(Picture picture) {
        static_cast<Picture&>(*this) = std::move(picture);
        ++revision_;
        return *this;
    }
    std::uint64_t Revision() const { return revision_; }

  private:
    std::uint64_t revision_ = 0;
};

// One control of the window as plain values. Which fields apply depends on
// the kind: caption for labels, buttons, panels and group boxes; checked for
// radio buttons and check boxes; text for edits and combos; items and
// itemIndex for combos, list boxes and memos; cells for grids; picture for
// images; onClick, look and ball for buttons. Texts are UTF-8.
struct Control {
    Control(std::string name, ControlKind kind, Control* parent, Bounds bounds,
            std::string caption = {})
        : name(std::move(name)),
          kind(kind),
          parent(parent),
          bounds(bounds),
          caption(std::move(caption)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;
    ControlKind kind;
    Control* parent;  // nullptr: on the window itself
    Bounds bounds;    // relative to the parent
    std::string caption;
    std::string hint;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::string text;
    ItemList items;
    int itemIndex = -1;
    GridCells cells;
    std::vector<int> columnWidths;
    ShownPicture picture;
    bool showsPicture = false;  // images: picture; otherwise a decoration
    bool centred = false;       // memos: every line centred
    void (Tgenerator::*onClick)() = nullptr;
    ButtonLook look = ButtonLook::Push;
    int ball = 0;  // the number on the ball drawn on a button; 0: none
    Font font;
    Rgb background = colors::kWhite;
    bool ownBackground = false;  // panels and Panel1 paint their own background
    bool handCursor = false;
};

}  // namespace kulko
