#include "TextTable.h"

namespace morvane {

namespace {
const std::string kEmpty;
}

TextTable::TextTable(int columnCount) : columnCount_(columnCount)
{
}

const std::string& TextTable::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0)
        return kEmpty;
    const auto& cells = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size())
        return kEmpty;
    return cells[static_cast<size_t>(column)];
}

void TextTable::SetCell(int row, int column, std::string text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= columnCount_)
        return;
    auto& cells = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size())
        cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = std::move(text);
}

void TextTable::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    rows_.erase(rows_.begin() + row);
}

std::vector<std::string> TextTable::Row(int row) const
{
    if (row < 0 || row >= RowCount())
        return {};
    return rows_[static_cast<size_t>(row)];
}

void TextTable::InsertRow(int row, std::vector<std::string> cells)
{
    cells.resize(static_cast<size_t>(columnCount_));
    row = row < 0 ? 0 : row > RowCount() ? RowCount() : row;
    rows_.insert(rows_.begin() + row, std::move(cells));
}

int TextTable::AppendRow(std::vector<std::string> cells)
{
    cells.resize(static_cast<size_t>(columnCount_));
    rows_.push_back(std::move(cells));
    return RowCount() - 1;
}

} // namespace morvane
