#include "ui/grid.h"

#include "platform/error.h"

namespace ui {
namespace {
constexpr int DefaultColWidth = 960;
constexpr int DefaultRowHeight = 240;
[[noreturn]] void outOfRange() { throw platform::Error(381, "Subscript out of range"); }
}  // namespace

Grid::Grid(const ControlSpec& spec)
    : Control(spec), rows_(0), cols_(0), fixedRows_(spec.fixedRows), fixedCols_(spec.fixedCols)
{
    resize(spec.rows, spec.cols);
}

void Grid::resize(int rows, int cols)
{
    std::vector<std::string> cells(static_cast<std::size_t>(rows * cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] = cells_[at(r, c)];
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    colWidths_.resize(static_cast<std::size_t>(cols), DefaultColWidth);
    rowHeights_.resize(static_cast<std::size_t>(rows), DefaultRowHeight);
    notify();
}

std::size_t Grid::at(int row, int col) const
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        outOfRange();
    return static_cast<std::size_t>(row * cols_ + col);
}

const std::string& Grid::cell(int row, int col) const { return cells_[at(row, col)]; }

void Grid::setCell(int row, int col, const std::string& text)
{
    std::string& cell = cells_[at(row, col)];
    if (cell == text)
        return;
    cell = text;
    notify();
}

int Grid::colWidth(int col) const
{
    if (col < 0 || col >= cols_)
        outOfRange();
    return colWidths_[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, int width)
{
    if (col < 0 || col >= cols_)
        outOfRange();
    colWidths_[static_cast<std::size_t>(col)] = width;
    notify();
}

int Grid::rowHeight(int row) const
{
    if (row < 0 || row >= rows_)
        outOfRange();
    return rowHeights_[static_cast<std::size_t>(row)];
}

void Grid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rows_)
        outOfRange();
    rowHeights_[static_cast<std::size_t>(row)] = height;
    notify();
}

void Grid::userClick(int row, int col)
{
    if (!enabled() || row < fixedRows_ || col < fixedCols_ || row >= rows_ || col >= cols_)
        return;
    if (onCellClick)
        onCellClick(row, col);
}

}  // namespace ui
