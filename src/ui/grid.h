#pragma once
#include <vector>

#include "ui/control.h"

namespace ui {

// A grid of text cells. Cells set by a program run no reaction; a user's
// click on a cell outside the fixed rows and columns runs onCellClick.
class Grid : public Control {
public:
    explicit Grid(const ControlSpec& spec);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void resize(int rows, int cols);

    // Refuse cells outside the grid (platform::Error 381).
    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, const std::string& text);
    bool marked(int row, int col) const { return cell(row, col) == "v"; }
    void setMarked(int row, int col, bool on) { setCell(row, col, on ? "v" : ""); }

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);

    // A user's click on a cell; ignored while disabled and on fixed cells.
    void userClick(int row, int col);
    std::function<void(int row, int col)> onCellClick;

private:
    std::size_t at(int row, int col) const;

    int rows_, cols_, fixedRows_, fixedCols_;
    std::vector<std::string> cells_;
    std::vector<int> colWidths_, rowHeights_;
};

}  // namespace ui
