// The case list ListView1 as a model over the consultation's rows: five
// columns (求测人, 日期, 类别, 占问事宜, ID), refreshed after every operation
// that may change them. It holds no row of its own: a row's texts are read
// (a page at a time) only when the view paints it.
#pragma once

#include <QAbstractTableModel>

#include "workflow/case_rows.hpp"

namespace qimen::app {

class CaseListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CaseListModel(const workflow::CaseRows& rows, QObject* parent = nullptr)
        : QAbstractTableModel(parent), rows_(rows) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : workflow::kCaseColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return QString::fromStdString(rows_.row(static_cast<std::size_t>(index.row())).columns[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const titles[] = {"求测人", "日期", "类别", "占问事宜", "ID"};
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= workflow::kCaseColumnCount)
            return {};
        return QString::fromUtf8(titles[section]);
    }
    // The case number of a row, as its ID column reads.
    std::int32_t caseNumber(int row) const { return rows_.number(static_cast<std::size_t>(row)); }
    // The row listing case `number`, looked for first at `hint` (its row
    // before a refresh); -1 when it is no longer listed.
    int rowOf(std::int32_t number, int hint) const {
        if (hint >= 0 && hint < rowCount() && caseNumber(hint) == number) return hint;
        const auto found = rows_.find(number);
        return found ? static_cast<int>(*found) : -1;
    }
    void refresh() {
        beginResetModel();
        endResetModel();
    }

private:
    const workflow::CaseRows& rows_;
};

}  // namespace qimen::app
