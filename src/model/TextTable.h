#pragma once

#include <string>
#include <vector>

namespace morvane {

// A table of text cells addressed by row and column. Reads outside the table
// give empty text; writes outside an existing row are ignored, and a write
// past the last column of a row widens that row.
class TextTable {
public:
    explicit TextTable(int columnCount);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return columnCount_; }

    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);
    void DeleteRow(int row);
    // The whole row; empty outside the table.
    std::vector<std::string> Row(int row) const;
    // Puts a row back at its place (a row past the end is appended), with
    // the given cells, padded or cut to the table's columns.
    void InsertRow(int row, std::vector<std::string> cells);
    void Clear() { rows_.clear(); }

protected:
    int AppendRow(std::vector<std::string> cells);

private:
    int columnCount_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace morvane
