// The result lines of the time search as a list model: a search may list
// 30,000 lines, added in batches while it runs, so the list view reads them
// from one vector instead of holding a widget item per line.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

namespace qimen::app {

class ResultListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
        return lines_[static_cast<std::size_t>(index.row())];
    }

    void append(const QStringList& lines) {
        if (lines.isEmpty()) return;
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(lines.size()) - 1);
        lines_.insert(lines_.end(), lines.begin(), lines.end());
        endInsertRows();
    }
    void clear() {
        beginResetModel();
        lines_.clear();
        endResetModel();
    }
    const std::vector<QString>& lines() const { return lines_; }

private:
    std::vector<QString> lines_;
};

}  // namespace qimen::app
