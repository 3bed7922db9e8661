#include "state/PlaylistModel.h"

namespace velto {

void PlaylistModel::SetName(int index, const QString& name) {
    entries_.at(static_cast<size_t>(index)).name = name;
    const QModelIndex i = this->index(index);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void PlaylistModel::SetPath(int index, const QString& path) {
    entries_.at(static_cast<size_t>(index)).path = path;
}

void PlaylistModel::Append(std::vector<PlaylistEntry> entries) {
    if (entries.empty()) return;
    const int first = Count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(entries.size()) - 1);
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    endInsertRows();
}

void PlaylistModel::RemoveAt(int index) {
    if (index < 0 || index >= Count()) return;
    beginRemoveRows(QModelIndex(), index, index);
    entries_.erase(entries_.begin() + index);
    endRemoveRows();
}

void PlaylistModel::Swap(int a, int b) {
    if (a < 0 || b < 0 || a >= Count() || b >= Count() || a == b) return;
    std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
    emit dataChanged(index(std::min(a, b)), index(std::max(a, b)), {Qt::DisplayRole});
}

void PlaylistModel::Clear() {
    beginResetModel();
    entries_.clear();
    selection_ = -1;
    endResetModel();
    emit selectionChanged(-1);
}

void PlaylistModel::SetSelection(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (selection_ == index) return;
    selection_ = index;
    emit selectionChanged(index);
}

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    if (role == Qt::DisplayRole) return entries_[static_cast<size_t>(index.row())].name;
    return {};
}

} // namespace velto
